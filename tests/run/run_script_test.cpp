#include "run/run_script.h"
#include "support/replay_run.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace vek {
namespace {

using testing::RecordedRun;

// The stages as "name steps" words, joined by blanks.
std::string StagesOf(const RunScript& script)
{
    std::string text;
    for (const RunStage& stage : script.Stages)
        text += (text.empty() ? "" : ", ") + stage.Name + " " + std::to_string(stage.Steps);
    return text;
}

struct RecordedScript
{
    const char* Run;
    const char* Stages;
    const char* ProgressFile;
    const char* GroundMotion;
    std::int64_t Modes;
};

void PrintTo(const RecordedScript& c, std::ostream* out)
{
    *out << c.Run;
}

class RecordedScripts : public ::testing::TestWithParam<RecordedScript>
{
};

TEST_P(RecordedScripts, GiveTheStagesAndFiles)
{
    const RecordedScript& c = GetParam();
    if (!std::filesystem::is_directory(RecordedRun(c.Run)))
        GTEST_SKIP() << "no recorded runs";
    const RunScript script = ReadRunScript(ReadWholeFile(RecordedRun(c.Run) + "/model.tcl"));
    EXPECT_EQ(StagesOf(script), c.Stages);
    EXPECT_EQ(script.ProgressFile, c.ProgressFile);
    EXPECT_EQ(script.GroundMotionFiles.empty() ? "" : script.GroundMotionFiles.front(),
              c.GroundMotion);
    EXPECT_EQ(script.ModeCount, c.Modes);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RecordedScripts,
    ::testing::Values(
        RecordedScript{"frame-pushover-stops", "gravity 100, pushover 200", "node0.out", "", 0},
        RecordedScript{"building-static-forces", "loading 10", "node0.out", "", 0},
        RecordedScript{"building-time-history", "time history 1000", "node0.out", "GMX.txt", 0},
        RecordedScript{"building-modal", "eigen 0, record 1", "node0.out", "", 4},
        RecordedScript{"fail-missing-control-node", "loading 100", "node0.out", "", 0}),
    [](const ::testing::TestParamInfo<RecordedScript>& info) {
        return testing::TestName(info.param.Run);
    });

TEST(RunScript, ReadsMarkersRecordersAndSupportMotions)
{
    const RunScript script = ReadRunScript(
        "puts \"recorder\"\r\nrecorder Element -file ele0.out -time -eleRange 1 2 localForce\r\n"
        "set iGMfile \"DM1X.txt\"; \r\ntimeSeries Path 2001 -dt $dt -filePath $iGMfile\r\n"
        "analyze 1000 0.02 \r\nanalyze $n\r\n");
    EXPECT_EQ(script.Markers, std::vector<std::string>{"recorder"});
    EXPECT_EQ(script.ProgressFile, "ele0.out");
    EXPECT_EQ(script.GroundMotionFiles, std::vector<std::string>{"DM1X.txt"});
    EXPECT_EQ(StagesOf(script), "time history 1000, analysis 0");
}

TEST(RunScript, ProgressFollowsTheStagesByRecordedLines)
{
    const RunScript script = ReadRunScript("puts \"gravity\"\nanalyze 100\nputs \"pushover\"\n"
                                           "puts \"analysis\"\nanalyze 200\n");
    const struct
    {
        std::int64_t Lines;
        const char* Text;
        bool Done;
    } cases[] = {{0, "gravity: step 0 of 100", false},
                 {100, "pushover: step 0 of 200", false},
                 {235, "pushover: step 135 of 200", false},
                 {300, "pushover: step 200 of 200", true},
                 {301, "pushover: step 200 of 200", true}};
    for (const auto& c : cases) {
        const StageProgress progress = ProgressOf(script, c.Lines);
        EXPECT_EQ(ProgressText(script, progress), c.Text) << c.Lines;
        EXPECT_EQ(progress.AllDone, c.Done) << c.Lines;
    }
}

TEST(RunScript, ModalProgressIsEigenUntilTheRecord)
{
    const RunScript script =
        ReadRunScript("set numModes 4\nset lambda [eigen  $numModes]\nrecord\n");
    EXPECT_EQ(ProgressText(script, ProgressOf(script, 0)), "eigen");
    EXPECT_EQ(ProgressText(script, ProgressOf(script, 1)), "record: step 1 of 1");
}

} // namespace
} // namespace vek
