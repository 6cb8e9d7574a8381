#pragma once

#include "model/codes.h"
#include "tcl/settings.h"
#include "util/file_fingerprint.h"
#include "view/view_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vek {

// The "format" and "version" fields of a project file. A file of a later version is refused.
inline constexpr std::string_view ProjectFormatName = "VEK project";
inline constexpr std::int32_t ProjectFormatVersion = 1;

// The fields the engineer changed in one named section: each field's name and its value as
// text, in the order they are applied.
struct RecordEdits
{
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Fields;

    bool operator==(const RecordEdits&) const = default;
};

// Every edit made since the import, by section name. Frame section fields are those of
// SetFrameSectionField, shell section fields those of SetShellSectionField, material fields
// those of SetMaterialField: the materials of the s2k file by the name the import gave them,
// the materials added after them in order, each with every field it has.
struct ProjectEdits
{
    std::vector<RecordEdits> FrameSections;
    std::vector<RecordEdits> ShellSections;
    std::vector<RecordEdits> Materials;
    std::vector<RecordEdits> AddedMaterials;

    bool operator==(const ProjectEdits&) const = default;
};

// What post-processing needs to read the recorder files of one script: the settings the
// script was written with and the element kind each frame section had then.
struct ScriptRecord
{
    // The script's file name (in a project: its path relative to the project's folder).
    std::string Script;
    Settings ScriptSettings;
    std::vector<std::pair<std::string, ElementKind>> SectionKinds;

    bool operator==(const ScriptRecord&) const = default;
};

// The contents of a project file.
struct ProjectFile
{
    // The s2k file the model is imported from: its path relative to the project file's folder
    // (with '/' between the parts; absolute when the two lie on different roots) and its
    // fingerprint when the project was saved.
    std::string S2kPath;
    FileFingerprint S2k;
    ProjectEdits Edits;
    // The analysis, recorder and script settings, the solid materials included.
    Settings ProjectSettings;
    // The view options: the Show* flags and the shown load; the mouse mode, the selected
    // frame and the colour scale are not kept.
    ViewSettings View;
    // The settings of the last script written while the project was open.
    std::optional<ScriptRecord> LastScript;

    bool operator==(const ProjectFile&) const = default;
};

// The project as the JSON text of a .vek file, ended by a new line.
std::string ProjectToJson(const ProjectFile& project);

// Reads the text of a project file; `fileName` names it in messages. Text that is not JSON or
// ends early, another format, a later version, a missing field, a field of the wrong type and
// a setting that SetSettingByName or SetViewSettingByName refuses raise VekError naming the
// file and the field ("P.vek: settings/LoadSteps: ...").
ProjectFile ProjectFromJson(std::string_view text, const std::string& fileName);

// The same for the record written beside a script ("VEK script settings", version 1).
std::string ScriptRecordToJson(const ScriptRecord& record);
ScriptRecord ScriptRecordFromJson(std::string_view text, const std::string& fileName);

} // namespace vek
