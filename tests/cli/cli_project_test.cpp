#include "../post/recorder_test_files.h"
#include "support/cli_run.h"

#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::FirstLine;
using testing::RunVekCli;
using testing::TempFolder;

const std::string examples = VEK_EXAMPLES_DIR;
const std::string building = examples + "/building.s2k";
// A static run of building.s2k in OpenSees 3.8, with its recorder files.
const std::string staticRun = std::string(VEK_OPENSEES_RUNS) + "/building-static-forces";
const std::vector<std::string> staticRunOptions = {
    "--set", "AnalysisType=1",     "--set", "LoadSteps=10",
    "--set", "RecordFrameForce=1", "--set", "RecordSectionDeform=1"};

std::vector<std::string> Args(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Saves the project of the s2k file with the options; fails the test when that fails.
void MakeProject(const std::string& s2k, const std::string& project,
                 const std::vector<std::string>& options)
{
    const auto r = RunVekCli(Args({"project", s2k, "-o", project}, options));
    ASSERT_EQ(r.Code, 0) << r.Err;
}

TEST(VekCliProject, TclOfTheProjectIsTheScriptOfTheSameOptions)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"portal.s2k", {"--set", "AnalysisType=2", "--section", "1:ElemType=2"}},
        {"building.s2k",
         {"--set", "LoadSteps=7", "--set", "UseSectionAggregator=1", "--section", "3:ElemType=2",
          "--shell-section", "1:ShellElemType=1", "--set", "ShowNodeLabels=1"}},
        {"mixed.s2k", {"--solid-material", "1:E=2e5,Poisson=0.25", "--set", "AnalysisType=3"}},
        {"portal.s2k",
         {"--material", "1:Type=Concrete01,fpc=-30,epsc0=-0.002,fpcu=-6,epsU=-0.006,Name=C30X",
          "--material", "2:Type=Steel02,Name=Bars,Fy=400,b=0.01,E0=2e5", "--set",
          "RebarMaterialTag=2"}},
    };
    TempFolder folder("cliproject");
    for (const auto& [s2k, options] : cases) {
        SCOPED_TRACE(s2k);
        MakeProject(examples + "/" + s2k, folder.File("p.vek"), options);
        const auto fromS2k = RunVekCli(Args({"tcl", examples + "/" + s2k}, options));
        const auto fromProject =
            RunVekCli({"tcl", folder.File("p.vek"), "-o", folder.File("a.tcl")});
        EXPECT_EQ(fromProject.Code, 0) << fromProject.Err;
        EXPECT_EQ(fromProject.Err, fromS2k.Err);
        EXPECT_EQ(ReadWholeFile(folder.File("a.tcl")), fromS2k.Out);
    }
    // The record of the script's settings lies beside it.
    EXPECT_NE(ReadWholeFile(folder.File("a.tcl.vek.json")).find("\"script\": \"a.tcl\""),
              std::string::npos);
}

TEST(VekCliProject, EveryCommandReadsAProject)
{
    if (!fs::is_directory(staticRun))
        GTEST_SKIP() << "no OpenSees runs at " << staticRun;
    TempFolder folder("cliprojectcommands");
    const std::string project = folder.File("building.vek");
    MakeProject(building, project, staticRunOptions);
    const std::vector<std::vector<std::string>> commands = {
        {"info"},
        {"dump"},
        {"disp", staticRun, "--step", "5"},
        {"sections", staticRun, "--step", "5", "--kind", "2"},
    };
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        const std::vector<std::string> rest(command.begin() + 1, command.end());
        const auto fromS2k = RunVekCli(Args({command[0], building}, rest));
        const auto fromProject = RunVekCli(Args({command[0], project}, rest));
        EXPECT_EQ(fromS2k.Code, 0) << fromS2k.Err;
        EXPECT_EQ(fromProject.Code, 0) << fromProject.Err;
        EXPECT_EQ(fromProject.Out, fromS2k.Out);
    }
}

TEST(VekCliProject, ABadProjectIsAnErrorOfItsOwnLine)
{
    TempFolder folder("cliprojectbad");
    const std::string s2k = folder.File("portal.s2k");
    fs::copy_file(examples + "/portal.s2k", s2k);
    MakeProject(s2k, folder.File("changed.vek"), {});
    WriteWholeFile(s2k, ReadWholeFile(s2k) + "\n");
    folder.Write("broken.vek", "{\"format\": ");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"changed.vek", "has changed since"}, {"broken.vek", "broken.vek"}};
    for (const auto& [name, message] : cases) {
        for (const std::string command : {"info", "tcl", "project"}) {
            SCOPED_TRACE(name + " " + command);
            std::vector<std::string> args = {command, folder.File(name)};
            if (command == "project")
                args = Args(args, {"-o", folder.File("new.vek")});
            const auto r = RunVekCli(args);
            EXPECT_EQ(r.Code, 1);
            EXPECT_EQ(r.Out, "");
            EXPECT_NE(FirstLine(r.Err).find(message), std::string::npos) << r.Err;
        }
    }
    const auto usage = RunVekCli({"project", s2k});
    EXPECT_EQ(usage.Code, 2);
    EXPECT_EQ(usage.Err, "vek-cli project: give the project file to write with -o P.vek\n"
                         "Try 'vek-cli project --help' for its options.\n");
}

TEST(VekCliProject, SectionsReadWithTheRecordOfTheScript)
{
    if (!fs::is_directory(staticRun))
        GTEST_SKIP() << "no OpenSees runs at " << staticRun;
    TempFolder folder("cliprojectrecord");
    fs::copy(staticRun, folder.Path());
    const std::string project = folder.File("building.vek");
    MakeProject(building, project, staticRunOptions);
    ASSERT_EQ(RunVekCli({"tcl", project, "-o", folder.File("model.tcl")}).Code, 0);

    // The engineer changes what the reading depends on after the run.
    MakeProject(project, project,
                {"--set", "NumIntegrationPoints=5", "--set", "UseSectionAggregator=1", "--section",
                 "1:ElemType=1"});
    const std::vector<std::string> read = {"--step", "5", "--kind", "2"};
    const auto expected = RunVekCli(Args({"sections", building, staticRun}, read));
    const auto withRecord = RunVekCli(Args({"sections", project, folder.Path()}, read));
    EXPECT_EQ(withRecord.Code, 0) << withRecord.Err;
    EXPECT_EQ(withRecord.Out, expected.Out);
    EXPECT_EQ(RunVekCli(Args({"sections", project, staticRun}, read)).Code, 1);
}

} // namespace
} // namespace vek
