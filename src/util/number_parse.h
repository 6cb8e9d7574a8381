#pragma once

#include <cstdint>
#include <string_view>

namespace vek {

// Strict conversions of text to numbers, free of any locale.
//
// An integer is an optional sign followed by decimal digits, within the signed 32-bit range.
// A real is an optional sign, digits with an optional point and fraction (".5" and "5." are
// accepted, a lone "." is not), and an optional exponent "E" or "e" with an optional sign and
// digits. Nothing else is accepted: no blanks, no hex, no "inf" or "nan". A real too large
// for a double is rejected; one too small becomes zero.
//
// A text that does not convert raises VekError with "'<text>' is not a valid integer value"
// or "'<text>' is not a valid floating point value".

bool TryStrToInt(std::string_view text, std::int32_t& value);
bool TryStrToFloat(std::string_view text, double& value);

std::int32_t StrToInt(std::string_view text);
double StrToFloat(std::string_view text);

// A flag's text: 1, true (or -1) or 0, false; anything else raises VekError.
bool ParseFlag(std::string_view text);

} // namespace vek
