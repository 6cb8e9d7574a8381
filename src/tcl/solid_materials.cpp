#include "tcl/solid_materials.h"

namespace vek {

void InitSolidMaterials(const Model& model, Settings& settings)
{
    settings.SolidMaterials.clear();
    for (const TSolidElem& solid : model.Solids) {
        const std::int32_t t = solid.SectionTag;
        if (t < 1 || t > model.MaterialCount() || settings.SolidMaterials.contains(t))
            continue;
        const TMaterial& material = model.Materials[t];
        settings.SolidMaterials[t] = {material.E, material.Poisson};
    }
}

} // namespace vek
