#pragma once

#include <cstdint>

namespace vek {

// Rounds to the nearest integer; a value exactly halfway goes to the even integer
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
double RoundHalfEven(double value);

// RoundHalfEven as a 32-bit integer, clamped to the int32 range (pixel positions).
std::int32_t RoundHalfEvenToInt(double value);

// Rounds to the nearest multiple of 0.1 by multiplying by 10, rounding half to even and
// dividing by 10 (3000.04 gives 3000.0, 1.25 gives 1.2, 1.35 gives 1.4).
double RoundToTenth(double value);

} // namespace vek
