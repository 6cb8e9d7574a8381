#include "post/recorder_files.h"
#include "post/recorder_line.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

std::vector<std::string> Split(std::string_view line)
{
    RecorderFields fields;
    SplitRecorderLine(line, fields);
    return {fields.begin(), fields.end()};
}

std::string ErrorOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const VekError& error) {
        return error.what();
    }
    return "";
}

using Fields = std::vector<std::string>;

TEST(SplitRecorderLine, CutsAtEveryBlank)
{
    EXPECT_EQ(Split("t a b c"), (Fields{"t", "a", "b", "c"}));
    EXPECT_EQ(Split("0.2 -0 1e-05 -2.64776e-18"), (Fields{"0.2", "-0", "1e-05", "-2.64776e-18"}));
    // Two blanks in a row give an empty field, a blank at the end one more field.
    EXPECT_EQ(Split("t  a"), (Fields{"t", "", "a"}));
    EXPECT_EQ(Split("t a "), (Fields{"t", "a", ""}));
    EXPECT_EQ(Split("x"), (Fields{"x"}));
}

TEST(SplitRecorderLine, BlankAtTheStartGivesTwoEmptyFields)
{
    EXPECT_EQ(Split(" a b"), (Fields{"", "", "a", "b"}));
    EXPECT_EQ(Split(""), (Fields{"", ""}));
    EXPECT_EQ(Split(" "), (Fields{"", "", ""}));
}

TEST(SplitRecorderLine, TrimsControlCharacters)
{
    EXPECT_EQ(Split("t\t 1\r"), (Fields{"t", "1"}));
}

TEST(SplitRecorderLine, ReplacesTheFieldsOfAnEarlierLine)
{
    RecorderFields fields;
    SplitRecorderLine("0.1 1 2 3 4 5 6", fields);
    SplitRecorderLine("0.2 7", fields);
    ASSERT_EQ(fields.size(), 2u);
    // A value the line does not have is an empty field, not one of the line before.
    EXPECT_EQ(ErrorOf([&] { RecorderValue(fields, 3); }), "'' is not a valid floating point value");
    EXPECT_EQ(RecorderValue(fields, 1), 7.0);
}

TEST(RecorderValue, ConvertsTheSolversNumbers)
{
    RecorderFields fields;
    SplitRecorderLine("0.1 -0 1e-05 2.0203e-39 -11.3524 abc", fields);
    EXPECT_EQ(RecorderValue(fields, 1), 0.0);
    EXPECT_EQ(RecorderValue(fields, 2), 1e-05);
    EXPECT_EQ(RecorderValue(fields, 3), 2.0203e-39);
    EXPECT_EQ(RecorderValue(fields, 4), -11.3524);
    EXPECT_EQ(ErrorOf([&] { RecorderValue(fields, 5); }),
              "'abc' is not a valid floating point value");
}

TEST(RecorderFiles, NodeFilesAreNumberedFromZero)
{
    EXPECT_EQ(NodeRecorderFiles(250),
              (std::vector<RecorderFile>{{0, 1, 100}, {1, 101, 200}, {2, 201, 250}}));
    EXPECT_EQ(NodeRecorderFiles(200), (std::vector<RecorderFile>{{0, 1, 100}, {1, 101, 200}}));
    EXPECT_EQ(NodeRecorderFiles(37), (std::vector<RecorderFile>{{0, 1, 37}}));
    EXPECT_TRUE(NodeRecorderFiles(0).empty());
    EXPECT_TRUE(NodeRecorderFiles(-1).empty());
}

TEST(RecorderFiles, ElementFilesPutTheRemainderInFileZero)
{
    EXPECT_EQ(ElementRecorderFiles(120), (std::vector<RecorderFile>{{1, 1, 100}, {0, 101, 120}}));
    EXPECT_EQ(ElementRecorderFiles(200), (std::vector<RecorderFile>{{1, 1, 100}, {2, 101, 200}}));
    EXPECT_EQ(ElementRecorderFiles(100), (std::vector<RecorderFile>{{1, 1, 100}}));
    EXPECT_EQ(ElementRecorderFiles(2), (std::vector<RecorderFile>{{0, 1, 2}}));
    EXPECT_TRUE(ElementRecorderFiles(0).empty());
}

TEST(RecorderFiles, PathsAndStepLines)
{
    EXPECT_EQ(RecorderPath("/tmp/run/", "node0.out"), "/tmp/run/node0.out");
    EXPECT_EQ(RecorderPath("/tmp/run", "node0.out"), "/tmp/run/node0.out");
    EXPECT_EQ(RecorderPath("", "node0.out"), "node0.out");

    const TextLines lines = TextLines::FromText("0.1 1\n0.2 2\n");
    EXPECT_EQ(StepLine(lines, 2), "0.2 2");
    EXPECT_EQ(ErrorOf([&] { StepLine(lines, 3); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { StepLine(lines, 0); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { StepLine(TextLines(), 1); }), "List index out of bounds (0)");
}

} // namespace
} // namespace vek
