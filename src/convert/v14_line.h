#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vek {

// The most fields a V14 line yields; the text past the 40th field is dropped.
constexpr std::size_t V14FieldCount = 40;

// The fields of one V14 line, numbered from 0. They point into the line, which must outlive
// them.
using TV14Fields = std::array<std::string_view, V14FieldCount>;

// Cuts one line of a SAP2000 V14 s2k file into fields and stores them in `fields`, every
// entry overwritten (entries past the line's fields are empty). A run of three or more blanks,
// "=", "," and the double quote separate fields; one or two blanks inside a value do not. A
// row of a V14 table begins with three blanks, so its fields alternate key and value: field 0
// is the first key, field 1 its value. Five or six blanks give an empty field between two
// separators. Each field loses the blanks and control characters at its ends.
void SplitV14Line(std::string_view line, TV14Fields& fields);

} // namespace vek
