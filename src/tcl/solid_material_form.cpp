#include "tcl/solid_material_form.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <map>
#include <optional>
#include <set>

namespace vek {

namespace {

// The value of an edit. A text that is still the one shown for the old value keeps that value
// exactly: fifteen digits may not give back every double.
double ValueOfText(const std::string& text, const std::optional<double>& old)
{
    if (old && text == FormatGeneral(*old))
        return *old;
    return StrToFloat(text);
}

// The material a row gives; none for an empty row of a tag without a material.
std::optional<SolidMaterial> MaterialOfRow(const SolidMaterialRow& row, const Settings& settings)
{
    const auto old = settings.SolidMaterials.find(row.Tag);
    const bool hasOld = old != settings.SolidMaterials.end();
    if (row.E.empty() && row.Poisson.empty() && !hasOld)
        return std::nullopt;
    SolidMaterial material;
    material.E = ValueOfText(row.E, hasOld ? std::optional(old->second.E) : std::nullopt);
    material.Poisson =
        ValueOfText(row.Poisson, hasOld ? std::optional(old->second.Poisson) : std::nullopt);
    const std::string tag = std::to_string(row.Tag);
    if (!(material.E > 0))
        throw VekError("The E of solid material " + tag + " must be greater than 0");
    if (!(material.Poisson > -1 && material.Poisson < 0.5))
        throw VekError("The Poisson's ratio of solid material " + tag +
                       " must lie between -1 and 0.5");
    return material;
}

} // namespace

std::vector<SolidMaterialRow> SolidMaterialRows(const Model& model, const Settings& settings)
{
    std::set<std::int32_t> tags;
    for (const TSolidElem& solid : model.Solids)
        tags.insert(solid.SectionTag);

    std::vector<SolidMaterialRow> rows;
    for (const std::int32_t tag : tags) {
        SolidMaterialRow row;
        row.Tag = tag;
        const auto material = settings.SolidMaterials.find(tag);
        if (material != settings.SolidMaterials.end()) {
            row.E = FormatGeneral(material->second.E);
            row.Poisson = FormatGeneral(material->second.Poisson);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void StoreSolidMaterialRows(const std::vector<SolidMaterialRow>& rows, Settings& settings)
{
    std::map<std::int32_t, SolidMaterial> checked;
    for (const SolidMaterialRow& row : rows)
        if (const auto material = MaterialOfRow(row, settings))
            checked[row.Tag] = *material;
    for (const auto& [tag, material] : checked)
        settings.SolidMaterials[tag] = material;
}

} // namespace vek
