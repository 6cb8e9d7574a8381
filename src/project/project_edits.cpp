#include "project/project_edits.h"

#include "sections/section_fields.h"
#include "util/error.h"
#include "util/format.h"

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
    return {model.FrameSections, model.ShellSections};
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

ProjectEdits EditsSince(const EditBaseline& baseline, const Model& model)
{
    return {TableEditsSince(baseline.FrameSections, model.FrameSections, FrameSectionFieldNames(),
                            FrameSectionFieldText),
            TableEditsSince(baseline.ShellSections, model.ShellSections, ShellSectionFieldNames(),
                            ShellSectionFieldText)};
}

std::vector<std::string> ApplyEdits(Model& model, const ProjectEdits& edits)
{
    std::vector<std::string> warnings;
    ApplyTableEdits(model.FrameSections, edits.FrameSections, "frame section", SetFrameSectionField,
                    warnings);
    ApplyTableEdits(model.ShellSections, edits.ShellSections, "shell section", SetShellSectionField,
                    warnings);
    return warnings;
}

} // namespace vek
