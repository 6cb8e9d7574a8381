#include "cli/cli_results.h"
#include "cli/cli_options.h"
#include "cli/cli_post.h"
#include "cli/cli_support.h"

#include "post/capacity_curve.h"
#include "post/frame_forces.h"
#include "post/joint_history.h"
#include "post/modal_table.h"
#include "post/plot_data.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string_view>

namespace vek {

namespace {

// The options of one of these commands; `allowed` lists the options of its own
// (--joint, --dof, --step) besides the tcl options.
struct ResultOptions
{
    std::string Input;
    std::string Folder;
    std::optional<std::int32_t> Joint;
    std::optional<std::int32_t> Dof;
    std::optional<std::int32_t> Step;
    ModelOptions Changes;
};

ResultOptions ParseResultOptions(const std::vector<std::string>& args,
                                 std::initializer_list<std::string_view> allowed)
{
    ResultOptions options;
    std::vector<std::string> files;
    auto isAllowed = [&](std::string_view name) {
        return std::find(allowed.begin(), allowed.end(), name) != allowed.end();
    };
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--joint" && isAllowed(arg)) {
            options.Joint = StrToInt(OptionValue(args, k));
        } else if (arg == "--dof" && isAllowed(arg)) {
            options.Dof = StrToInt(OptionValue(args, k));
            if (*options.Dof < 1 || *options.Dof > 3)
                throw VekError("--dof is 1 (U1), 2 (U2) or 3 (U3)");
        } else if (arg == "--step" && isAllowed(arg)) {
            options.Step = StrToInt(OptionValue(args, k));
        } else if (ReadModelOption(args, k, ModelOptionKinds::All, options.Changes)) {
            continue;
        } else if (!arg.empty() && arg[0] == '-') {
            throw VekError("unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        throw VekError("give an s2k file and the folder of the recorder files");
    for (std::string_view name : allowed)
        if ((name == "--joint" && !options.Joint) || (name == "--dof" && !options.Dof) ||
            (name == "--step" && !options.Step))
            throw VekError("give " + std::string(name));
    options.Input = files[0];
    options.Folder = files[1];
    return options;
}

// Parses the options, loads the input as the run was recorded, applies the tcl options and
// runs `print` with it; the exit code of the command.
int RunResultCommand(const std::vector<std::string>& args, std::ostream& err,
                     std::initializer_list<std::string_view> allowed,
                     const std::function<void(const ResultOptions&, const CliInput&)>& print)
{
    const std::string command = args.empty() ? std::string() : args[0];
    ResultOptions options;
    try {
        options = ParseResultOptions(args, allowed);
    } catch (const VekError& error) {
        return UsageError(command, error.what(), err);
    }
    std::optional<CliInput> input = LoadPostInput(options.Input, options.Folder, err);
    if (!input)
        return 1;
    if (!ApplyCommandOptions(command, options.Changes, *input, err))
        return 2;
    try {
        print(options, *input);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int ModalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunResultCommand(args, err, {}, [&](const ResultOptions& options, const CliInput& in) {
        out << ModalCsv(ReadModalTable(in.InputSettings, options.Folder), false, false);
    });
}

int CurveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunResultCommand(args, err, {}, [&](const ResultOptions& options, const CliInput& in) {
        const CapacityCurve curve =
            ReadCapacityCurve(in.InputModel, in.InputSettings, options.Folder);
        out << CapacityCsv(curve, false);
        if (curve.Stopped())
            err << CapacityCurveTitle(curve) << '\n';
    });
}

int HistoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunResultCommand(args, err, {"--joint", "--dof"},
                            [&](const ResultOptions& options, const CliInput& in) {
                                out << HistoryCsv(ReadJointHistory(in.InputModel, options.Folder,
                                                                   *options.Joint, *options.Dof),
                                                  false);
                            });
}

int ForcesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return RunResultCommand(
        args, err, {"--step"}, [&](const ResultOptions& options, const CliInput& in) {
            const std::vector<FrameEndForces> forces =
                ReadFrameEndForces(in.InputModel, in.InputSettings, options.Folder, *options.Step);
            std::string text;
            for (std::size_t i = 1; i < forces.size(); ++i) {
                if (!forces[i].Recorded)
                    continue;
                text += FormatInt(static_cast<std::int64_t>(i));
                for (const double value : forces[i].Local)
                    text += "," + FormatShortest(value);
                text += '\n';
            }
            out << text;
        });
}

} // namespace vek
