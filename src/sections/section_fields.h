#pragma once

#include "model/records.h"

#include <string_view>

namespace vek {

// Sets a field of a frame section's editor by its name (ElemType, SectionKind, DivideFX,
// DivideFY, BarNumNX, BarNumNY, Cover, XBarTop, YBarBot, GeomTransf, HingeLengthI,
// HingeLengthJ) from its text. An unknown name, a value that does not convert, or a value that
// cannot describe a section raises VekError and leaves the field as it is. The values a field
// takes: a choice within its list, DivideFX and DivideFY 1..200, BarNumNX and BarNumNY 0..200,
// the bar areas and hinge lengths 0 or more, and the cover of a rectangle 0..half its smaller
// side (the bars sit at the cover from its faces; for the other shapes, which place no bars, 0
// or more).
void SetFrameSectionField(TFrameSection& section, std::string_view field, std::string_view value);

// The same for a shell section's element (ShellElemType: 0 ShellMITC4, 1 ShellDKGQ).
void SetShellSectionField(TShellSection& section, std::string_view field, std::string_view value);

} // namespace vek
