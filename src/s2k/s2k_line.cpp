#include "s2k/s2k_line.h"

#include <array>

namespace vek {

namespace {

bool IsControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string_view TrimControl(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsControlOrBlank(text[first]))
        ++first;
    while (last > first && IsControlOrBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool IsBlankLine(std::string_view line)
{
    for (char c : line)
        if (!IsControlOrBlank(c))
            return false;
    return true;
}

void SplitS2kLine(std::string_view line, TLineFields& fields)
{
    fields.fill(std::string_view());

    // Boundary positions count characters from 1; position 0 looks at the first character
    // again, which is what shifts the fields of indented lines.
    constexpr std::size_t maxBoundaries = LineFieldCount;
    std::array<std::size_t, maxBoundaries> boundary;
    std::size_t count = 0;
    auto record = [&](std::size_t pos) {
        if (count < maxBoundaries)
            boundary[count++] = pos;
    };

    const std::size_t n = line.size();
    for (std::size_t pos = 0; pos <= n && count < maxBoundaries; ++pos) {
        if (n > 0) {
            const char c = line[pos == 0 ? 0 : pos - 1];
            if (c == ' ') {
                if (count == 0 || boundary[count - 1] != pos - 1)
                    record(pos);
            } else if (c == '=' || c == ',' || c == '"') {
                record(pos);
            }
        }
        if (pos == n)
            record(n + 1);
    }

    // Field k - 2 lies strictly between boundaries k and k + 1 (numbered from 1).
    for (std::size_t k = 1; k + 1 < count; ++k) {
        const std::size_t start = boundary[k];
        const std::size_t length = boundary[k + 1] - boundary[k] - 1;
        if (start >= n)
            continue;
        fields[k - 1] = TrimControl(line.substr(start, length));
    }
}

TableBounds FindTableBounds(const TextLines& lines, std::string_view keyword)
{
    TableBounds bounds;
    const std::size_t n = lines.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = lines[i];
        if (line == keyword)
            bounds.header = static_cast<std::int64_t>(i);
        if (bounds.end == 0 && bounds.header != 0 && IsBlankLine(line))
            bounds.end = static_cast<std::int64_t>(i);
    }
    return bounds;
}

} // namespace vek
