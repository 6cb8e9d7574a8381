#include "util/rounding.h"

#include <cmath>
#include <limits>

namespace vek {

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
