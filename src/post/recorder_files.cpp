#include "post/recorder_files.h"

#include "util/error.h"
#include "util/format.h"

namespace vek {

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
