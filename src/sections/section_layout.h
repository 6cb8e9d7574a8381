#pragma once

#include "draw/canvas.h"
#include "model/model.h"

#include <cstdint>
#include <optional>

namespace vek {

// The size of the section picture of the frame section dialog, and its centre.
constexpr std::int32_t SectionPictureSize = 200;
constexpr std::int32_t SectionPictureCentre = 100;

// The fibre count written under the picture, from the divisions and bar numbers alone (not
// from FiberCount): a rectangular column FX*FY + 2*(NX + NY), a beam FX*FY + NX + NY, an
// I-shape 2*FX + FY, a box 2*FX + 2*FY. A pipe and an unknown shape show none. Negative
// numbers count as 0.
std::optional<std::int64_t> SectionPictureFiberCount(const TFrameSection& section);

// Draws the fibre layout of a frame section into the 200 x 200 picture: the picture is
// cleared, then the outline, the fibre grid, the bars and the count are drawn, scaled by
// 160 / max(T1, T2) pixels per length unit around the centre (100, 100). Bars sit where the
// fibre builder puts their fibres (a row of one bar at the row's centre). A section whose T1
// and T2 are both 0 stops after the clearing with "Floating point division by zero".
void DrawSectionLayout(Canvas& canvas, const TFrameSection& section);

// The same for frame section number `index` (1-based); a number outside the table draws the
// zero record, which stops as a section without dimensions does.
void DrawSectionLayout(Canvas& canvas, const Model& model, std::int64_t index);

} // namespace vek
