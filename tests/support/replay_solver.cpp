// A stand-in for OpenSees in the tests of runs: it takes a script as OpenSees does and replays
// a recorded run, named by the environment variable VEK_REPLAY_RUN (the run's folder): the
// run's output (run.log without its last line, "exit code N") comes in pieces, the lines naming
// a warning on the standard error, the rest on the standard output; its recorder files are
// written into the working folder line by line, with short pauses, between the "recorder"
// line of the output and what follows it; and it exits with the run's exit code.
//
// VEK_REPLAY_RUN=long instead runs until it is killed: it starts a child process of its own
// (which, like itself, ignores SIGTERM), writes the child's pid to child.pid in the working
// folder and adds a line to node0.out every few milliseconds; VEK_REPLAY_RUN=crash writes a
// line and aborts (SIGABRT).

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Pause()
{
    std::this_thread::sleep_for(std::chrono::microseconds(300));
}

std::vector<std::string> LinesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void Say(const std::string& line)
{
    const bool warning =
        line.find("WARNING") != std::string::npos || line.find("::") != std::string::npos;
    std::ostream& stream = warning ? std::cerr : std::cout;
    stream << line << '\n';
    stream.flush();
    Pause();
}

// The files OpenSees wrote in the run: all but the script, its output and the notes.
bool IsRecorded(const fs::path& file)
{
    const std::string name = file.filename().string();
    return name != "run.log" && name != "command.txt" && name != "model.tcl" &&
           name != "warnings.txt";
}

void WriteRecorderFiles(const fs::path& run)
{
    std::vector<std::vector<std::string>> contents;
    std::vector<std::ofstream> outs;
    for (const auto& entry : fs::directory_iterator(run)) {
        if (!entry.is_regular_file() || !IsRecorded(entry.path()))
            continue;
        contents.push_back(LinesOf(entry.path()));
        outs.emplace_back(entry.path().filename(), std::ios::binary | std::ios::trunc);
    }
    for (std::size_t line = 0;; ++line) {
        bool any = false;
        for (std::size_t f = 0; f < outs.size(); ++f) {
            if (line >= contents[f].size())
                continue;
            outs[f] << contents[f][line] << '\n';
            outs[f].flush();
            any = true;
        }
        if (!any)
            return;
        if (line % 8 == 0)
            Pause();
    }
}

int Replay(const fs::path& run)
{
    std::vector<std::string> log = LinesOf(run / "run.log");
    int code = 0;
    if (!log.empty() && log.back().rfind("exit code ", 0) == 0) {
        code = std::atoi(log.back().c_str() + 10);
        log.pop_back();
    }
    std::size_t k = 0;
    for (; k < log.size(); ++k) {
        Say(log[k]);
        if (log[k] == "recorder")
            break;
    }
    WriteRecorderFiles(run);
    for (++k; k < log.size(); ++k)
        Say(log[k]);
    return code;
}

int Long()
{
    std::signal(SIGTERM, SIG_IGN);
    const pid_t child = fork();
    if (child == 0) {
        for (;;)
            pause();
    }
    std::ofstream("child.pid.part") << child << '\n';
    fs::rename("child.pid.part", "child.pid");
    std::cout << "recorder\nloading\nanalysis" << std::endl;
    std::ofstream node("node0.out", std::ios::binary | std::ios::trunc);
    for (int step = 1;; ++step) {
        node << step << " 0 0 0\n";
        node.flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const char* run = std::getenv("VEK_REPLAY_RUN");
    if (argc != 2 || run == nullptr) {
        std::cerr << "usage: VEK_REPLAY_RUN=RUN_FOLDER|long replay_solver SCRIPT\n";
        return 2;
    }
    if (!fs::is_regular_file(argv[1])) {
        std::cerr << "couldn't open file: " << argv[1] << '\n';
        return 1;
    }
    if (std::string(run) == "long")
        return Long();
    if (std::string(run) == "crash") {
        std::cout << "recorder" << std::endl;
        std::abort();
    }
    return Replay(run);
}
