#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vek {

// The fields of one line of a recorder file, field 0 being the time. They point into the
// line they were cut from and are valid while that line lives.
using RecorderFields = std::vector<std::string_view>;

// Cuts a recorder line at every blank into `fields` (replacing what they held). Each field
// loses its leading and trailing blanks and control characters. Two blanks in a row give an
// empty field between them, a blank at the end of the line one empty field after the last
// value, and a blank at its very start two empty fields before the first value; an empty line
// gives two empty fields. "0.2 1 -0 1e-05" gives the four fields "0.2", "1", "-0", "1e-05".
void SplitRecorderLine(std::string_view line, RecorderFields& fields);

// Field i as a number; a field the line does not have is empty. Raises VekError with
// "'<field>' is not a valid floating point value" when it is not a number.
double RecorderValue(const RecorderFields& fields, std::size_t i);

} // namespace vek
