#include "s2k/s2k_reader.h"

#include "util/format.h"

#include <limits>

namespace vek::s2k {

std::int32_t LineCountedSize(const TableBounds& bounds)
{
    const std::int64_t size = bounds.end - bounds.header - 1;
    if (size > std::numeric_limits<std::int32_t>::max())
        throw VekError("Range check error");
    return static_cast<std::int32_t>(size);
}

std::string MissingTarget(std::string_view table, std::string_view kind, std::int64_t number)
{
    return Format("%s names %s %d, which the model does not have", {table, kind, number});
}

std::string ShownName(std::string_view name)
{
    constexpr std::size_t MaxShown = 40;
    if (name.size() <= MaxShown)
        return std::string(name);
    return std::string(name.substr(0, MaxShown)) + "...";
}

} // namespace vek::s2k
