#pragma once

#include "model/model.h"
#include "project/project_file.h"
#include "tcl/settings.h"

#include <optional>
#include <string>

namespace vek {

// The record of a script written now from the model and settings; `script` is its file name.
ScriptRecord RecordOfScript(const Model& model, const Settings& settings,
                            const std::string& script);

// Where the record of a script is written: beside it, "NAME.tcl.vek.json".
std::string ScriptRecordPath(const std::string& scriptPath);

// Writes the record beside the script, atomically.
void SaveScriptRecord(const std::string& scriptPath, const ScriptRecord& record);

// The record of the newest script record file ("*.tcl.vek.json") in the folder, where the
// solver wrote the recorder files of that script; none when the folder has none. A record
// that cannot be read raises VekError naming it.
std::optional<ScriptRecord> FindScriptRecord(const std::string& folder);

// Makes `model` and `settings` what they were when the script was written: the settings of the
// record, and each frame section named in it the element kind it had. Used on copies, for
// reading that script's recorder files.
void ApplyScriptRecord(const ScriptRecord& record, Model& model, Settings& settings);

} // namespace vek
