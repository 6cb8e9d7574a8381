#include "post/solver_launch.h"
#include "support/cli_run.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include <unistd.h>

namespace vek {
namespace {

using testing::RecordedOptions;
using testing::RecordedRun;
using testing::RunVekCli;

std::string Example(const char* name)
{
    return std::string(VEK_EXAMPLES_DIR) + "/" + name;
}

// vek-cli run of the model with the recorded run's options, into `folder`, on `solver`.
std::vector<std::string> RunArgs(const std::string& model, const std::string& run,
                                 const std::string& folder, const std::string& solver)
{
    std::vector<std::string> args{"run", model, "-d", folder};
    if (!solver.empty())
        args.insert(args.end(), {"--solver", solver});
    for (const std::string& option : RecordedOptions(run))
        args.push_back(option);
    return args;
}

struct CliRunCase
{
    const char* Run;
    const char* Model;
    const char* Out;
    int Code;
    // A line the standard error holds; empty for none.
    const char* ErrLine;
};

void PrintTo(const CliRunCase& c, std::ostream* out)
{
    *out << c.Run;
}

class CliRuns : public ::testing::TestWithParam<CliRunCase>
{
};

TEST_P(CliRuns, PrintTheStagesAndTheVerdict)
{
    const CliRunCase& c = GetParam();
    if (!std::filesystem::is_directory(RecordedRun(c.Run)))
        GTEST_SKIP() << "no recorded runs";
    const std::string model =
        std::string(c.Model) == "frame.s2k" ? testing::RecordedFrameModel() : Example(c.Model);
    testing::ScratchFolder scratch(testing::OwnName("cli_run"));
    const std::string folder = (scratch.Path() / "run 'é' folder").string();
    const testing::ReplayRun replay(c.Run);
    const testing::CliResult result = RunVekCli(RunArgs(model, c.Run, folder, VEK_REPLAY_SOLVER));
    EXPECT_EQ(result.Out, c.Out) << result.Err;
    EXPECT_EQ(result.Code, c.Code);
    if (*c.ErrLine) {
        EXPECT_NE(("\n" + result.Err).find(std::string("\n") + c.ErrLine + "\n"), std::string::npos)
            << result.Err;
    }
    // The script, its record and the solver's output are in the folder.
    const std::string stem = std::filesystem::path(model).stem().string();
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + stem + ".tcl.vek.json"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/run.log"));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CliRuns,
    ::testing::Values(
        CliRunCase{"building-static-forces", "building.s2k", "loading: step 10 of 10\nfinished\n",
                   0, ""},
        CliRunCase{"frame-pushover-stops", "frame.s2k",
                   "gravity: step 100 of 100\npushover: step 135 of 200\nfailed: the analysis "
                   "stopped at step 135 of 200 of the pushover stage: the next step did not "
                   "converge, and the recorder files hold the steps up to it\n",
                   1,
                   "OpenSees: StaticAnalysis::analyze() - the Algorithm failed at step: 135 with "
                   "domain at load factor 233.195"},
        CliRunCase{"fail-too-many-modes", "building.s2k",
                   "eigen\nrecord: step 1 of 1\nfailed: the eigen solver could not find the 500 "
                   "modes asked for: more modes than the model's free masses allow\n",
                   1,
                   "predicted by the warning: Modal Number is 500, but the model has only 8 free "
                   "mass components (mass on degrees of freedom no fix line holds); OpenSees' "
                   "eigen solver needs twice the modes: set Modal Number to 4 or less."},
        CliRunCase{
            "fail-missing-control-node", "portal.s2k",
            "loading: step 0 of 100\nfailed: a command of the script failed: integrator "
            "DisplacementControl 999 1 1.000E-001 (line 37 of the script)\n",
            1,
            "OpenSees: WARNING integrator DisplacementControl node dof dU : Node does not exist"}),
    [](const ::testing::TestParamInfo<CliRunCase>& info) {
        return testing::TestName(info.param.Run);
    });

TEST(CliRun, CopiesTheGroundMotionFromBesideTheModel)
{
    if (!std::filesystem::is_directory(RecordedRun("building-time-history")))
        GTEST_SKIP() << "no recorded runs";
    testing::ScratchFolder folder(testing::OwnName("cli_run_motion"));
    const testing::ReplayRun replay("building-time-history");
    const testing::CliResult result =
        RunVekCli(RunArgs(Example("building.s2k"), "building-time-history", folder.Path().string(),
                          VEK_REPLAY_SOLVER));
    EXPECT_EQ(result.Out, "time history: step 1000 of 1000\nfinished\n") << result.Err;
    EXPECT_EQ(ReadWholeFile(folder.File("GMX.txt")), ReadWholeFile(Example("GMX.txt")));
}

TEST(CliRun, AnInterruptCancelsTheSolverAndWhatItStarted)
{
    testing::ScratchFolder folder(testing::OwnName("cli_run_cancel"));
    const testing::ReplayRun replay("long");
    int child = 0;
    std::thread interrupter([&] {
        child = testing::WaitForChildPid(folder.Path());
        kill(getpid(), SIGINT);
    });
    const testing::CliResult result =
        RunVekCli({"run", Example("portal.s2k"), "-d", folder.Path().string(), "--solver",
                   VEK_REPLAY_SOLVER});
    interrupter.join();
    EXPECT_EQ(result.Code, 1);
    EXPECT_TRUE(testing::FirstLine(result.Out.substr(result.Out.rfind("failed")))
                    .starts_with("failed: the run was cancelled at step "))
        << result.Out;
    ASSERT_GT(child, 0);
    EXPECT_TRUE(testing::ProcessGone(child));
}

TEST(CliRun, UsageErrorsAndAMissingSolver)
{
    EXPECT_EQ(RunVekCli({"run", Example("portal.s2k")}).Code, 2);
    EXPECT_EQ(RunVekCli({"run", "-d", "x"}).Code, 2);
    EXPECT_EQ(RunVekCli({"run", Example("portal.s2k"), "-d", "x", "--bogus"}).Code, 2);
    testing::ScratchFolder folder(testing::OwnName("cli_run_nosolver"));
    const testing::CliResult result = RunVekCli(
        {"run", Example("portal.s2k"), "-d", folder.Path().string(), "--solver", "/nonexistent"});
    EXPECT_EQ(result.Code, 1);
    EXPECT_EQ(result.Out, "failed: The solver \"/nonexistent\" is not an executable file.\n");
}

// The recorded runs again with the real OpenSees, where one is installed: the same verdicts.
TEST(CliRun, RealOpenSeesGivesTheRecordedVerdicts)
{
    const char* variable = std::getenv("OPENSEES");
    const char* path = std::getenv("PATH");
    const SolverSearch search =
        FindSolver(std::nullopt, variable ? variable : "", "", path ? path : "");
    if (!search.Solver)
        GTEST_SKIP() << "no OpenSees installed";
    if (!std::filesystem::is_directory(RecordedRun("frame-pushover-stops")))
        GTEST_SKIP() << "no recorded runs";
    const std::vector<std::string> materials{
        "--material",
        "1:Type=Concrete02,fpc=-30,epsc0=-0.002,fpcu=-6,epsU=-0.006,lambda=0.1,ft=3,Ets=1500",
        "--material", "2:Type=Steel02,Fy=400,E0=2e5,b=0.01"};
    const struct
    {
        const char* Run;
        std::string Model;
        const char* Last;
    } cases[] = {
        {"building-static-forces", Example("building.s2k"), "finished"},
        {"frame-pushover-stops", testing::RecordedFrameModel(),
         "failed: the analysis stopped at step 135 of 200 of the pushover stage"},
        {"fail-too-many-modes", Example("building.s2k"),
         "failed: the eigen solver could not find the 500 modes asked for"},
        {"fail-missing-control-node", Example("portal.s2k"),
         "failed: a command of the script failed: integrator DisplacementControl 999"},
    };
    for (const auto& c : cases) {
        testing::ScratchFolder folder(testing::OwnName("cli_run_real"));
        std::vector<std::string> args = RunArgs(c.Model, c.Run, folder.Path().string(), "");
        if (std::string(c.Run) == "frame-pushover-stops")
            args.insert(args.end(), materials.begin(), materials.end());
        const testing::CliResult result = RunVekCli(args);
        const std::size_t last = result.Out.rfind('\n', result.Out.size() - 2);
        EXPECT_TRUE(result.Out.substr(last == std::string::npos ? 0 : last + 1).starts_with(c.Last))
            << c.Run << ":\n"
            << result.Out << result.Err;
    }
}

} // namespace
} // namespace vek
