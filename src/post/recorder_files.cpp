#include "post/recorder_files.h"

#include "util/error.h"
#include "util/format.h"

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

std::string RecorderPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string_view StepLine(const TextLines& lines, std::int64_t step)
{
    if (step < 1 || static_cast<std::uint64_t>(step) > lines.size())
        throw VekError(Format("List index out of bounds (%d)", {step - 1}));
    return lines[static_cast<std::size_t>(step - 1)];
}

} // namespace vek
