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
    const std::int32_t code = CodeNumber(m.MatType);
    form.Type =
        code >= 1 && code <= static_cast<std::int32_t>(MaterialTypeItems.size()) ? code - 1 : -1;
    form.E = FormatFixed(m.E, 0);
    form.G = FormatFixed(m.G, 0);
    form.Poisson = FormatFixed(m.Poisson, 3);
    return form;
}

} // namespace vek
