#pragma once

#include <cstdint>
#include <filesystem>

namespace vek {

// Counts the lines of a recorder file while the solver writes it, reading only what was added
// since the last count: a file of a hundred megabytes is read once, not at every count. A line
// counts once its line break is written. A file that is not there (yet) has no lines; a file
// that became shorter (written again from the start) is counted again from its beginning.
class RecorderLineCounter
{
public:
    explicit RecorderLineCounter(std::filesystem::path file) : file_(std::move(file)) {}

    // Reads what was added and returns the number of whole lines.
    std::int64_t Count();
    std::int64_t Lines() const { return lines_; }

private:
    std::filesystem::path file_;
    std::uintmax_t offset_ = 0;
    std::int64_t lines_ = 0;
};

} // namespace vek
