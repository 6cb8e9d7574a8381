#include "run/solver_process.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <csignal>

namespace vek {
namespace {

using namespace std::chrono_literals;

std::string OutputOf(SolverProcess& process)
{
    std::string output;
    while (process.Read(output, 100ms)) {
    }
    return output;
}

TEST(SolverProcess, GetsItsArgumentsAsTheyAreWithoutAShell)
{
    testing::ScratchFolder folder(testing::OwnName("process \"run\" é"));
    SolverProcess printf("/usr/bin/printf", {"%s|\n", "a b", "it's \"quoted\"", "é $HOME *;"},
                         folder.Path());
    EXPECT_EQ(OutputOf(printf), "a b|\nit's \"quoted\"|\né $HOME *;|\n");
    SolverProcess pwd("/bin/pwd", {}, folder.Path());
    EXPECT_EQ(OutputOf(pwd), folder.Path().string() + "\n");
}

TEST(SolverProcess, TellsTheExitCodeAndAProgramThatCannotStart)
{
    SolverProcess failing("/bin/false", {}, "/");
    OutputOf(failing);
    ASSERT_TRUE(failing.Exit());
    EXPECT_EQ(failing.Exit()->Code, 1);
    EXPECT_EQ(failing.Exit()->Signal, 0);
    try {
        SolverProcess missing("/nonexistent/OpenSees", {"model.tcl"}, "/");
        FAIL() << "started";
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The solver /nonexistent/OpenSees could not be started: No such file or "
                  "directory");
    }
}

TEST(SolverProcess, ACrashIsTheSignalThatEndedIt)
{
    testing::ScratchFolder folder(testing::OwnName("process_crash"));
    folder.Write("model.tcl", "puts \"recorder\"\n");
    const testing::ReplayRun replay("crash");
    SolverProcess solver(VEK_REPLAY_SOLVER, {folder.File("model.tcl")}, folder.Path());
    const std::string output = OutputOf(solver);
    ASSERT_TRUE(solver.Exit());
    EXPECT_EQ(solver.Exit()->Signal, SIGABRT);
    EXPECT_FALSE(solver.Exit()->Cancelled);
    const RunVerdict verdict =
        JudgeRun(ReadRunScript("puts \"recorder\"\n"), output, *solver.Exit(), std::nullopt, {});
    EXPECT_TRUE(verdict.Summary().starts_with("failed: the solver crashed (signal 6"))
        << verdict.Summary();
}

// The long stand-in run ignores SIGTERM and has a child of its own: both must go.
TEST(SolverProcess, CancelEndsTheSolverAndTheProcessesItStarted)
{
    testing::ScratchFolder folder(testing::OwnName("process_cancel"));
    folder.Write("model.tcl", "analyze 100\n");
    const testing::ReplayRun replay("long");
    SolverProcess solver(VEK_REPLAY_SOLVER, {folder.File("model.tcl")}, folder.Path());
    const int child = testing::WaitForChildPid(folder.Path());
    ASSERT_GT(child, 0);
    solver.Cancel(200ms);
    OutputOf(solver);
    ASSERT_TRUE(solver.Exit());
    EXPECT_TRUE(solver.Exit()->Cancelled);
    EXPECT_EQ(solver.Exit()->Signal, SIGKILL);
    EXPECT_TRUE(testing::ProcessGone(solver.Pid()));
    EXPECT_TRUE(testing::ProcessGone(child));
}

} // namespace
} // namespace vek
