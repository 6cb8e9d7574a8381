#include "cli/cli_project.h"
#include "cli/cli_input.h"
#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include "project/project.h"
#include "util/error.h"
#include "util/file_fingerprint.h"

#include <optional>
#include <ostream>

namespace vek {

namespace {

// The input, -o P.vek (which must be given) and the model options.
InputAndOutput ParseProjectOptions(const std::vector<std::string>& args)
{
    InputAndOutput options = ParseInputAndOutput(args, ModelOptionKinds::All);
    if (!options.Output || options.Output->empty())
        throw VekError("give the project file to write with -o P.vek");
    if (!IsProjectPath(*options.Output))
        throw VekError("the project file '" + *options.Output + "' does not end in .vek");
    return options;
}

} // namespace

int ProjectCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err)
{
    InputAndOutput options;
    try {
        options = ParseProjectOptions(args);
    } catch (const VekError& error) {
        return UsageError("project", error.what(), err);
    }

    std::optional<CliInput> input = LoadCliInput(options.Input, err);
    if (!input)
        return 1;
    if (!ApplyCommandOptions("project", options.Changes, *input, err))
        return 2;

    try {
        const FileFingerprint s2k = FingerprintOfFile(input->S2kPath);
        SaveProject(*options.Output,
                    ProjectOf(*options.Output, input->S2kPath, s2k, input->InputModel,
                              input->Baseline, input->InputSettings, input->View, std::nullopt));
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace vek
