#include "cli/cli_input.h"
#include "cli/cli_support.h"

#include "project/project.h"
#include "tcl/solid_materials.h"
#include "util/error.h"

#include <ostream>

namespace vek {

namespace {

std::optional<CliInput> ImportS2kInput(const std::string& path, std::ostream& err)
{
    CliInput input;
    if (!ImportForCli(input.InputModel, path, err))
        return std::nullopt;
    InitSolidMaterials(input.InputModel, input.InputSettings);
    input.Baseline = BaselineOf(input.InputModel);
    input.S2kPath = path;
    return input;
}

std::optional<CliInput> OpenProjectInput(const std::string& path, std::ostream& err)
{
    try {
        OpenedProject opened = OpenProject(path);
        for (const std::string& warning : opened.Warnings)
            err << "warning: " << warning << '\n';
        return CliInput{std::move(opened.OpenedModel), std::move(opened.ProjectSettings),
                        opened.View, std::move(opened.Baseline), std::move(opened.S2kPath)};
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return std::nullopt;
    }
}

} // namespace

bool IsProjectPath(const std::string& path)
{
    return path.ends_with(".vek");
}

std::optional<CliInput> LoadCliInput(const std::string& path, std::ostream& err)
{
    return IsProjectPath(path) ? OpenProjectInput(path, err) : ImportS2kInput(path, err);
}

bool ApplyCommandOptions(std::string_view command, const ModelOptions& changes, CliInput& input,
                         std::ostream& err)
{
    try {
        ApplyModelOptions(changes, input.InputModel, input.InputSettings, input.View, err);
    } catch (const VekError& error) {
        UsageError(command, error.what(), err);
        return false;
    }
    return true;
}

} // namespace vek
