#include "cli/cli_tcl.h"
#include "cli/cli_input.h"
#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include "project/script_record.h"
#include "tcl/tcl_generator.h"
#include "util/error.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace vek {

namespace {

// Writes the script to the file, with the record of its settings beside it.
void SaveScriptAndRecord(const TextLines& tclLines, const CliInput& input, const std::string& path)
{
    SaveTclScript(tclLines, path);
    const std::string name = std::filesystem::path(path).filename().string();
    SaveScriptRecord(path, RecordOfScript(input.InputModel, input.InputSettings, name));
}

} // namespace

int TclCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    InputAndOutput options;
    try {
        options = ParseInputAndOutput(args, ModelOptionKinds::All);
    } catch (const VekError& error) {
        return UsageError("tcl", error.what(), err);
    }

    std::optional<CliInput> input = LoadCliInput(options.Input, err);
    if (!input)
        return 1;
    if (!ApplyCommandOptions("tcl", options.Changes, *input, err))
        return 2;

    TextLines tclLines;
    std::vector<std::string> warnings;
    try {
        GenerateTclScript(input->InputModel, input->InputSettings, tclLines, warnings);
        for (const std::string& warning : warnings)
            err << "warning: " << warning << '\n';
        if (options.Output)
            SaveScriptAndRecord(tclLines, *input, *options.Output);
        else
            out << tclLines.JoinCrLf();
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace vek
