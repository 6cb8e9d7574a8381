#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vek {

// Rounds to the nearest integer; a value exactly halfway goes to the even integer
// (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). Inline, since every projected pixel is rounded.
inline double RoundHalfEven(double value)
{
    // Truncation rather than std::nearbyint, so the result never depends on the rounding
    // mode some library may have left behind, and rather than std::floor, which is a library
    // call on the baseline x86-64. Doubles of 2^52 and more are already integers.
    const double magnitude = std::fabs(value);
    if (!(magnitude < 4503599627370496.0))
        return value;
    const auto whole = static_cast<std::int64_t>(magnitude);
    double rounded = static_cast<double>(whole);
    const double fraction = magnitude - rounded; // exact
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0))
        rounded += 1.0;
    return std::copysign(rounded, value);
}

// RoundHalfEven as a 32-bit integer, clamped to the int32 range (pixel positions).
inline std::int32_t RoundHalfEvenToInt(double value)
{
    // Within the range (false for NaN): truncate, then step away from zero by the fraction,
    // without branches: whether a pixel rounds up is as good as random, and a mispredicted
    // branch costs more than the whole rounding.
    if (value > -2147483648.5 && value < 2147483647.5) {
        const auto whole = static_cast<std::int64_t>(value);
        const double fraction = value - static_cast<double>(whole); // exact, in (-1, 1)
        const std::int64_t odd = whole & 1;
        const std::int64_t up = static_cast<std::int64_t>(fraction > 0.5) |
                                (static_cast<std::int64_t>(fraction == 0.5) & odd);
        const std::int64_t down = static_cast<std::int64_t>(fraction < -0.5) |
                                  (static_cast<std::int64_t>(fraction == -0.5) & odd);
        return static_cast<std::int32_t>(whole + up - down);
    }
    if (std::isnan(value))
        return 0;
    return value < 0 ? std::numeric_limits<std::int32_t>::min()
                     : std::numeric_limits<std::int32_t>::max();
}

// Rounds to the nearest multiple of 0.1 by multiplying by 10, rounding half to even and
// dividing by 10 (3000.04 gives 3000.0, 1.25 gives 1.2, 1.35 gives 1.4).
double RoundToTenth(double value);

} // namespace vek
