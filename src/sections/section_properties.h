#pragma once

#include "model/records.h"

namespace vek {

// The properties the script gives a frame section beyond its dimensions.
struct SectionProperties
{
    double A = 0, Iz = 0, Iy = 0, Asy = 0, Asz = 0, J = 0;
    // The shear modulus of the section's material.
    double G = 0;
};

// Area, moments of inertia, shear areas and torsion constant of a rectangle, I, box or pipe
// section from its dimensions, worked out in extended precision; G is the material's. Other
// shapes have all zero. A division by zero or an overflow raises VekError.
SectionProperties PropertiesOf(const TFrameSection& section, const TMaterial& material);

} // namespace vek
