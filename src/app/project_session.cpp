#include "app/project_session.h"

#include "util/text_lines.h"

#include <filesystem>
#include <utility>

namespace vek {

namespace {

namespace fs = std::filesystem;

// The folder of a file, as the paths relative to it start.
fs::path FolderOf(const std::string& file)
{
    return fs::absolute(fs::path(file)).parent_path();
}

// The script's path as a project keeps it: relative to the project's folder.
std::optional<ScriptRecord> ScriptRelativeTo(const std::optional<ScriptRecord>& script,
                                             const std::string& projectPath)
{
    if (!script || projectPath.empty() || !fs::path(script->Script).is_absolute())
        return script;
    ScriptRecord relative = *script;
    const fs::path path = fs::path(script->Script).lexically_relative(FolderOf(projectPath));
    if (!path.empty())
        relative.Script = path.generic_string();
    return relative;
}

// The script's path as the window keeps it: absolute.
std::optional<ScriptRecord> ScriptAbsolute(const std::optional<ScriptRecord>& script,
                                           const std::string& projectPath)
{
    if (!script || script->Script.empty() || fs::path(script->Script).is_absolute())
        return script;
    ScriptRecord absolute = *script;
    absolute.Script =
        (FolderOf(projectPath) / fs::path(script->Script)).lexically_normal().string();
    return absolute;
}

} // namespace

ProjectFile ProjectOfSession(const ProjectSession& session, const std::string& projectPath,
                             const Model& model, const Settings& settings, const ViewSettings& view)
{
    return ProjectOf(projectPath, session.S2kPath, session.S2k, model, session.Baseline, settings,
                     view, ScriptRelativeTo(session.LastScript, projectPath));
}

std::string CurrentProjectJson(const ProjectSession& session, const Model& model,
                               const Settings& settings, const ViewSettings& view)
{
    return ProjectToJson(ProjectOfSession(session, session.ProjectPath, model, settings, view));
}

bool HasUnsavedChanges(const ProjectSession& session, const Model& model, const Settings& settings,
                       const ViewSettings& view)
{
    if (session.S2kPath.empty())
        return false;
    return CurrentProjectJson(session, model, settings, view) != session.SavedJson;
}

ProjectSession SessionOfImport(const std::string& s2kPath, const FileFingerprint& s2k,
                               const Model& model, const Settings& settings,
                               const ViewSettings& view)
{
    ProjectSession session;
    session.S2kPath = s2kPath;
    session.S2k = s2k;
    session.Baseline = BaselineOf(model);
    session.SavedJson = CurrentProjectJson(session, model, settings, view);
    return session;
}

ProjectSession SessionOfOpened(const OpenedProject& opened, const std::string& projectPath,
                               std::string savedJson)
{
    ProjectSession session;
    session.S2kPath = opened.S2kPath;
    session.S2k = opened.S2k;
    session.Baseline = opened.Baseline;
    session.ProjectPath = projectPath;
    session.LastScript = ScriptAbsolute(opened.LastScript, projectPath);
    session.SavedJson = std::move(savedJson);
    return session;
}

std::string NormalProjectJson(const std::string& projectPath)
{
    return ProjectToJson(ProjectFromJson(ReadWholeFile(projectPath), projectPath));
}

} // namespace vek
