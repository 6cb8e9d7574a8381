#include "util/checked_math.h"

#include "util/error.h"

#include <cmath>

namespace vek {

namespace {

[[noreturn]] void ThrowInvalid()
{
    throw VekError("Invalid floating point operation");
}

} // namespace

double CheckedDivide(double numerator, double denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        ThrowInvalid();
    if (denominator == 0.0) {
        if (numerator == 0.0)
            ThrowInvalid();
        throw VekError("Floating point division by zero");
    }
    return CheckedFinite(numerator / denominator);
}

double CheckedFinite(double value)
{
    if (!std::isfinite(value))
        ThrowInvalid();
    return value;
}

} // namespace vek
