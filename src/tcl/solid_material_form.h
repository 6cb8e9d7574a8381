#pragma once

#include "model/model.h"
#include "tcl/settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// One row of the Solid Material dialog: a material tag that solids name, and the texts of its
// E and Poisson's ratio edits.
struct SolidMaterialRow
{
    std::int32_t Tag = 0;
    std::string E;
    std::string Poisson;
};

// The rows of the dialog: every distinct SectionTag of the model's solids, in increasing
// order, with its material's values in the general format, or two empty texts for a tag that
// has no material yet. No solids give no rows.
std::vector<SolidMaterialRow> SolidMaterialRows(const Model& model, const Settings& settings);

// Checks every row, then stores them all in Settings::SolidMaterials. A text that is not a
// number, an E that is not greater than 0 or a Poisson's ratio outside (-1, 0.5) raises
// VekError for the first such row, and nothing is stored. A row whose two texts are empty and
// whose tag has no material is left without one; once a tag has a material, both are needed.
void StoreSolidMaterialRows(const std::vector<SolidMaterialRow>& rows, Settings& settings);

} // namespace vek
