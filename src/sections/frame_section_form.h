#pragma once

#include "model/element_kinds.h"
#include "model/model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// The items of the frame section dialog's lists; a list's position is the stored code - 1.
// The element list is FrameTypeItems, from the table of element kinds.
// Rectangle, I-shape, box, pipe.
inline constexpr std::array<const char*, 4> SectionShapeItems{"矩形", "工字形", "方形", "圆管形"};
inline constexpr std::array<const char*, 3> GeomTransfItems{"Linear", "P-Delta", "Corotational "};
inline constexpr std::array<const char*, 2> SectionKindItems{"Beam Section", "Column Section"};

// What the frame section dialog shows of a section, and what its OK writes back. A list
// position is -1 when the stored code has no item in its list (a release link's element
// type 7 has none); such a position leaves its field as it is. Texts are as typed.
struct FrameSectionForm
{
    std::int32_t FrameType = -1;
    // Shown only: the positions in the section and material lists, and the dimensions.
    std::int32_t SectionName = -1;
    std::int32_t Shape = -1;
    std::int32_t Material = -1;
    std::array<std::string, 6> Dimensions;

    std::int32_t GeomTransf = -1;
    std::string XBarTop, YBarBot;
    std::int32_t SectionKind = -1;
    std::string DivideFX, DivideFY, BarNumNX, BarNumNY, Cover;
    std::string HingeLengthI, HingeLengthJ;
    std::int32_t Color = 0;
};

// The names of the frame sections 1..FrameSectionCount in order.
std::vector<std::string> FrameSectionNames(const Model& model);

// The form of frame section `index` (1-based): reals in the general format, integers in
// decimal. A number outside the table shows the zero record.
FrameSectionForm FrameSectionFormOf(const Model& model, std::int64_t index);

// Writes the form into frame section `index` in the order ElemType, SectionKind, DivideFX,
// DivideFY, BarNumNX, BarNumNY, XBarTop, YBarBot, Cover, HingeLengthI, HingeLengthJ, Color,
// GeomTransf. The first text that is not a number, or whose value cannot describe the section
// (see SetFrameSectionField), raises its message; the fields before it keep their new values,
// the refused one and the later ones their old. A text that is still the one FrameSectionFormOf
// shows leaves its field as it is. False, with nothing written, when `index` is not a section
// of the model.
bool ApplyFrameSectionForm(Model& model, std::int64_t index, const FrameSectionForm& form);

} // namespace vek
