#include "project/project_file.h"

#include "project/project_edits.h"
#include "tcl/settings_names.h"
#include "util/error.h"
#include "util/format.h"
#include "util/named_member.h"
#include "util/number_parse.h"
#include "view/view_setting_names.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <limits>

namespace vek {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view ScriptRecordFormatName = "VEK script settings";
constexpr std::int32_t ScriptRecordFormatVersion = 1;

// Where a value lies in a file, for messages: "P.vek: edits/frameSections/0/name: ...".
struct Place
{
    const std::string* File;
    std::string Path;

    Place At(std::string_view key) const
    {
        return {File, Path.empty() ? std::string(key) : Path + "/" + std::string(key)};
    }
    Place At(std::size_t index) const { return At(std::to_string(index)); }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw VekError(*File + ": " + (Path.empty() ? "" : Path + ": ") + what);
    }
};

// ---- Reading values of the expected type

const Json& Member(const Json& object, const Place& place, std::string_view key)
{
    const auto found = object.find(std::string(key));
    if (found == object.end())
        place.At(key).Fail("missing");
    return *found;
}

const Json& AsObject(const Json& value, const Place& place)
{
    if (!value.is_object())
        place.Fail("must be an object");
    return value;
}

const Json& AsArray(const Json& value, const Place& place)
{
    if (!value.is_array())
        place.Fail("must be an array");
    return value;
}

// The bytes of a text that is not UTF-8, from its hex digits.
std::string BytesFromHex(const Json& value, const Place& place)
{
    const Json& hex = value.at("bytes");
    if (!hex.is_string() || hex.get_ref<const std::string&>().size() % 2 != 0)
        place.At("bytes").Fail("must be a text of hex digit pairs");
    const std::string& digits = hex.get_ref<const std::string&>();
    std::string bytes;
    for (std::size_t k = 0; k < digits.size(); k += 2) {
        unsigned byte = 0;
        const auto [end, error] =
            std::from_chars(digits.data() + k, digits.data() + k + 2, byte, 16);
        if (error != std::errc() || end != digits.data() + k + 2)
            place.At("bytes").Fail("must be a text of hex digit pairs");
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

// A text: a JSON string, or for a name or path that is not UTF-8 (an 8-bit s2k file's
// section names) {"bytes": "hex digits"}.
std::string AsText(const Json& value, const Place& place)
{
    if (value.is_object() && value.size() == 1 && value.contains("bytes"))
        return BytesFromHex(value, place);
    if (!value.is_string())
        place.Fail("must be a text");
    return value.get<std::string>();
}

bool IsUtf8(const std::string& text)
{
    try {
        (void)Json(text).dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

// The JSON of a name or path, kept byte for byte: see AsText.
Json TextToJson(const std::string& text)
{
    if (IsUtf8(text))
        return text;
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(digits[byte >> 4]);
        hex.push_back(digits[byte & 15]);
    }
    return Json{{"bytes", hex}};
}

bool AsFlag(const Json& value, const Place& place)
{
    if (!value.is_boolean())
        place.Fail("must be true or false");
    return value.get<bool>();
}

std::int64_t AsInteger(const Json& value, const Place& place, std::int64_t least, std::int64_t most)
{
    if (!value.is_number_integer())
        place.Fail("must be an integer");
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > static_cast<std::uint64_t>(most)
                                   : value.get<std::int64_t>() > most)
        place.Fail("must be " + FormatInt(most) + " or less");
    const std::int64_t x = value.is_number_unsigned()
                               ? static_cast<std::int64_t>(value.get<std::uint64_t>())
                               : value.get<std::int64_t>();
    if (x < least)
        place.Fail("must be " + FormatInt(least) + " or more");
    return x;
}

std::int32_t AsInt32(const Json& value, const Place& place)
{
    return static_cast<std::int32_t>(AsInteger(value, place,
                                               std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

double AsReal(const Json& value, const Place& place)
{
    if (!value.is_number())
        place.Fail("must be a number");
    return value.get<double>();
}

// A number as the text the setters read: an integer in decimal, a real in its shortest form.
std::string NumberText(const Json& value, const Place& place)
{
    if (value.is_number_integer())
        return FormatInt(AsInteger(value, place, std::numeric_limits<std::int64_t>::min(),
                                   std::numeric_limits<std::int64_t>::max()));
    return FormatShortest(AsReal(value, place));
}

// Runs `read`, and gives an error it raises the place it arose at.
template <class Read> auto Within(const Place& place, Read read)
{
    try {
        return read();
    } catch (const VekError& error) {
        place.Fail(error.what());
    }
}

// ---- Named settings, as an object of typed values

Json ToJson(const MemberValue& value)
{
    return std::visit([](auto x) { return Json(x); }, value);
}

// The text of a named setting's value, checked against the type of the setting's current
// value `current`.
std::string SettingTextOf(const Json& value, const MemberValue& current, const Place& place)
{
    if (std::holds_alternative<bool>(current))
        return AsFlag(value, place) ? "true" : "false";
    if (std::holds_alternative<std::int32_t>(current))
        return std::to_string(AsInt32(value, place));
    return FormatShortest(AsReal(value, place));
}

template <class Object, class GetValue>
Json NamedToJson(const Object& object, const std::vector<std::string_view>& names,
                 GetValue getValue)
{
    Json json = Json::object();
    for (const std::string_view name : names)
        json[std::string(name)] = ToJson(getValue(object, name));
    return json;
}

// Sets each named setting of the JSON object, one of `names`; a setting the object lacks keeps
// its value.
template <class Object, class GetValue, class SetValue>
void NamedFromJson(const Json& json, const Place& place, Object& object,
                   const std::vector<std::string_view>& names, GetValue getValue, SetValue setValue)
{
    for (const auto& item : AsObject(json, place).items()) {
        const std::string& name = item.key();
        const Place at = place.At(name);
        if (std::find(names.begin(), names.end(), name) == names.end())
            at.Fail("Unknown setting '" + name + "'");
        const MemberValue current = Within(at, [&] { return getValue(object, name); });
        const std::string text = SettingTextOf(item.value(), current, at);
        Within(at, [&] { setValue(object, name, text); });
    }
}

Json SettingsToJson(const Settings& settings)
{
    return NamedToJson(settings, SettingNames(), SettingValue);
}

void SettingsFromJson(const Json& json, const Place& place, Settings& settings)
{
    NamedFromJson(json, place, settings, SettingNames(), SettingValue, SetSettingByName);
}

Json ViewToJson(const ViewSettings& view)
{
    return NamedToJson(view, ViewSettingNames(), ViewSettingValue);
}

ViewSettings ViewFromJson(const Json& json, const Place& place)
{
    ViewSettings view;
    NamedFromJson(json, place, view, ViewSettingNames(), ViewSettingValue, SetViewSettingByName);
    return view;
}

// ---- Solid materials

Json SolidMaterialsToJson(const std::map<std::int32_t, SolidMaterial>& materials)
{
    Json json = Json::array();
    for (const auto& [tag, material] : materials)
        json.push_back({{"tag", tag}, {"E", material.E}, {"Poisson", material.Poisson}});
    return json;
}

std::map<std::int32_t, SolidMaterial> SolidMaterialsFromJson(const Json& json, const Place& place)
{
    std::map<std::int32_t, SolidMaterial> materials;
    for (std::size_t i = 0; i < AsArray(json, place).size(); ++i) {
        const Place at = place.At(i);
        const Json& entry = AsObject(json[i], at);
        const std::int32_t tag = AsInt32(Member(entry, at, "tag"), at.At("tag"));
        materials[tag] = {AsReal(Member(entry, at, "E"), at.At("E")),
                          AsReal(Member(entry, at, "Poisson"), at.At("Poisson"))};
    }
    return materials;
}

// The settings and their solid materials, as two members of `json`.
void PutSettings(Json& json, const Settings& settings)
{
    json["settings"] = SettingsToJson(settings);
    json["solidMaterials"] = SolidMaterialsToJson(settings.SolidMaterials);
}

Settings TakeSettings(const Json& json, const Place& place)
{
    Settings settings;
    SettingsFromJson(Member(json, place, "settings"), place.At("settings"), settings);
    settings.SolidMaterials =
        SolidMaterialsFromJson(Member(json, place, "solidMaterials"), place.At("solidMaterials"));
    return settings;
}

// ---- Section edits: field values are stored as JSON numbers

Json FieldValueToJson(const std::string& text, const std::string& section, const std::string& field)
{
    std::int64_t integer = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), integer);
    if (error == std::errc() && end == text.data() + text.size())
        return integer;
    double real = 0;
    if (TryStrToFloat(text, real))
        return real;
    throw VekError("section \"" + section + "\": " + field + ": '" + text + "' is not a number");
}

Json EditsToJson(const std::vector<RecordEdits>& edits)
{
    Json json = Json::array();
    for (const RecordEdits& record : edits) {
        Json fields = Json::object();
        for (const auto& [field, value] : record.Fields)
            fields[field] =
                field == "Name" ? TextToJson(value) : FieldValueToJson(value, record.Name, field);
        json.push_back({{"name", TextToJson(record.Name)}, {"fields", std::move(fields)}});
    }
    return json;
}

// The edits of one table; `kind` names its records in messages ("not a section field"). A
// material's Name is text, every other field a number.
std::vector<RecordEdits> EditsFromJson(const Json& json, const Place& place,
                                       const std::vector<std::string_view>& fieldNames,
                                       std::string_view kind = "section")
{
    std::vector<RecordEdits> edits;
    for (std::size_t i = 0; i < AsArray(json, place).size(); ++i) {
        const Place at = place.At(i);
        const Json& entry = AsObject(json[i], at);
        RecordEdits record{AsText(Member(entry, at, "name"), at.At("name")), {}};
        const Place fieldsAt = at.At("fields");
        for (const auto& [field, value] : AsObject(Member(entry, at, "fields"), fieldsAt).items()) {
            if (std::find(fieldNames.begin(), fieldNames.end(), field) == fieldNames.end())
                fieldsAt.At(field).Fail("not a " + std::string(kind) + " field");
            const Place valueAt = fieldsAt.At(field);
            record.Fields.emplace_back(field, field == "Name" ? AsText(value, valueAt)
                                                              : NumberText(value, valueAt));
        }
        edits.push_back(std::move(record));
    }
    return edits;
}

// ---- The script record's body, shared by the record file and a project's last script

Json RecordBodyToJson(const ScriptRecord& record)
{
    Json json = Json::object();
    json["script"] = TextToJson(record.Script);
    PutSettings(json, record.ScriptSettings);
    Json kinds = Json::array();
    for (const auto& [name, kind] : record.SectionKinds)
        kinds.push_back({{"name", TextToJson(name)}, {"elemType", CodeNumber(kind)}});
    json["sectionKinds"] = std::move(kinds);
    return json;
}

ScriptRecord RecordBodyFromJson(const Json& json, const Place& place)
{
    AsObject(json, place);
    ScriptRecord record;
    record.Script = AsText(Member(json, place, "script"), place.At("script"));
    record.ScriptSettings = TakeSettings(json, place);
    const Place kindsAt = place.At("sectionKinds");
    const Json& kinds = AsArray(Member(json, place, "sectionKinds"), kindsAt);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const Place at = kindsAt.At(i);
        const Json& entry = AsObject(kinds[i], at);
        const std::int64_t kind =
            AsInteger(Member(entry, at, "elemType"), at.At("elemType"),
                      CodeNumber(ElementKind::None), CodeNumber(ElementKind::ReleaseLink));
        record.SectionKinds.emplace_back(AsText(Member(entry, at, "name"), at.At("name")),
                                         static_cast<ElementKind>(kind));
    }
    return record;
}

// ---- The whole file

Json Parse(std::string_view text, const std::string& fileName)
{
    try {
        return Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& error) {
        throw VekError(fileName + ": not a readable JSON text (byte " + std::to_string(error.byte) +
                       ")");
    } catch (const Json::exception&) {
        // A number too large for a double.
        throw VekError(fileName + ": not a readable JSON text (a number out of range)");
    }
}

// Checks the "format" and "version" fields: `kind` names the format in messages.
void CheckFormat(const Json& json, const Place& place, std::string_view format,
                 std::int32_t version, std::string_view kind)
{
    AsObject(json, place);
    if (AsText(Member(json, place, "format"), place.At("format")) != format)
        place.At("format").Fail("not a " + std::string(format) + " file");
    const std::int64_t found = AsInteger(Member(json, place, "version"), place.At("version"), 1,
                                         std::numeric_limits<std::int64_t>::max());
    if (found > version)
        throw VekError(*place.File + " was written by a later VEK (" + std::string(kind) +
                       " version " + std::to_string(found) + "); this VEK reads version " +
                       std::to_string(version));
}

std::string Dump(const Json& json)
{
    return json.dump(2) + "\n";
}

} // namespace

std::string ProjectToJson(const ProjectFile& project)
{
    Json json = Json::object();
    json["format"] = ProjectFormatName;
    json["version"] = ProjectFormatVersion;
    json["s2k"] = {{"path", TextToJson(project.S2kPath)},
                   {"size", project.S2k.Size},
                   {"hash", project.S2k.Hash}};
    json["edits"] = {{"frameSections", EditsToJson(project.Edits.FrameSections)},
                     {"shellSections", EditsToJson(project.Edits.ShellSections)},
                     {"materials", EditsToJson(project.Edits.Materials)},
                     {"addedMaterials", EditsToJson(project.Edits.AddedMaterials)}};
    PutSettings(json, project.ProjectSettings);
    json["view"] = ViewToJson(project.View);
    if (project.LastScript)
        json["lastScript"] = RecordBodyToJson(*project.LastScript);
    return Dump(json);
}

ProjectFile ProjectFromJson(std::string_view text, const std::string& fileName)
{
    const Json json = Parse(text, fileName);
    const Place top{&fileName, ""};
    CheckFormat(json, top, ProjectFormatName, ProjectFormatVersion, "project");
    ProjectFile project;
    const Place s2kAt = top.At("s2k");
    const Json& s2k = AsObject(Member(json, top, "s2k"), s2kAt);
    project.S2kPath = AsText(Member(s2k, s2kAt, "path"), s2kAt.At("path"));
    project.S2k.Size = static_cast<std::uint64_t>(AsInteger(
        Member(s2k, s2kAt, "size"), s2kAt.At("size"), 0, std::numeric_limits<std::int64_t>::max()));
    project.S2k.Hash = AsText(Member(s2k, s2kAt, "hash"), s2kAt.At("hash"));
    const Place editsAt = top.At("edits");
    const Json& edits = AsObject(Member(json, top, "edits"), editsAt);
    project.Edits.FrameSections =
        EditsFromJson(Member(edits, editsAt, "frameSections"), editsAt.At("frameSections"),
                      FrameSectionFieldNames());
    project.Edits.ShellSections =
        EditsFromJson(Member(edits, editsAt, "shellSections"), editsAt.At("shellSections"),
                      ShellSectionFieldNames());
    // Projects saved before materials could be edited have no material edits.
    for (const auto& [key, list] : {std::pair{"materials", &project.Edits.Materials},
                                    std::pair{"addedMaterials", &project.Edits.AddedMaterials}})
        if (edits.contains(key))
            *list = EditsFromJson(edits[key], editsAt.At(key), MaterialFieldNames(), "material");
    project.ProjectSettings = TakeSettings(json, top);
    project.View = ViewFromJson(Member(json, top, "view"), top.At("view"));
    if (json.contains("lastScript"))
        project.LastScript =
            RecordBodyFromJson(Member(json, top, "lastScript"), top.At("lastScript"));
    return project;
}

std::string ScriptRecordToJson(const ScriptRecord& record)
{
    Json json = Json::object();
    json["format"] = ScriptRecordFormatName;
    json["version"] = ScriptRecordFormatVersion;
    json.update(RecordBodyToJson(record));
    return Dump(json);
}

ScriptRecord ScriptRecordFromJson(std::string_view text, const std::string& fileName)
{
    const Json json = Parse(text, fileName);
    const Place top{&fileName, ""};
    CheckFormat(json, top, ScriptRecordFormatName, ScriptRecordFormatVersion, "script settings");
    return RecordBodyFromJson(json, top);
}

} // namespace vek
