#pragma once

#include "model/model.h"
#include "tcl/settings.h"

namespace vek {

// Gives each material tag the solids name its start values, after an import: the map of solid
// materials is cleared, and each distinct SectionTag t of the solids that lies in
// 1..MaterialCount takes material t's E and Poisson's ratio. Any other tag gets no entry, and
// the script writes no nD material for it until the engineer sets one.
void InitSolidMaterials(const Model& model, Settings& settings);

} // namespace vek
