#include "s2k/s2k_line.h"

#include <algorithm>
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

namespace {

// Character classes of the splitter.
enum : unsigned char { PlainChar = 0, BlankChar = 1, SeparatorChar = 2 };

constexpr std::array<unsigned char, 256> CharClasses()
{
    std::array<unsigned char, 256> classes{};
    classes[' '] = BlankChar;
    classes['='] = SeparatorChar;
    classes[','] = SeparatorChar;
    classes['"'] = SeparatorChar;
    return classes;
}

constexpr std::array<unsigned char, 256> charClass = CharClasses();

} // namespace

void SplitS2kLine(std::string_view line, TLineFields& fields)
{
    fields = TLineFields{};
    const std::size_t n = line.size();
    if (n == 0)
        return;

    // Boundaries are character positions counted from 1; position 0 looks at the first
    // character again, which is what shifts the fields of indented lines. Each boundary from
    // the third on closes the field that began at the one before it, so boundary t (counted
    // from 0) ends field t - 2, the text strictly between the two.
    const char* const text = line.data();
    std::size_t count = 0;
    std::size_t last = 0;
    auto record = [&](std::size_t pos) {
        if (count >= 2 && last < n) {
            const char* first = text + last;
            const char* end = text + pos - 1;
            while (first < end && IsControlOrBlank(*first))
                ++first;
            while (end > first && IsControlOrBlank(end[-1]))
                --end;
            fields[count - 2] = std::string_view(first, static_cast<std::size_t>(end - first));
        }
        last = pos;
        ++count;
    };

    if (charClass[static_cast<unsigned char>(text[0])] != PlainChar)
        record(0);
    // Position pos looks at the character before it, text[pos - 1].
    const char* const end = text + n;
    for (const char* c = text; c < end; ++c) {
        const unsigned char cls = charClass[static_cast<unsigned char>(*c)];
        if (cls == PlainChar)
            continue;
        const std::size_t pos = static_cast<std::size_t>(c - text) + 1;
        if (cls == SeparatorChar || count == 0 || last != pos - 1) {
            record(pos);
            if (count == LineFieldCount)
                return;
        }
    }
    record(n + 1);
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

TableIndex::TableIndex(const TextLines& lines, std::initializer_list<std::string_view> keywords)
    : keywords_(keywords), bounds_(keywords.size())
{
    std::size_t longest = 0;
    for (std::string_view keyword : keywords_)
        longest = std::max(longest, keyword.size());
    const std::size_t n = lines.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view line = lines[i];
        if (line.size() <= longest)
            for (std::size_t k = 0; k < keywords_.size(); ++k)
                if (line == keywords_[k])
                    bounds_[k].header = static_cast<std::int64_t>(i);
        if (IsBlankLine(line))
            for (TableBounds& bounds : bounds_)
                if (bounds.end == 0 && bounds.header != 0)
                    bounds.end = static_cast<std::int64_t>(i);
    }
}

TableBounds TableIndex::Bounds(std::string_view keyword) const
{
    for (std::size_t k = 0; k < keywords_.size(); ++k)
        if (keywords_[k] == keyword)
            return bounds_[k];
    return {};
}

} // namespace vek
