#pragma once

#include "model/model.h"
#include "project/project_edits.h"
#include "project/project_file.h"
#include "s2k/s2k_import.h"
#include "tcl/settings.h"
#include "util/error.h"
#include "view/view_settings.h"

#include <optional>
#include <string>
#include <vector>

namespace vek {

// Raised by OpenProject when the s2k file's size or hash is not the one the project saved.
class S2kChangedError : public VekError
{
public:
    using VekError::VekError;
};

// A model opened from a project, with what the project keeps beside it.
struct OpenedProject
{
    Model OpenedModel;
    Settings ProjectSettings;
    ViewSettings View;
    EditBaseline Baseline;
    // The last script's record, its Script the path of the script (found from the project's
    // folder).
    std::optional<ScriptRecord> LastScript;
    // The s2k file as found, and its fingerprint.
    std::string S2kPath;
    FileFingerprint S2k;
    ModelCountTexts Counts;
    // The import's warnings and the edits left out.
    std::vector<std::string> Warnings;
};

struct OpenOptions
{
    // Opens a project whose s2k file changed since it was saved, instead of raising
    // S2kChangedError.
    bool AcceptChangedS2k = false;
};

// Reads the project file, imports its s2k file (found relative to the project's folder) into
// a model of its own, applies the edits and takes the settings. Every failure raises VekError
// naming the file and, for a field, the field; nothing of the caller's state is touched.
OpenedProject OpenProject(const std::string& projectPath, const OpenOptions& options = {});

// The project file of a session: the s2k path and the last script's path are made relative to
// projectPath's folder; the edits are those since `baseline`.
ProjectFile ProjectOf(const std::string& projectPath, const std::string& s2kPath,
                      const FileFingerprint& s2k, const Model& model, const EditBaseline& baseline,
                      const Settings& settings, const ViewSettings& view,
                      const std::optional<ScriptRecord>& lastScript);

// Writes the project file atomically (WriteFileAtomically).
void SaveProject(const std::string& projectPath, const ProjectFile& project);

} // namespace vek
