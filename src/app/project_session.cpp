#include "app/project_session.h"

#include "util/text_lines.h"

#include <utility>

namespace vek {

ProjectFile ProjectOfSession(const ProjectSession& session, const std::string& projectPath,
                             const Model& model, const Settings& settings, const ViewSettings& view)
{
    return ProjectOf(projectPath, session.S2kPath, session.S2k, model, session.Baseline, settings,
                     view, session.LastScript);
}

namespace {

// The project file the paths are relative to: before the first save, one beside the s2k file.
std::string ProjectPathOf(const ProjectSession& session)
{
    return session.ProjectPath.empty() ? session.S2kPath + ".vek" : session.ProjectPath;
}

} // namespace

std::string CurrentProjectJson(const ProjectSession& session, const Model& model,
                               const Settings& settings, const ViewSettings& view)
{
    return ProjectToJson(ProjectOfSession(session, ProjectPathOf(session), model, settings, view));
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
    // Lines read without a file make no project.
    if (!s2kPath.empty())
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
    session.LastScript = opened.LastScript;
    session.SavedJson = std::move(savedJson);
    return session;
}

std::string NormalProjectJson(const std::string& projectPath)
{
    return ProjectToJson(ProjectFromJson(ReadWholeFile(projectPath), projectPath));
}

} // namespace vek
