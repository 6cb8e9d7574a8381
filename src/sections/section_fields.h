#pragma once

#include "model/records.h"

#include <string_view>

namespace vek {

// Sets a field of a frame section's editor by its name (ElemType, SectionKind, DivideFX,
// DivideFY, BarNumNX, BarNumNY, Cover, XBarTop, YBarBot, GeomTransf, HingeLengthI,
// HingeLengthJ) from its text. An unknown name, a value that does not convert, or a choice
// outside its list raises VekError.
void SetFrameSectionField(TFrameSection& section, std::string_view field, std::string_view value);

// The same for a shell section's element (ShellElemType: 0 ShellMITC4, 1 ShellDKGQ).
void SetShellSectionField(TShellSection& section, std::string_view field, std::string_view value);

} // namespace vek
