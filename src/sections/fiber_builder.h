#pragma once

#include "model/model.h"

#include <cstdint>
#include <vector>

namespace vek {

// One fibre of a frame section, coordinates from the centre of the section.
struct TFiber
{
    double Y = 0, Z = 0, Area = 0;
    std::int32_t MatTag = 0;
};

// The fibres of a frame section, entries 1..Count(); entry 0 stays empty.
struct FiberList
{
    std::vector<TFiber> Fibers = std::vector<TFiber>(1);

    std::int32_t Count() const { return static_cast<std::int32_t>(Fibers.size()) - 1; }
};

// The fibres of a section by its shape: cells of the section's material, then bars of
// rebarMaterialTag. Shapes without a fibre layout have none. A section that asks for more
// than a million fibres raises VekError before anything is allocated.
FiberList BuildFiberList(const TFrameSection& section, std::int32_t rebarMaterialTag);

} // namespace vek
