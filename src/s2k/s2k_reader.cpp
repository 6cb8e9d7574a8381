#include "s2k/s2k_reader.h"

#include <limits>

namespace vek::s2k {

std::int32_t LineCountedSize(const TableBounds& bounds)
{
    const std::int64_t size = bounds.end - bounds.header - 1;
    if (size > std::numeric_limits<std::int32_t>::max())
        throw VekError("Range check error");
    return static_cast<std::int32_t>(size);
}

} // namespace vek::s2k
