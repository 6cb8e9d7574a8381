#include "cli/cli.h"

#include "cli/cli_convert.h"
#include "cli/cli_help.h"
#include "cli/cli_input.h"
#include "cli/cli_post.h"
#include "cli/cli_project.h"
#include "cli/cli_results.h"
#include "cli/cli_run.h"
#include "cli/cli_support.h"
#include "cli/cli_tcl.h"
#include "model/model_json.h"
#include "s2k/s2k_import.h"
#include "util/error.h"

#include <algorithm>
#include <ostream>

namespace vek {

namespace {

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

int Info(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2)
        return UsageError("info", "give one s2k file", err);
    const std::optional<CliInput> input = LoadCliInput(args[1], err);
    if (!input)
        return 1;
    const ModelCountTexts counts = ShowModelCounts(input->InputModel);
    static constexpr const char* headings[] = {"Node", "Frame", "Shell", "Solid",
                                               "Mat",  "Fsec",  "Wsec"};
    for (std::size_t k = 0; k < counts.size(); ++k)
        out << (k ? " " : "") << headings[k] << '=' << counts[k];
    out << '\n';
    return 0;
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2)
        return UsageError("dump", "give one s2k file", err);
    const std::optional<CliInput> input = LoadCliInput(args[1], err);
    if (!input)
        return 1;
    out << ModelToJson(input->InputModel);
    return 0;
}

} // namespace

int UsageError(std::string_view command, const std::string& message, std::ostream& err)
{
    if (command.empty()) {
        err << "vek-cli: " << message << "\nTry 'vek-cli --help' for the commands.\n";
    } else {
        err << "vek-cli " << command << ": " << message << "\nTry 'vek-cli " << command
            << " --help' for its options.\n";
    }
    return 2;
}

bool ImportForCli(Model& model, const std::string& path, std::ostream& err)
{
    try {
        LoadS2kFile(model, path);
        ImportReport report;
        ReadS2kModel(model, report);
        for (const std::string& warning : report.Warnings(path))
            err << "warning: " << warning << '\n';
        return true;
    } catch (const VekError& error) {
        err << error.what() << '\n';
        if (error.hasLine())
            err << "at line " << error.line() + 1 << " of " << path << '\n';
        return false;
    }
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError("", "no command given", err);
    const std::string& command = args[0];
    if (IsHelp(command) || command == "help") {
        WriteCliHelp(out);
        return 0;
    }
    if (IsCliCommand(command) && std::any_of(args.begin() + 1, args.end(), IsHelp)) {
        WriteCommandHelp(out, command);
        return 0;
    }
    if (command == "info")
        return Info(args, out, err);
    if (command == "dump")
        return Dump(args, out, err);
    if (command == "convert")
        return ConvertCommand(args, out, err);
    if (command == "disp")
        return DispCommand(args, out, err);
    if (command == "sections")
        return SectionsCommand(args, out, err);
    if (command == "modal")
        return ModalCommand(args, out, err);
    if (command == "curve")
        return CurveCommand(args, out, err);
    if (command == "history")
        return HistoryCommand(args, out, err);
    if (command == "forces")
        return ForcesCommand(args, out, err);
    if (command == "tcl")
        return TclCommand(args, out, err);
    if (command == "project")
        return ProjectCommand(args, out, err);
    if (command == "run")
        return RunCommand(args, out, err);
    return UsageError("", "unknown command '" + command + "'", err);
}

} // namespace vek
