#include "run/recorder_line_counter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

namespace vek {

std::int64_t RecorderLineCounter::Count()
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file_, error);
    if (error) {
        offset_ = 0;
        lines_ = 0;
        return lines_;
    }
    if (size < offset_) {
        offset_ = 0;
        lines_ = 0;
    }
    if (size == offset_)
        return lines_;
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return lines_;
    in.seekg(static_cast<std::streamoff>(offset_));
    std::array<char, 65536> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        const std::streamsize got = in.gcount();
        if (got <= 0)
            break;
        lines_ += std::count(buffer.data(), buffer.data() + got, '\n');
        offset_ += static_cast<std::uintmax_t>(got);
    }
    return lines_;
}

} // namespace vek
