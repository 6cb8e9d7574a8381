#pragma once

#include "draw/canvas.h"
#include "model/model.h"

#include <cstdint>

namespace vek {

// The size of the legend of the result colour scale.
constexpr std::int32_t LegendWidth = 155;
constexpr std::int32_t LegendHeight = 40;

// The legend of the result colour scale: six boxes in the colours of palette entries 11 to
// 16 from left to right, "min" under the left end and "max" under the right end.
void DrawScaleLegend(Canvas& canvas, const TPalette& palette);

} // namespace vek
