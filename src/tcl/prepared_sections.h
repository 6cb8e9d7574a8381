#pragma once

#include "model/model.h"
#include "sections/fiber_builder.h"
#include "sections/section_properties.h"

#include <cstdint>
#include <vector>

namespace vek {

// What the script needs of a frame section beyond what the engineer typed.
struct PreparedSection
{
    SectionProperties Properties;
    // Empty unless the section's element type uses fibres.
    FiberList Fibers;
};

// The prepared frame sections of a model: entry s for section s, entry 0 all zero.
struct PreparedSections
{
    std::vector<PreparedSection> Sections = std::vector<PreparedSection>(1);

    // Entry s, or the all-zero entry 0 for a number with no entry.
    const PreparedSection& operator[](std::int64_t s) const
    {
        if (s < 1 || s >= static_cast<std::int64_t>(Sections.size()))
            return Sections[0];
        return Sections[static_cast<std::size_t>(s)];
    }
};

// Works out every frame section's properties and, for element types that use fibres, its
// fibres, whose bars take rebarMaterialTag. A section that cannot be worked out raises
// VekError.
PreparedSections PrepareSections(const Model& model, std::int32_t rebarMaterialTag);

} // namespace vek
