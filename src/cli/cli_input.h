#pragma once

#include "cli/cli_options.h"
#include "model/model.h"
#include "project/project_edits.h"
#include "tcl/settings.h"
#include "view/view_settings.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vek {

// What a vek-cli command works on: the model of an s2k file with the settings of a fresh
// import, or the model of a project with its edits applied and its settings.
struct CliInput
{
    Model InputModel;
    Settings InputSettings;
    ViewSettings View;
    // The sections as the s2k file's import left them, before any edit.
    EditBaseline Baseline;
    // The s2k file the model is imported from.
    std::string S2kPath;
};

// Whether the path names a project file: it ends in ".vek".
bool IsProjectPath(const std::string& path);

// Imports the s2k file, or opens the project file, at `path`. The import's warnings, and the
// edits a project leaves out, are written to `err` as "warning: " lines. On an error prints its
// message alone on the first line of `err` (an import error: the file's line on the second)
// and returns none.
std::optional<CliInput> LoadCliInput(const std::string& path, std::ostream& err);

// Applies a command's model options over its input (ApplyModelOptions). A value the model
// cannot take prints the usage error of `command` and returns false: the command then ends
// with exit code 2.
bool ApplyCommandOptions(std::string_view command, const ModelOptions& changes, CliInput& input,
                         std::ostream& err);

} // namespace vek
