#include "cli/cli.h"

#include "../post/recorder_test_files.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vek {
namespace {

using testing::TempFolder;
using testing::WriteNodeFiles;

struct CliResult
{
    int code;
    std::string out;
    std::string err;
};

CliResult RunVekCli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

const std::string portal = std::string(VEK_EXAMPLES_DIR) + "/portal.s2k";

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

TEST(VekCliDisp, PrintsEveryJointOfTheStep)
{
    TempFolder folder("clidisp");
    WriteNodeFiles(folder, 3, 4);
    const CliResult r = RunVekCli({"disp", portal, folder.Path(), "--step", "3"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "1,103.25,103.5,103.75\n2,203.25,203.5,203.75\n3,303.25,303.5,303.75\n");
    EXPECT_EQ(r.err, "");

    // The shortest text that reads back the same, as OpenSees wrote it; the time column
    // skipped.
    folder.Write("node0.out", "0.1 -0.0794602 -0 1e-05 1 2 3 4 5 6\n");
    const CliResult digits = RunVekCli({"disp", portal, folder.Path()});
    EXPECT_EQ(FirstLine(digits.out), "1,-0.0794602,0,1e-05");
}

TEST(VekCliDisp, ModeShapes)
{
    TempFolder folder("climode");
    WriteNodeFiles(folder, 3, 2, "eigen4_node");
    const CliResult r = RunVekCli({"disp", portal, folder.Path(), "--mode", "4"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(FirstLine(r.out), "1,101.25,101.5,101.75");
}

TEST(VekCliDisp, Errors)
{
    TempFolder folder("clidisperr");
    const CliResult missing = RunVekCli({"disp", portal, folder.Path()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(FirstLine(missing.err),
              "Cannot open file \"" + folder.File("node0.out") + "\". No such file or directory");

    WriteNodeFiles(folder, 3, 2);
    const CliResult shortFile = RunVekCli({"disp", portal, folder.Path(), "--step", "5"});
    EXPECT_EQ(shortFile.code, 1);
    EXPECT_EQ(shortFile.err, "List index out of bounds (4)\n");

    EXPECT_EQ(RunVekCli({"disp", portal, folder.Path(), "--step", "x"}).code, 2);
    EXPECT_EQ(RunVekCli({"disp", portal}).code, 2);
    EXPECT_EQ(RunVekCli({"disp", portal, folder.Path(), "--kind", "2"}).code, 2);
    EXPECT_EQ(RunVekCli({"disp", portal + ".none", folder.Path()}).code, 1);
}

TEST(VekCliSections, ReadsWithTheSettingsOfTheScript)
{
    // Both frames of the portal as force-based fibre elements with aggregated sections: six
    // values a frame.
    TempFolder folder("clisections");
    folder.Write("ele0_secs.out", "0.5 1 2 3 4 5 6 7 8 9 10 11 12\n");
    folder.Write("ele0_secn.out", "0.5 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12\n");
    const std::vector<std::string> args = {"sections",     portal,  folder.Path(),
                                           "--kind",       "3",     "--section",
                                           "1:ElemType=2", "--set", "UseSectionAggregator=1"};
    const CliResult r = RunVekCli(args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "1,3,-3\n2,9,-9\n");

    // Read as plain fibre sections the lines hold too many values.
    const CliResult plain =
        RunVekCli({"sections", portal, folder.Path(), "--section", "1:ElemType=2"});
    EXPECT_EQ(plain.code, 1);
    EXPECT_EQ(plain.err, "File \"" + folder.File("ele0_secs.out") +
                             "\" has 12 values in line 1, but frames 1 to 2 record 8 with the "
                             "model's element types and settings\n");

    // The portal's own elastic frames record nothing.
    const CliResult elastic = RunVekCli({"sections", portal, folder.Path()});
    EXPECT_EQ(elastic.code, 0);
    EXPECT_EQ(elastic.out, "1,0,0\n2,0,0\n");
}

TEST(VekCliSections, UsageErrors)
{
    TempFolder folder("clisectionserr");
    EXPECT_EQ(RunVekCli({"sections", portal, folder.Path(), "--kind", "4"}).code, 2);
    EXPECT_EQ(RunVekCli({"sections", portal, folder.Path(), "--set", "NoSuch=1"}).code, 2);
    EXPECT_EQ(RunVekCli({"sections", portal, folder.Path(), "--section", "1:Colour=2"}).code, 2);
    EXPECT_EQ(RunVekCli({"sections", portal, folder.Path(), "--section", "5:ElemType=2"}).code, 2);
    EXPECT_EQ(RunVekCli({"sections", portal, folder.Path(), "--mode", "1"}).code, 2);
}

TEST(VekCliPost, HelpNamesTheCommands)
{
    const CliResult r = RunVekCli({"--help"});
    EXPECT_NE(r.out.find("  disp FILE.s2k FOLDER [--step N] [--mode M]\n"), std::string::npos);
    EXPECT_NE(r.out.find("  sections FILE.s2k FOLDER [--step N] [--kind 1|2|3]"),
              std::string::npos);
}

} // namespace
} // namespace vek
