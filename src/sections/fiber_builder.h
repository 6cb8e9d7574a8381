#pragma once

#include "model/model.h"

#include <cstdint>

namespace vek {

// Rebuilds the fibre list of every frame section whose element type uses fibres (2 to 6),
// by its shape; other sections keep their list. Bar fibres take rebarMaterialTag as their
// material, the others the section's material. The list grows past its first 80 entries
// when the divisions ask for more.
void BuildFiberLists(Model& model, std::int32_t rebarMaterialTag);

// The same for one section.
void BuildFiberList(TFrameSection& section, std::int32_t rebarMaterialTag);

} // namespace vek
