#pragma once

#include "model/model.h"
#include "project/project.h"
#include "project/project_edits.h"
#include "project/project_file.h"
#include "tcl/settings.h"
#include "util/file_fingerprint.h"
#include "view/view_settings.h"

#include <optional>
#include <string>

namespace vek {

// What the main window keeps of the engineer's project beside the model, the settings and
// the view settings.
struct ProjectSession
{
    // The s2k file last imported and its fingerprint right after the import; the path is
    // empty before the first import.
    std::string S2kPath;
    FileFingerprint S2k;
    // The sections as the import left them.
    EditBaseline Baseline;
    // The project file; empty until the project is saved or opened.
    std::string ProjectPath;
    // The last script written, its path absolute.
    std::optional<ScriptRecord> LastScript;
    // The project's JSON text as last saved or opened, or as right after the import.
    std::string SavedJson;
};

// The project file of the session and the window's state, written for `projectPath`.
ProjectFile ProjectOfSession(const ProjectSession& session, const std::string& projectPath,
                             const Model& model, const Settings& settings,
                             const ViewSettings& view);

// The JSON text of the project the window holds now, for its own project path.
std::string CurrentProjectJson(const ProjectSession& session, const Model& model,
                               const Settings& settings, const ViewSettings& view);

// Whether the project the window holds differs from the one last saved, opened or imported.
// Before the first import there is no project, and nothing to save.
bool HasUnsavedChanges(const ProjectSession& session, const Model& model, const Settings& settings,
                       const ViewSettings& view);

// The session right after importing `s2kPath` into `model`: no project file yet, no script.
ProjectSession SessionOfImport(const std::string& s2kPath, const FileFingerprint& s2k,
                               const Model& model, const Settings& settings,
                               const ViewSettings& view);

// The session of a project opened from `projectPath`; `savedJson` is the project file's
// content in the form ProjectToJson writes it.
ProjectSession SessionOfOpened(const OpenedProject& opened, const std::string& projectPath,
                               std::string savedJson);

// The project file's text read back in the form ProjectToJson writes it, to tell later
// changes from differences of layout alone.
std::string NormalProjectJson(const std::string& projectPath);

} // namespace vek
