#pragma once

namespace vek {

// Division that reports what IEEE arithmetic would silently turn into inf or NaN:
// x / 0 with x not 0 raises VekError("Floating point division by zero"), 0 / 0 and any
// NaN result raise VekError("Invalid floating point operation").
double CheckedDivide(double numerator, double denominator);

// Raises VekError("Invalid floating point operation") when the value is NaN or infinite
// (the result of an overflowing or undefined computation); returns it otherwise.
double CheckedFinite(double value);

} // namespace vek
