#include "tcl/prepared_sections.h"

#include "model/element_kinds.h"

namespace vek {

PreparedSections PrepareSections(const Model& model, std::int32_t rebarMaterialTag)
{
    PreparedSections prepared;
    for (std::int32_t s = 1; s <= model.FrameSectionCount() && model.FrameSections.Contains(s);
         ++s) {
        const TFrameSection& section = model.FrameSections[s];
        PreparedSection& entry = prepared.Sections.emplace_back();
        entry.Properties = PropertiesOf(section, model.Materials[section.Material]);
        if (InfoOf(section.ElemType).UsesFibers)
            entry.Fibers = BuildFiberList(section, rebarMaterialTag);
    }
    return prepared;
}

} // namespace vek
