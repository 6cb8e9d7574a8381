#include "tcl/recorder_groups.h"

#include <algorithm>

namespace vek {

std::vector<RecorderFile> NodeRecorderFiles(std::int64_t count)
{
    const std::int64_t n = std::max<std::int64_t>(count, 0);
    const std::int64_t q = n / RecorderGroupSize;
    const std::int64_t r = n % RecorderGroupSize;
    std::vector<RecorderFile> files;
    for (std::int64_t k = 0; k < q; ++k)
        files.push_back({k, RecorderGroupSize * k + 1, RecorderGroupSize * (k + 1)});
    if (r != 0)
        files.push_back({q, RecorderGroupSize * q + 1, RecorderGroupSize * q + r});
    return files;
}

std::vector<RecorderFile> ElementRecorderFiles(std::int64_t count)
{
    const std::int64_t n = std::max<std::int64_t>(count, 0);
    const std::int64_t q = n / RecorderGroupSize;
    const std::int64_t r = n % RecorderGroupSize;
    std::vector<RecorderFile> files;
    for (std::int64_t k = 1; k <= q; ++k)
        files.push_back({k, RecorderGroupSize * (k - 1) + 1, RecorderGroupSize * k});
    if (r != 0)
        files.push_back({0, RecorderGroupSize * q + 1, RecorderGroupSize * q + r});
    return files;
}

} // namespace vek
