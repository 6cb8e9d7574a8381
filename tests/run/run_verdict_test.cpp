#include "run/run_verdict.h"
#include "support/replay_run.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace vek {
namespace {

using testing::RecordedRun;

// A recorded run as the verdict sees it: its script, its output without the exit code line,
// the lines of its progress file and the warnings VEK gave.
struct Recorded
{
    RunScript Script;
    std::string Output;
    std::int64_t Lines = 0;
    std::vector<std::string> Warnings;
};

Recorded ReadRecorded(const std::string& run)
{
    Recorded r;
    const std::string folder = RecordedRun(run);
    r.Script = ReadRunScript(ReadWholeFile(folder + "/model.tcl"));
    r.Output = ReadWholeFile(folder + "/run.log");
    r.Output.erase(r.Output.rfind("exit code"));
    const TextLines progress =
        TextLines::FromText(ReadWholeFile(folder + "/" + r.Script.ProgressFile));
    r.Lines = static_cast<std::int64_t>(progress.size());
    if (std::filesystem::exists(folder + "/warnings.txt")) {
        const TextLines warnings = TextLines::FromText(ReadWholeFile(folder + "/warnings.txt"));
        for (std::size_t k = 0; k < warnings.size(); ++k)
            r.Warnings.emplace_back(warnings[k].substr(std::string_view("warning: ").size()));
    }
    return r;
}

struct VerdictCase
{
    const char* Run;
    const char* Summary;
    const char* SolverLine;
    std::size_t Predicted;
};

void PrintTo(const VerdictCase& c, std::ostream* out)
{
    *out << c.Run;
}

class RecordedVerdicts : public ::testing::TestWithParam<VerdictCase>
{
};

TEST_P(RecordedVerdicts, NameWhatFailedWithTheSolversLine)
{
    const VerdictCase& c = GetParam();
    if (!std::filesystem::is_directory(RecordedRun(c.Run)))
        GTEST_SKIP() << "no recorded runs";
    const Recorded r = ReadRecorded(c.Run);
    const RunVerdict verdict = JudgeRun(r.Script, r.Output, {}, r.Lines, r.Warnings);
    EXPECT_EQ(verdict.Summary(), c.Summary);
    EXPECT_EQ(verdict.SolverLine, c.SolverLine);
    EXPECT_EQ(verdict.Predicted.size(), c.Predicted);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RecordedVerdicts,
    ::testing::Values(
        VerdictCase{"building-static-forces", "finished", "", 0},
        VerdictCase{"building-modal", "finished", "", 0},
        VerdictCase{"building-time-history", "finished", "", 0},
        VerdictCase{"frame-pushover-nonlinear", "finished", "", 0},
        VerdictCase{"frame-pushover-stops",
                    "failed: the analysis stopped at step 135 of 200 of the pushover stage: the "
                    "next step did not converge, and the recorder files hold the steps up to it",
                    "StaticAnalysis::analyze() - the Algorithm failed at step: 135 with domain at "
                    "load factor 233.195",
                    0},
        VerdictCase{"fail-too-many-modes",
                    "failed: the eigen solver could not find the 500 modes asked for: more modes "
                    "than the model's free masses allow",
                    "ArpackSolver::Error with _saupd info = -3", 1},
        VerdictCase{"fail-missing-control-node",
                    "failed: a command of the script failed: integrator DisplacementControl 999 1 "
                    "1.000E-001 (line 37 of the script)",
                    "WARNING integrator DisplacementControl node dof dU : Node does not exist", 2}),
    [](const ::testing::TestParamInfo<VerdictCase>& info) {
        return testing::TestName(info.param.Run);
    });

TEST(RunVerdict, ThePredictingWarningsAreTheOnesOfTheFailuresKind)
{
    if (!std::filesystem::is_directory(RecordedRun("fail-too-many-modes")))
        GTEST_SKIP() << "no recorded runs";
    Recorded r = ReadRecorded("fail-too-many-modes");
    r.Warnings.push_back("Control Node is 999, but the model's joints are 1 to 3.");
    const RunVerdict verdict = JudgeRun(r.Script, r.Output, {}, r.Lines, r.Warnings);
    ASSERT_EQ(verdict.Predicted.size(), 1u);
    EXPECT_TRUE(verdict.Predicted[0].starts_with("Modal Number is 500")) << verdict.Predicted[0];
    EXPECT_NE(verdict.Text().find("\npredicted by the warning: Modal Number is 500"),
              std::string::npos);
}

// How the process ended, and a run that did not reach the end of its script.
TEST(RunVerdict, CancelCrashExitCodeAndAnEarlyEnd)
{
    if (!std::filesystem::is_directory(RecordedRun("frame-pushover-nonlinear")))
        GTEST_SKIP() << "no recorded runs";
    const Recorded r = ReadRecorded("frame-pushover-nonlinear");
    const struct
    {
        SolverExit Exit;
        std::int64_t Lines;
        const char* Start;
    } cases[] = {
        {{0, 15, true},
         150,
         "failed: the run was cancelled at step 50 of 200 of the pushover stage"},
        {{0, 11, false}, 300, "failed: the solver crashed (signal 11"},
        {{3, 0, false}, 300, "failed: the solver stopped with exit code 3"},
        {{0, 0, false},
         40,
         "failed: the solver ended before the end of the script at step 40 of "
         "100 of the gravity stage"},
    };
    for (const auto& c : cases) {
        const std::string summary = JudgeRun(r.Script, r.Output, c.Exit, c.Lines, {}).Summary();
        EXPECT_TRUE(summary.starts_with(c.Start)) << summary;
    }
}

TEST(RunVerdict, ASingularMatrixNamesAMechanism)
{
    const RunScript script = ReadRunScript("puts \"loading\"\nputs \"analysis\"\nanalyze 10\n");
    const std::string output = "loading\nanalysis\nUmfpackGenLinSolver::solve - the matrix is "
                               "singular\nStaticAnalysis::analyze() - the Algorithm failed at "
                               "step: 0 with domain at load factor 0.1\n";
    const RunVerdict verdict = JudgeRun(
        script, output, {}, 0,
        {"2 joints (first joint 7) are reached only by truss elements ... singular stiffness "
         "matrix."});
    EXPECT_TRUE(verdict.Summary().starts_with("failed: the stiffness matrix is singular at step 0 "
                                              "of 10 of the loading stage: the model is a "
                                              "mechanism"))
        << verdict.Summary();
    EXPECT_EQ(verdict.SolverLine, "UmfpackGenLinSolver::solve - the matrix is singular");
    EXPECT_EQ(verdict.Predicted.size(), 1u);
}

TEST(RunVerdict, WithoutARecorderTheStepIsTheSolversOwn)
{
    const RunScript script = ReadRunScript("puts \"gravity\"\nanalyze 100\nputs \"pushover\"\n"
                                           "analyze 200\n");
    const std::string output = "gravity\npushover\nStaticAnalysis::analyze() - the Algorithm "
                               "failed at step: 7 with domain at load factor 1\n"
                               "OpenSees > analyze failed, returned: -3 error flag\n";
    EXPECT_TRUE(JudgeRun(script, output, {}, std::nullopt, {})
                    .Summary()
                    .starts_with("failed: the analysis stopped at step 7 of 200 of the pushover "
                                 "stage"));
}

} // namespace
} // namespace vek
