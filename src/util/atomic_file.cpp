#include "util/atomic_file.h"

#include "util/error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

// Read-only: no write permission for anyone, or none for this user. The permission bits are
// checked as well, since the superuser may write anything.
bool IsReadOnly(const std::string& path)
{
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0)
        return false;
    return (status.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// A read-only file would be replaced by the rename all the same, and a read-only folder
// is written by the superuser: both are refused first.
void RefuseReadOnlyTarget(const std::string& path)
{
    if (IsReadOnly(path))
        CannotSave(path, EACCES);
    const std::string folder = path.find('/') == std::string::npos
                                   ? std::string(".")
                                   : path.substr(0, std::max<std::size_t>(path.rfind('/'), 1));
    if (IsReadOnly(folder))
        CannotSave(path, EACCES);
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

// The file a chain of symbolic links ends at (the path itself when it is no link), so that a
// save through a link replaces the file it points to and keeps the link.
std::string FileBehindLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path file = path;
    std::error_code error;
    for (int depth = 0; depth < 40 && fs::is_symlink(file, error); ++depth) {
        const fs::path target = fs::read_symlink(file, error);
        if (error)
            break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file.string();
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string file = FileBehindLinks(path);
    RefuseReadOnlyTarget(file);
    std::string temp;
    const int fd = CreateTempFile(file, temp);
    bool written = WriteAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temp.c_str(), file.c_str()) == 0)
        return;
    if (written)
        error = errno;
    ::unlink(temp.c_str());
    CannotSave(path, error);
}

} // namespace vek
