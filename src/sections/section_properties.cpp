#include "sections/section_properties.h"

#include "util/error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vek {

namespace {

using Real = long double;

constexpr Real pi = std::numbers::pi_v<Real>;

// Division in extended precision that raises the program's errors where IEEE arithmetic
// would give inf or NaN, as CheckedDivide does for doubles.
Real Divide(Real numerator, Real denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        throw VekError("Invalid floating point operation");
    if (denominator == 0) {
        if (numerator == 0)
            throw VekError("Invalid floating point operation");
        throw VekError("Floating point division by zero");
    }
    const Real quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        throw VekError("Invalid floating point operation");
    return quotient;
}

Real Square(Real x)
{
    return x * x;
}
Real Cube(Real x)
{
    return x * x * x;
}
Real Fourth(Real x)
{
    return x * x * x * x;
}

struct Properties
{
    Real A = 0, Iz = 0, Iy = 0, Asy = 0, Asz = 0, J = 0;
};

// T1 depth, T2 width.
Properties Rectangle(Real t1, Real t2)
{
    Properties p;
    p.A = t1 * t2;
    p.Iz = t1 * Cube(t2) / 12.0L;
    p.Iy = t2 * Cube(t1) / 12.0L;
    p.Asy = (5.0L / 6.0L) * t1 * t2;
    p.Asz = p.Asy;
    // Saint-Venant torsion of a solid rectangle with half sides a >= b.
    const Real a = std::max(t1, t2) / 2.0L;
    const Real b = std::min(t1, t2) / 2.0L;
    p.J = a * Cube(b) *
          ((16.0L / 3.0L) - 3.36L * Divide(b, a) * (1.0L - Divide(Fourth(b), 12.0L * Fourth(a))));
    return p;
}

// T1 depth, T2 flange width, T3 flange thickness, T4 web thickness.
Properties ISection(Real t1, Real t2, Real t3, Real t4)
{
    Properties p;
    p.A = (t1 - 2.0L * t3) * t4 + 2.0L * t3 * t2;
    p.Iz = t1 * Cube(t4) / 12.0L + t3 * Cube(t2) / 6.0L;
    p.Iy = 2.0L * t2 * t3 * Square(t1 / 2.0L - t3 / 2.0L) + t4 * Cube(t1) / 12.0L;
    p.Asy = (5.0L / 6.0L) * t1 * t4;
    p.Asz = (5.0L / 3.0L) * t2 * t3;
    p.J = (t1 * Cube(t4) + 2.0L * t2 * Cube(t3)) / 3.0L;
    return p;
}

// Dimensions as for the I section; the two webs are T4 thick.
Properties Box(Real t1, Real t2, Real t3, Real t4)
{
    Properties p;
    p.A = 2.0L * (t1 - 2.0L * t3) * t4 + 2.0L * t3 * t2;
    p.Iz = 2.0L * t1 * t4 * Square(t2 / 2.0L - t4 / 2.0L) + 2.0L * t3 * Cube(t2) / 12.0L;
    p.Iy = 2.0L * t2 * t3 * Square(t1 / 2.0L - t3 / 2.0L) + 2.0L * t4 * Cube(t1) / 12.0L;
    p.Asy = 2.0L * t1 * t4;
    p.Asz = 2.0L * t2 * t3;
    p.J = Divide(2.0L * Square(t1 * t2), Divide(t2, t3) + Divide(t1, t4));
    return p;
}

// T1 outside diameter, T2 wall thickness.
Properties Pipe(Real t1, Real t2)
{
    Properties p;
    p.A = (pi / 4.0L) * (Square(t1) - Square(t1 - 2.0L * t2));
    p.Iz = (pi / 64.0L) * (Fourth(t1) - Fourth(t1 - 2.0L * t2));
    p.Iy = p.Iz;
    p.Asy = p.A;
    p.Asz = p.A;
    p.J = (pi / 2.0L) * (Fourth(t1 / 2.0L) - Fourth((t1 - 2.0L * t2) / 2.0L));
    return p;
}

} // namespace

SectionProperties PropertiesOf(const TFrameSection& section, const TMaterial& material)
{
    const Real t1 = section.T1, t2 = section.T2, t3 = section.T3, t4 = section.T4;
    Properties p;
    switch (section.Shape) {
    case SectionShape::Rectangle:
        p = Rectangle(t1, t2);
        break;
    case SectionShape::I:
        p = ISection(t1, t2, t3, t4);
        break;
    case SectionShape::Box:
        p = Box(t1, t2, t3, t4);
        break;
    case SectionShape::Pipe:
        p = Pipe(t1, t2);
        break;
    default:
        return {};
    }
    return {static_cast<double>(p.A),
            static_cast<double>(p.Iz),
            static_cast<double>(p.Iy),
            static_cast<double>(p.Asy),
            static_cast<double>(p.Asz),
            static_cast<double>(p.J),
            material.G};
}

} // namespace vek
