#include "project/project.h"

#include "tcl/solid_materials.h"
#include "util/atomic_file.h"
#include "util/text_lines.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace vek {

namespace fs = std::filesystem;

namespace {

std::string ReadProjectText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw VekError("Cannot open " + path + ": " + std::strerror(errno ? errno : ENOENT));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw VekError("Cannot open " + path + ": read error");
    return text.str();
}

fs::path FolderOf(const std::string& path)
{
    return fs::absolute(fs::path(path)).parent_path();
}

// A path kept in the project (relative to its folder, or absolute) as a path to open; no path
// stays none.
std::string Resolve(const fs::path& folder, const std::string& kept)
{
    if (kept.empty())
        return kept;
    return (folder / fs::path(kept)).lexically_normal().string();
}

// The path relative to the folder with '/' between the parts; absolute when there is none. No
// path stays none.
std::string RelativeTo(const fs::path& folder, const std::string& path)
{
    if (path.empty())
        return path;
    const fs::path absolute = fs::absolute(fs::path(path));
    std::error_code error;
    const fs::path relative = fs::relative(absolute, folder, error);
    return (error || relative.empty() ? absolute : relative).generic_string();
}

// Imports the s2k file into the opened project's model, with its counts and warnings.
void ImportS2k(OpenedProject& opened, const std::string& bytes)
{
    Model& model = opened.OpenedModel;
    model.FileLines = TextLines::FromText(bytes);
    ImportReport report;
    try {
        opened.Counts = ReadS2kModel(model, report);
    } catch (const VekError& error) {
        const std::string line =
            error.hasLine() ? " line " + std::to_string(error.line() + 1) : std::string();
        throw VekError(opened.S2kPath + line + ": " + error.what());
    }
    opened.Warnings = report.Warnings(opened.S2kPath);
}

// The solid materials of a fresh import, with the project's ones over them.
void TakeSolidMaterials(const Model& model, Settings& settings)
{
    const auto kept = std::move(settings.SolidMaterials);
    InitSolidMaterials(model, settings);
    for (const auto& [tag, material] : kept)
        settings.SolidMaterials[tag] = material;
}

} // namespace

OpenedProject OpenProject(const std::string& projectPath, const OpenOptions& options)
{
    ProjectFile project = ProjectFromJson(ReadProjectText(projectPath), projectPath);
    const fs::path folder = FolderOf(projectPath);
    OpenedProject opened;
    opened.S2kPath = Resolve(folder, project.S2kPath);
    std::error_code error;
    if (!fs::is_regular_file(opened.S2kPath, error))
        throw VekError(projectPath + ": s2k/path: the s2k file " + opened.S2kPath +
                       " is not there");
    const std::string bytes = ReadWholeFile(opened.S2kPath);
    opened.S2k = FingerprintOf(bytes);
    if (opened.S2k != project.S2k && !options.AcceptChangedS2k)
        throw S2kChangedError(opened.S2kPath + " has changed since " + projectPath + " was saved");
    ImportS2k(opened, bytes);
    opened.Baseline = BaselineOf(opened.OpenedModel);
    opened.ProjectSettings = std::move(project.ProjectSettings);
    TakeSolidMaterials(opened.OpenedModel, opened.ProjectSettings);
    try {
        for (std::string& warning : ApplyEdits(opened.OpenedModel, project.Edits))
            opened.Warnings.push_back(std::move(warning));
    } catch (const VekError& edit) {
        throw VekError(projectPath + ": edits: " + edit.what());
    }
    // Materials added in the project are counted beside the s2k file's ones.
    opened.Counts[MaterialCountText] = FormatInt(opened.OpenedModel.MaterialCount());
    opened.View = project.View;
    opened.LastScript = std::move(project.LastScript);
    if (opened.LastScript)
        opened.LastScript->Script = Resolve(folder, opened.LastScript->Script);
    return opened;
}

ProjectFile ProjectOf(const std::string& projectPath, const std::string& s2kPath,
                      const FileFingerprint& s2k, const Model& model, const EditBaseline& baseline,
                      const Settings& settings, const ViewSettings& view,
                      const std::optional<ScriptRecord>& lastScript)
{
    const fs::path folder = FolderOf(projectPath);
    ProjectFile project;
    project.S2kPath = RelativeTo(folder, s2kPath);
    project.S2k = s2k;
    project.Edits = EditsSince(baseline, model);
    project.ProjectSettings = settings;
    project.View = view;
    project.LastScript = lastScript;
    if (project.LastScript)
        project.LastScript->Script = RelativeTo(folder, project.LastScript->Script);
    return project;
}

void SaveProject(const std::string& projectPath, const ProjectFile& project)
{
    WriteFileAtomically(projectPath, ProjectToJson(project));
}

} // namespace vek
