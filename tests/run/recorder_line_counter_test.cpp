#include "run/recorder_line_counter.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vek {
namespace {

TEST(RecorderLineCounter, CountsWholeLinesAsTheFileGrowsAndStartsAgainWhenItShrinks)
{
    testing::ScratchFolder folder(testing::OwnName("line_counter"));
    RecorderLineCounter counter(folder.Path() / "node0.out");
    EXPECT_EQ(counter.Count(), 0);
    {
        std::ofstream out(folder.File("node0.out"), std::ios::binary);
        out << "0.1 0 0\n0.2 0";
    }
    EXPECT_EQ(counter.Count(), 1);
    {
        std::ofstream out(folder.File("node0.out"), std::ios::binary | std::ios::app);
        out << " 0\n0.3 0 0\n";
    }
    EXPECT_EQ(counter.Count(), 3);
    folder.Write("node0.out", "1 0\n");
    EXPECT_EQ(counter.Count(), 1);
}

} // namespace
} // namespace vek
