#include "project/project_edits.h"

#include "sections/material_parameters.h"
#include "sections/section_fields.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <optional>
#include <unordered_map>

namespace vek {

namespace {

[[noreturn]] void UnknownField(std::string_view field)
{
    throw VekError("Unknown section field '" + std::string(field) + "'");
}

// The first record of the table with that name.
template <class Record>
std::optional<std::int32_t> FindByName(const Table<Record>& table, const std::string& name)
{
    for (std::int32_t i = 1; i <= table.Count; ++i)
        if (table[i].Name == name)
            return i;
    return std::nullopt;
}

template <class Record, class FieldText>
std::vector<RecordEdits> TableEditsSince(const Table<Record>& baseline, const Table<Record>& now,
                                         const std::vector<std::string_view>& fields,
                                         FieldText fieldText)
{
    std::unordered_map<std::string, std::int32_t> before;
    for (std::int32_t i = baseline.Count; i >= 1; --i)
        before[baseline[i].Name] = i;
    std::vector<RecordEdits> edits;
    for (const Record& section : now) {
        const auto found = before.find(section.Name);
        if (found == before.end())
            continue;
        RecordEdits record{section.Name, {}};
        for (const std::string_view field : fields) {
            std::string text = fieldText(section, field);
            if (text != fieldText(baseline[found->second], field))
                record.Fields.emplace_back(std::string(field), std::move(text));
        }
        if (!record.Fields.empty())
            edits.push_back(std::move(record));
    }
    return edits;
}

// The fields of `now` that differ from `before`, as edits of the record named `name`.
RecordEdits MaterialEdits(const std::string& name, const TMaterial& before, const TMaterial& now)
{
    RecordEdits record{name, {}};
    for (const std::string_view field : MaterialFieldNames()) {
        std::string text = MaterialFieldText(now, field);
        if (text != MaterialFieldText(before, field))
            record.Fields.emplace_back(std::string(field), std::move(text));
    }
    return record;
}

// The materials of the import are matched by their place (a material may be renamed) and
// named by the name the import gave them; those after them are added ones.
void MaterialEditsSince(const Table<TMaterial>& baseline, const Table<TMaterial>& now,
                        ProjectEdits& edits)
{
    for (std::int32_t i = 1; i <= now.Count; ++i) {
        const bool imported = i <= baseline.Count;
        RecordEdits record = MaterialEdits(imported ? baseline[i].Name : now[i].Name,
                                           imported ? baseline[i] : TMaterial(), now[i]);
        if (!imported)
            edits.AddedMaterials.push_back(std::move(record));
        else if (!record.Fields.empty())
            edits.Materials.push_back(std::move(record));
    }
}

void SetMaterialFields(TMaterial& material, const RecordEdits& record, const std::string& what)
{
    try {
        for (const auto& [field, value] : record.Fields)
            SetMaterialField(material, field, value);
        // An elastic material's E is the s2k file's or was checked where it was typed.
        if (material.MatType != MaterialType::Elastic)
            CheckMaterialValues(material);
    } catch (const VekError& error) {
        throw VekError(what + ": " + error.what());
    }
}

void ApplyMaterialEdits(Table<TMaterial>& table, const ProjectEdits& edits,
                        std::vector<std::string>& warnings)
{
    // Found by the names of the import: a rename does not hide a material from later edits.
    const Table<TMaterial> imported = table;
    for (const RecordEdits& record : edits.Materials) {
        const std::string what = "material \"" + record.Name + "\"";
        const std::optional<std::int32_t> at = FindByName(imported, record.Name);
        if (!at) {
            warnings.push_back(what + " is not in the s2k file: its edits are left out");
            continue;
        }
        TMaterial material = table[*at];
        SetMaterialFields(material, record, what);
        table.Edit(*at) = std::move(material);
    }
    for (const RecordEdits& record : edits.AddedMaterials) {
        TMaterial material;
        material.Name = record.Name;
        SetMaterialFields(material, record, "added material \"" + record.Name + "\"");
        table.Append() = std::move(material);
    }
}

template <class Record, class SetField>
void ApplyTableEdits(Table<Record>& table, const std::vector<RecordEdits>& edits,
                     std::string_view kind, SetField setField, std::vector<std::string>& warnings)
{
    for (const RecordEdits& record : edits) {
        const std::string section = std::string(kind) + " \"" + record.Name + "\"";
        const std::optional<std::int32_t> at = FindByName(table, record.Name);
        if (!at) {
            warnings.push_back(section + " is not in the s2k file: its edits are left out");
            continue;
        }
        for (const auto& [field, value] : record.Fields) {
            try {
                setField(table.Edit(*at), field, value);
            } catch (const VekError& error) {
                throw VekError(section + ": " + field + ": " + error.what());
            }
        }
    }
}

} // namespace

EditBaseline BaselineOf(const Model& model)
{
    return {model.FrameSections, model.ShellSections, model.Materials};
}

std::vector<std::string_view> FrameSectionFieldNames()
{
    return {"ElemType", "SectionKind", "DivideFX", "DivideFY",   "BarNumNX",     "BarNumNY",
            "Cover",    "XBarTop",     "YBarBot",  "GeomTransf", "HingeLengthI", "HingeLengthJ"};
}

std::string FrameSectionFieldText(const TFrameSection& section, std::string_view field)
{
    if (field == "ElemType")
        return FormatInt(CodeNumber(section.ElemType));
    if (field == "SectionKind")
        return FormatInt(CodeNumber(section.SectionKind));
    if (field == "GeomTransf")
        return FormatInt(CodeNumber(section.GeomTransf));
    const std::pair<std::string_view, std::int32_t> counts[] = {{"DivideFX", section.DivideFX},
                                                                {"DivideFY", section.DivideFY},
                                                                {"BarNumNX", section.BarNumNX},
                                                                {"BarNumNY", section.BarNumNY}};
    const std::pair<std::string_view, double> reals[] = {{"Cover", section.Cover},
                                                         {"XBarTop", section.XBarTop},
                                                         {"YBarBot", section.YBarBot},
                                                         {"HingeLengthI", section.HingeLengthI},
                                                         {"HingeLengthJ", section.HingeLengthJ}};
    for (const auto& [name, value] : counts)
        if (name == field)
            return FormatInt(value);
    for (const auto& [name, value] : reals)
        if (name == field)
            return FormatShortest(value);
    UnknownField(field);
}

std::vector<std::string_view> ShellSectionFieldNames()
{
    return {"ShellElemType"};
}

std::string ShellSectionFieldText(const TShellSection& section, std::string_view field)
{
    if (field != "ShellElemType")
        UnknownField(field);
    return FormatInt(CodeNumber(section.ShellElemType));
}

std::vector<std::string_view> MaterialFieldNames()
{
    std::vector<std::string_view> names{"Name", "Type", "E", "G", "Poisson"};
    for (const MaterialParameter& p : AllMaterialParameters())
        names.push_back(p.Name);
    return names;
}

namespace {

// The real member a material field other than Name and Type names; nullptr for none.
double TMaterial::*RealMember(std::string_view field)
{
    if (field == "E")
        return &TMaterial::E;
    if (field == "G")
        return &TMaterial::G;
    if (field == "Poisson")
        return &TMaterial::Poisson;
    const MaterialParameter* p = MaterialParameterNamed(field);
    return p ? p->Member : nullptr;
}

} // namespace

std::string MaterialFieldText(const TMaterial& material, std::string_view field)
{
    if (field == "Name")
        return material.Name;
    if (field == "Type")
        return FormatInt(CodeNumber(material.MatType));
    double TMaterial::*member = RealMember(field);
    if (member == nullptr)
        throw VekError("Unknown material field '" + std::string(field) + "'");
    return FormatShortest(material.*member);
}

void SetMaterialField(TMaterial& material, std::string_view field, const std::string& text)
{
    if (field == "Name") {
        material.Name = text;
        return;
    }
    if (field == "Type") {
        const MaterialType type{StrToInt(text)};
        if (InfoOfMaterialType(type) == nullptr)
            throw VekError("material type " + text + " does not exist");
        material.MatType = type;
        return;
    }
    double TMaterial::*member = RealMember(field);
    if (member == nullptr)
        throw VekError("Unknown material field '" + std::string(field) + "'");
    material.*member = StrToFloat(text);
}

ProjectEdits EditsSince(const EditBaseline& baseline, const Model& model)
{
    ProjectEdits edits{TableEditsSince(baseline.FrameSections, model.FrameSections,
                                       FrameSectionFieldNames(), FrameSectionFieldText),
                       TableEditsSince(baseline.ShellSections, model.ShellSections,
                                       ShellSectionFieldNames(), ShellSectionFieldText),
                       {},
                       {}};
    MaterialEditsSince(baseline.Materials, model.Materials, edits);
    return edits;
}

std::vector<std::string> ApplyEdits(Model& model, const ProjectEdits& edits)
{
    std::vector<std::string> warnings;
    ApplyTableEdits(model.FrameSections, edits.FrameSections, "frame section", SetFrameSectionField,
                    warnings);
    ApplyTableEdits(model.ShellSections, edits.ShellSections, "shell section", SetShellSectionField,
                    warnings);
    ApplyMaterialEdits(model.Materials, edits, warnings);
    return warnings;
}

} // namespace vek
