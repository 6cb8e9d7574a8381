#include "sections/material_form.h"

#include "util/format.h"

namespace vek {

std::vector<std::string> MaterialNames(const Model& model)
{
    std::vector<std::string> names;
    for (const TMaterial& material : model.Materials)
        names.push_back(material.Name);
    return names;
}

MaterialForm MaterialFormOf(const Model& model, std::int64_t index)
{
    const TMaterial& m = model.Materials[index];
    MaterialForm form;
    form.Name = m.Name;
    form.Type = m.MatType >= 1 && m.MatType <= static_cast<std::int32_t>(MaterialTypeItems.size())
                    ? m.MatType - 1
                    : -1;
    form.E = FormatFixed(m.E, 0);
    form.G = FormatFixed(m.G, 0);
    form.Poisson = FormatFixed(m.Poisson, 3);
    return form;
}

} // namespace vek
