#include "sections/material_form.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>

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

namespace {

const MaterialTypeInfo* InfoOfItem(std::int32_t type)
{
    if (type < 0 || type >= static_cast<std::int32_t>(MaterialTypeItems.size()))
        return nullptr;
    return InfoOfMaterialType(MaterialType{type + 1});
}

const MaterialTypeInfo& CheckedInfoOfItem(std::int32_t type)
{
    const MaterialTypeInfo* info = InfoOfItem(type);
    if (info == nullptr)
        throw VekError("Choose the material's type");
    return *info;
}

bool HasParameter(const MaterialTypeInfo* info, double TMaterial::*member)
{
    return info != nullptr &&
           std::any_of(info->Parameters.begin(), info->Parameters.end(),
                       [member](const MaterialParameter& p) { return p.Member == member; });
}

// The row of a parameter the material's type does not have.
MaterialParameterRow StartRow(const MaterialParameter& p)
{
    MaterialParameterRow row{std::string(p.Name), {}, {}};
    if (p.Start == ParameterStart::Fixed)
        row.Text = FormatGeneral(p.Value);
    else if (p.Start == ParameterStart::FromE)
        row.Hint = "as Elastic Modulus";
    return row;
}

// The parameter texts typed, without E (the elastic box's) and the empty rows.
MaterialParameterTexts TypedParameters(const MaterialEntry& entry)
{
    MaterialParameterTexts texts;
    for (const auto& given : entry.Parameters)
        if (given.first != "E" && !given.second.empty())
            texts.insert(given);
    return texts;
}

// Sets an elastic value from its box, unless the box still shows the stored value as
// `shown` has it (none: a new material, whose boxes are all read).
void SetElasticValue(double& value, const std::string& text, const std::string* shown)
{
    if (shown == nullptr || text != *shown)
        value = StrToFloat(text);
}

// Stores the entry in `material`; `shown` is what the form showed of it (none for a new one).
void StoreEntry(TMaterial& material, const MaterialEntry& entry, const MaterialForm* shown)
{
    const MaterialTypeInfo& info = CheckedInfoOfItem(entry.Type);
    SetElasticValue(material.E, entry.E, shown ? &shown->E : nullptr);
    SetElasticValue(material.G, entry.G, shown ? &shown->G : nullptr);
    SetElasticValue(material.Poisson, entry.Poisson, shown ? &shown->Poisson : nullptr);
    if (!(material.E > 0))
        throw VekError("Elastic Modulus must be greater than 0, not " + FormatGeneral(material.E));
    SetMaterialParameters(material, info.Type, TypedParameters(entry));
}

} // namespace

std::vector<MaterialParameterRow> ParameterRowsOf(const Model& model, std::int64_t index,
                                                  std::int32_t type)
{
    const MaterialTypeInfo* info = InfoOfItem(type);
    if (info == nullptr)
        return {};
    const TMaterial& material = model.Materials[index];
    const MaterialTypeInfo* own = InfoOfMaterialType(material.MatType);
    std::vector<MaterialParameterRow> rows;
    for (const MaterialParameter& p : info->Parameters) {
        if (p.Member == &TMaterial::E)
            continue;
        const bool held = material.MatType != MaterialType::Elastic && HasParameter(own, p.Member);
        rows.push_back(
            held ? MaterialParameterRow{std::string(p.Name), FormatGeneral(material.*p.Member), {}}
                 : StartRow(p));
    }
    return rows;
}

void ModifyMaterial(Model& model, std::int64_t index, const MaterialEntry& entry)
{
    if (!model.Materials.Contains(index))
        throw VekError("Choose a material to modify");
    TMaterial material = model.Materials[index];
    if (entry.Name != material.Name)
        throw VekError("Modify keeps the material's name \"" + material.Name + "\": Add makes a " +
                       "new material named \"" + entry.Name + "\"");
    const MaterialForm shown = MaterialFormOf(model, index);
    StoreEntry(material, entry, &shown);
    model.Materials.Edit(index) = std::move(material);
}

std::int32_t AddMaterial(Model& model, const MaterialEntry& entry)
{
    if (entry.Name.empty())
        throw VekError("Type the new material's name");
    const std::vector<std::string> names = MaterialNames(model);
    if (std::find(names.begin(), names.end(), entry.Name) != names.end())
        throw VekError("A material named \"" + entry.Name + "\" exists: choose another name");
    TMaterial material;
    material.Name = entry.Name;
    StoreEntry(material, entry, nullptr);
    model.Materials.Append() = std::move(material);
    return model.MaterialCount();
}

} // namespace vek
