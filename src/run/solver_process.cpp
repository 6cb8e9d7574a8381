#include "run/solver_process.h"

#include "util/error.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vek {

namespace {

void CloseQuietly(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Writes the whole buffer, as far as the pipe takes it (in the child, after fork: only
// async-signal-safe calls).
void WriteAll(int fd, const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t wrote = ::write(fd, bytes, size);
        if (wrote <= 0)
            return;
        bytes += wrote;
        size -= static_cast<std::size_t>(wrote);
    }
}

} // namespace

SolverProcess::SolverProcess(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments,
                             const std::filesystem::path& workingFolder)
{
    const std::string programText = program.string();
    const std::string folderText = workingFolder.string();
    std::vector<std::string> words;
    words.push_back(programText);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int output[2] = {-1, -1};
    int failure[2] = {-1, -1};
    // The solver reads nothing: a script that stops must not wait for typed commands.
    int input = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (input < 0 || ::pipe2(output, O_CLOEXEC) != 0 || ::pipe2(failure, O_CLOEXEC) != 0) {
        CloseQuietly(input);
        CloseQuietly(output[0]);
        CloseQuietly(output[1]);
        throw VekError("The solver " + programText +
                       " could not be started: " + std::strerror(errno));
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The child: its own process group, the working folder, both streams on the pipe.
        ::setpgid(0, 0);
        int step = 0;
        if (::chdir(folderText.c_str()) == 0) {
            step = 1;
            if (::dup2(input, 0) >= 0 && ::dup2(output[1], 1) >= 0 && ::dup2(output[1], 2) >= 0) {
                step = 2;
                ::execv(argv[0], argv.data());
            }
        }
        const int codes[2] = {step, errno};
        WriteAll(failure[1], codes, sizeof codes);
        ::_exit(127);
    }
    const int forkError = errno;
    CloseQuietly(input);
    CloseQuietly(output[1]);
    CloseQuietly(failure[1]);
    if (pid < 0) {
        CloseQuietly(output[0]);
        CloseQuietly(failure[0]);
        throw VekError("The solver " + programText +
                       " could not be started: " + std::strerror(forkError));
    }
    // Also from here, so that the group exists before a cancel can name it.
    ::setpgid(pid, pid);
    int codes[2] = {0, 0};
    ssize_t got = 0;
    do {
        got = ::read(failure[0], codes, sizeof codes);
    } while (got < 0 && errno == EINTR);
    CloseQuietly(failure[0]);
    if (got == static_cast<ssize_t>(sizeof codes)) {
        CloseQuietly(output[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const std::string why = std::strerror(codes[1]);
        if (codes[0] == 0)
            throw VekError("The solver could not run in the folder " + folderText + ": " + why);
        throw VekError("The solver " + programText + " could not be started: " + why);
    }
    pid_ = pid;
    pipe_ = output[0];
    ::fcntl(pipe_, F_SETFL, ::fcntl(pipe_, F_GETFL) | O_NONBLOCK);
}

SolverProcess::~SolverProcess()
{
    if (!exit_ && pid_ > 0) {
        ::kill(-pid_, SIGKILL);
        Reap();
    }
    CloseQuietly(pipe_);
}

bool SolverProcess::Ended() const
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid_;
}

void SolverProcess::Reap()
{
    // The solver is a zombie until reaped, so its group id cannot have gone to another
    // process: what is left of the group is what the solver started.
    ::kill(-pid_, SIGKILL);
    int status = 0;
    pid_t done = 0;
    do {
        done = ::waitpid(pid_, &status, 0);
    } while (done < 0 && errno == EINTR);
    SolverExit exit;
    exit.Cancelled = cancelled_;
    if (done == pid_ && WIFSIGNALED(status))
        exit.Signal = WTERMSIG(status);
    else if (done == pid_ && WIFEXITED(status))
        exit.Code = WEXITSTATUS(status);
    exit_ = exit;
}

bool SolverProcess::Read(std::string& output, std::chrono::milliseconds wait)
{
    if (exit_)
        return false;
    if (killAt_ && std::chrono::steady_clock::now() >= *killAt_) {
        ::kill(-pid_, SIGKILL);
        killAt_.reset();
    }
    // The pipe may stay open after the solver ended, held by a process it started; the
    // solver's end is what counts.
    const bool ended = Ended();
    pollfd fd{pipe_, POLLIN, 0};
    if (pipe_ >= 0 && ::poll(&fd, 1, ended ? 0 : static_cast<int>(wait.count())) > 0) {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(pipe_, buffer, sizeof buffer);
            if (got > 0) {
                output.append(buffer, static_cast<std::size_t>(got));
                continue;
            }
            if (got == 0)
                CloseQuietly(pipe_);
            break;
        }
    }
    if (ended) {
        Reap();
        return false;
    }
    return true;
}

void SolverProcess::Cancel(std::chrono::milliseconds grace)
{
    if (exit_ || cancelled_)
        return;
    cancelled_ = true;
    ::kill(-pid_, SIGTERM);
    killAt_ = std::chrono::steady_clock::now() + grace;
}

} // namespace vek
