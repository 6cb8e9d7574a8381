#include "util/atomic_file.h"

#include "util/error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vek {

namespace {

[[noreturn]] void CannotSave(const std::string& path, int error)
{
    throw VekError("Cannot save " + path + ": " + std::strerror(error));
}

// The permissions of the file being replaced, or those of a new file.
mode_t ModeOfOldFile(const std::string& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) == 0)
        return status.st_mode & 07777;
    return 0644;
}

// A file that exists and is read-only: rename would replace it all the same.
void RefuseReadOnlyTarget(const std::string& path)
{
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        CannotSave(path, errno);
}

// Writes every byte to the open file and flushes it to the disk; false with errno set on a
// failure.
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return ::fsync(fd) == 0;
}

// Creates a new temporary file beside `path` with the old file's permissions; its name goes
// to `temp`. A name left by an earlier save that died is skipped.
int CreateTempFile(const std::string& path, std::string& temp)
{
    const mode_t mode = ModeOfOldFile(path);
    const std::string stem = path + ".vek-save-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0;; ++attempt) {
        temp = stem + std::to_string(attempt);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST || attempt == 99)
            CannotSave(path, errno);
    }
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    RefuseReadOnlyTarget(path);
    std::string temp;
    const int fd = CreateTempFile(path, temp);
    bool written = WriteAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temp.c_str(), path.c_str()) == 0)
        return;
    if (written)
        error = errno;
    ::unlink(temp.c_str());
    CannotSave(path, error);
}

} // namespace vek
