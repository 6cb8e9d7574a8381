#pragma once

#include "model/model.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace vek {

// Cuts one s2k line into numbered fields and stores them in `fields`, every entry
// overwritten (entries beyond the line's fields are empty). Blanks, "=", "," and the double
// quote separate fields, with the peculiar treatment of blank runs that the s2k readers rely
// on: a run of two blanks is one separator, a run of three or four is two with an empty field
// between them. Boundaries past the 40th are ignored, so at most 38 fields come out.
void SplitS2kLine(std::string_view line, TLineFields& fields);

// True when the line is empty after removing the characters of code 32 or less at both ends.
bool IsBlankLine(std::string_view line);

// The characters of code 32 or less removed from both ends.
std::string_view TrimControl(std::string_view text);

struct TableBounds
{
    std::int64_t header = 0;
    std::int64_t end = 0;
};

// Locates a table: header is the last line equal to the keyword, end the first blank line
// after its first occurrence; both 0 when not found. A keyword on line 0 counts as absent.
// The table's data lines are header+1 .. end-1.
TableBounds FindTableBounds(const TextLines& lines, std::string_view keyword);

// The bounds of several tables, found in one pass over the lines; each is what
// FindTableBounds would give for its keyword.
class TableIndex
{
public:
    TableIndex(const TextLines& lines, std::initializer_list<std::string_view> keywords);

    // The bounds of a keyword given to the constructor; {0, 0} for any other.
    TableBounds Bounds(std::string_view keyword) const;

private:
    std::vector<std::string_view> keywords_;
    std::vector<TableBounds> bounds_;
};

} // namespace vek
