#include "support/cli_run.h"
#include "support/recorded_runs.h"

#include "util/format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vek {
namespace {

using testing::CliResult;
using testing::FirstLine;
using testing::HasRecordedRun;
using testing::RecordedLine;
using testing::RecordedRunArgs;
using testing::RecordedRunFolder;
using testing::RunVekCli;

// vek-cli COMMAND FILE FOLDER with the script's options of the run and `extra`.
CliResult RunOnRecorded(const std::string& command, const std::string& run,
                        std::vector<std::string> extra = {})
{
    std::vector<std::string> args = RecordedRunArgs(run);
    args.insert(args.begin() + 1, RecordedRunFolder(run));
    args.insert(args.begin(), command);
    args.insert(args.end(), extra.begin(), extra.end());
    return RunVekCli(args);
}

std::size_t LineCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

#define SKIP_WITHOUT_RUN(name)                                                                     \
    if (!HasRecordedRun(name))                                                                     \
    GTEST_SKIP() << "no OpenSees run " << name

TEST(VekCliResults, ModalPrintsTheModesAsFractions)
{
    SKIP_WITHOUT_RUN("building-modal");
    const CliResult r = RunOnRecorded("modal", "building-modal");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(LineCount(r.Out), 4u);
    EXPECT_EQ(FirstLine(r.Out), "1,0.325392,3.07322,0,0.924977,0,0.444619,0,0");
}

TEST(VekCliResults, CurveOfAPushoverThatStopped)
{
    SKIP_WITHOUT_RUN("frame-pushover-stops");
    const CliResult r = RunOnRecorded("curve", "frame-pushover-stops");
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(LineCount(r.Out), 135u);
    EXPECT_EQ(r.Err, "Capacity curve: stopped at step 135 of 200\n");
    const std::vector<double> line = RecordedLine("frame-pushover-stops", "node0.out", 101);
    EXPECT_EQ(FirstLine(r.Out), "1," + FormatShortest(line[70]) + "," + FormatShortest(line[0]) +
                                    "," + FormatShortest(6000 * line[0]));
}

TEST(VekCliResults, HistoryOfAJoint)
{
    SKIP_WITHOUT_RUN("building-time-history");
    const CliResult r =
        RunOnRecorded("history", "building-time-history", {"--joint", "104", "--dof", "2"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(LineCount(r.Out), 1000u);
    const std::vector<double> line = RecordedLine("building-time-history", "node1.out", 1);
    EXPECT_EQ(FirstLine(r.Out), FormatShortest(line[0]) + "," + FormatShortest(line[11]));
}

TEST(VekCliResults, ForcesLeaveOutFramesWithoutEndForces)
{
    SKIP_WITHOUT_RUN("building-static-forces");
    const CliResult r = RunOnRecorded("forces", "building-static-forces", {"--step", "10"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    // 140 frames, 16 of them release links.
    EXPECT_EQ(LineCount(r.Out), 124u);
    const std::vector<double> line = RecordedLine("building-static-forces", "ele1.out", 10);
    std::string first = "1";
    for (std::size_t k = 1; k <= 12; ++k)
        first += "," + FormatShortest(line[k]);
    EXPECT_EQ(FirstLine(r.Out), first);
    EXPECT_EQ(r.Out.find("\n28,"), std::string::npos);
    EXPECT_NE(r.Out.find("\n29,"), std::string::npos);
}

TEST(VekCliResults, Errors)
{
    SKIP_WITHOUT_RUN("building-static-forces");
    const struct
    {
        std::string command;
        std::vector<std::string> extra;
        int code;
        std::string err;
    } cases[] = {
        {"history", {"--dof", "1"}, 2, "vek-cli history: give --joint"},
        {"history",
         {"--joint", "1", "--dof", "4"},
         2,
         "vek-cli history: --dof is 1 (U1), 2 (U2) or 3 (U3)"},
        {"forces", {}, 2, "vek-cli forces: give --step"},
        {"curve", {"--mode", "1"}, 2, "vek-cli curve: unknown option '--mode'"},
        {"forces",
         {"--step", "11"},
         1,
         "File \"" + RecordedRunFolder("building-static-forces") +
             "ele1.out\" has 10 lines; line 11 is not there"},
        {"curve",
         {},
         1,
         "A capacity curve needs a pushover (Analysis Type 2 or 3), not Analysis Type 1"},
        {"modal",
         {},
         1,
         "Cannot open file \"" + RecordedRunFolder("building-static-forces") +
             "ModalProperties.txt\". No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CliResult r = RunOnRecorded(c.command, "building-static-forces", c.extra);
        EXPECT_EQ(r.Code, c.code);
        EXPECT_EQ(FirstLine(r.Err), c.err);
        EXPECT_EQ(r.Out, "");
    }
}

} // namespace
} // namespace vek
