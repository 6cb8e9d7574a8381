#include "util/rounding.h"

#include <cmath>
#include <limits>

namespace vek {

double RoundHalfEven(double value)
{
    // Explicit rather than std::nearbyint, so the result never depends on the rounding mode
    // some library may have left behind. Doubles of 2^52 and more are already integers.
    const double magnitude = std::fabs(value);
    if (!(magnitude < 4503599627370496.0))
        return value;
    double rounded = std::floor(magnitude);
    const double fraction = magnitude - rounded; // exact, floor is within a factor 2
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    return std::copysign(rounded, value);
}

std::int32_t RoundHalfEvenToInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (rounded <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

double RoundToTenth(double value)
{
    const double product = value * 10.0;
    double rounded = RoundHalfEven(product);
    // The product may have been rounded onto an exact half: 0.35 is stored just below 0.35,
    // yet 0.35 * 10 comes out as exactly 3.5. The exact product decides such ties, so values
    // stored below a half go down and values stored above go up.
    if (std::fabs(rounded - product) == 0.5) {
        const double error = std::fma(value, 10.0, -product);
        if (error < 0.0)
            rounded = product - 0.5;
        else if (error > 0.0)
            rounded = product + 0.5;
    }
    return rounded / 10.0;
}

} // namespace vek
