#include "cli/cli_run.h"
#include "cli/cli_input.h"
#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include "post/solver_launch.h"
#include "project/script_record.h"
#include "run/run_script.h"
#include "run/solver_run.h"
#include "tcl/tcl_generator.h"
#include "util/atomic_file.h"
#include "util/error.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

namespace vek {

namespace fs = std::filesystem;

namespace {

// Set by an interrupt or SIGTERM while the solver runs; the run loop cancels the solver.
volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int)
{
    interrupted = 1;
}

// Catches SIGINT and SIGTERM for as long as it lives: the solver runs in its own process group,
// so a Ctrl-C does not reach it, and the run ends it.
class InterruptCatcher
{
public:
    InterruptCatcher()
    {
        interrupted = 0;
        struct sigaction action = {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~InterruptCatcher()
    {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

private:
    struct sigaction oldInt_ = {};
    struct sigaction oldTerm_ = {};
};

struct RunOptions
{
    std::string Input;
    std::string Folder;
    std::optional<fs::path> Solver;
    ModelOptions Changes;
};

RunOptions ParseRunOptions(const std::vector<std::string>& args)
{
    RunOptions options;
    const auto own = [&](const std::vector<std::string>& all, std::size_t& k) {
        if (all[k] == "-d")
            options.Folder = OptionValue(all, k);
        else if (all[k] == "--solver")
            options.Solver = fs::path(OptionValue(all, k));
        else
            return false;
        return true;
    };
    options.Input = ReadInputAndOptions(args, ModelOptionKinds::All, options.Changes, own,
                                        "s2k or project file");
    if (options.Folder.empty())
        throw VekError("give the folder of the run with -d FOLDER");
    return options;
}

// Copies the ground-motion files the script reads from beside the model file (or, for a
// project, beside its s2k file) into the run's folder; a file found in neither is a warning.
void CopyGroundMotions(const RunScript& script, const CliInput& input, const RunOptions& options,
                       std::ostream& err)
{
    const fs::path folder(options.Folder);
    const fs::path besides[] = {fs::path(options.Input).parent_path(),
                                fs::path(input.S2kPath).parent_path()};
    for (const std::string& name : script.GroundMotionFiles) {
        bool copied = false;
        for (const fs::path& beside : besides) {
            const fs::path source = beside / name;
            std::error_code error;
            if (!fs::is_regular_file(source, error))
                continue;
            if (fs::equivalent(source, folder / name, error))
                copied = true;
            else
                copied = fs::copy_file(source, folder / name, fs::copy_options::overwrite_existing,
                                       error);
            if (error)
                throw VekError("The ground motion " + source.string() + " could not be copied to " +
                               options.Folder + ": " + error.message());
            break;
        }
        if (!copied)
            err << "warning: the script reads the ground motion " << name
                << ", which is not beside " << options.Input << "; the solver will not find it\n";
    }
}

fs::path ProgramFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path();
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Prints a line for each stage the run has left behind, and with `end` for the one it is in.
void PrintStages(const SolverRun& run, std::size_t& printed, bool end, std::ostream& out)
{
    const RunScript& script = run.Script();
    const StageProgress progress = run.Progress();
    const std::size_t upTo = end ? progress.Stage + 1 : progress.Stage;
    for (; printed < upTo && printed < script.Stages.size(); ++printed) {
        StageProgress shown = progress;
        if (printed < progress.Stage) {
            shown.Stage = printed;
            shown.Steps = script.Stages[printed].Steps;
            shown.Step = shown.Steps;
        }
        out << ProgressText(script, shown) << std::endl;
    }
}

int Run(const RunOptions& options, const CliInput& input, std::ostream& out, std::ostream& err)
{
    TextLines tclLines;
    std::vector<std::string> warnings;
    GenerateTclScript(input.InputModel, input.InputSettings, tclLines, warnings);
    for (const std::string& warning : warnings)
        err << "warning: " << warning << '\n';

    std::error_code error;
    fs::create_directories(options.Folder, error);
    if (error)
        throw VekError("The folder " + options.Folder + " could not be made: " + error.message());
    const fs::path script =
        fs::path(options.Folder) / (fs::path(options.Input).stem().string() + ".tcl");
    SaveTclScript(tclLines, script.string());
    SaveScriptRecord(script.string(), RecordOfScript(input.InputModel, input.InputSettings,
                                                     script.filename().string()));
    CopyGroundMotions(ReadRunScript(tclLines.JoinCrLf()), input, options, err);

    const SolverSearch search =
        FindSolver(options.Solver, Environment("OPENSEES"), ProgramFolder(), Environment("PATH"));
    if (!search.Solver) {
        err << SolverNotFoundMessage(search) << '\n';
        out << "failed: the OpenSees solver was not found" << std::endl;
        return 1;
    }

    InterruptCatcher catcher;
    SolverRun run(PlanSolverLaunch(*search.Solver, script), warnings);
    std::size_t printed = 0;
    while (run.Poll(std::chrono::milliseconds(100))) {
        if (interrupted) {
            interrupted = 0;
            run.Cancel();
        }
        PrintStages(run, printed, false, out);
    }
    PrintStages(run, printed, true, out);
    WriteFileAtomically((fs::path(options.Folder) / "run.log").string(), run.Output());

    const RunVerdict verdict = run.Verdict();
    if (!verdict.SolverLine.empty())
        err << "OpenSees: " << verdict.SolverLine << '\n';
    for (const std::string& warning : verdict.Predicted)
        err << "predicted by the warning: " << warning << '\n';
    out << verdict.Summary() << std::endl;
    return verdict.Finished ? 0 : 1;
}

} // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    RunOptions options;
    try {
        options = ParseRunOptions(args);
    } catch (const VekError& error) {
        return UsageError("run", error.what(), err);
    }
    std::optional<CliInput> input = LoadCliInput(options.Input, err);
    if (!input)
        return 1;
    if (!ApplyCommandOptions("run", options.Changes, *input, err))
        return 2;
    try {
        return Run(options, *input, out, err);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        out << "failed: " << error.what() << std::endl;
        return 1;
    }
}

} // namespace vek
