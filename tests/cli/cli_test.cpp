#include "cli/cli.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>

namespace vek {
namespace {

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

std::string TempFile(const std::string& name, const std::string& text)
{
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    WriteWholeFile(path, text);
    return path;
}

const std::string portal = std::string(VEK_EXAMPLES_DIR) + "/portal.s2k";

TEST(VekCli, InfoPrintsTheStatusBarCounts)
{
    const CliResult r = RunVekCli({"info", portal});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Node=3 Frame=2 Shell=0 Solid=0 Mat=1 Fsec=1 Wsec=0\n");
    EXPECT_EQ(r.err, "");
}

TEST(VekCli, ImportErrorIsTheFirstLineOfStandardError)
{
    const std::string path =
        TempFile("vek-cli-bad.s2k", "SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=abc\n\n");
    const CliResult r = RunVekCli({"info", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "'abc' is not a valid floating point value\nat line 4 of " + path + "\n");

    const CliResult missing = RunVekCli({"dump", path + ".none"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "Cannot open file \"" + path + ".none\". No such file or directory\n");
}

TEST(VekCli, ImportWarningsGoToStandardError)
{
    const std::string empty = TempFile("vek-cli-empty.s2k", "");
    const CliResult r = RunVekCli({"info", empty});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Node=0 Frame=0 Shell=0 Solid=0 Mat=0 Fsec=0 Wsec=0\n");
    EXPECT_EQ(r.err, "warning: no SAP2000 version 6 table found in " + empty + "\n");

    std::string text = ReadWholeFile(portal);
    text.replace(text.find("ADD=3"), 5, "ADD=912");
    const CliResult load = RunVekCli({"info", TempFile("vek-cli-load.s2k", text)});
    EXPECT_EQ(load.code, 0);
    EXPECT_EQ(load.err, "warning: 1 line skipped: line 26: LOAD names joint 912, which the model "
                        "does not have\n");
}

TEST(VekCli, DumpWritesTheModel)
{
    const CliResult r = RunVekCli({"dump", portal});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("{\"JointCount\":3,\"FrameCount\":2,\"ShellCount\":-1,", 0), 0u);
    EXPECT_NE(r.out.find("\"Materials\":[{\"Name\":\"C30\",\"MatType\":1,\"E\":30000.0,"
                         "\"Poisson\":0.2,\"G\":12500.0,\"Fy\":0.0,"),
              std::string::npos);
}

TEST(VekCli, TclWritesTheScriptAsSaveWould)
{
    const CliResult r = RunVekCli({"tcl", portal});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("wipe\r\nputs \"System\"\r\nmodel basic -ndm 3 -ndf 6\r\n", 0), 0u);
    EXPECT_EQ(r.out.substr(r.out.size() - 13), "analyze 100\r\n");

    const std::string path =
        (std::filesystem::temp_directory_path() / "vek-cli-portal.tcl").string();
    const CliResult saved = RunVekCli({"tcl", portal, "-o", path});
    EXPECT_EQ(saved.code, 0);
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(ReadWholeFile(path), r.out);
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".vek.json");
}

TEST(VekCli, TclAppliesSettingsAndSectionFields)
{
    const CliResult r =
        RunVekCli({"tcl", portal, "--set", "AnalysisType=2", "--set", "ControlDisp=0.5", "--set",
                   "UseSectionAggregator=true", "--section", "1:GeomTransf=2", "--set",
                   "ShowFrameAxis=1", "--set", "ScaleMax=2"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("integrator DisplacementControl 1 1 5.000E-001\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("uniaxialMaterial Elastic 201 "), std::string::npos);
    EXPECT_NE(r.out.find("geomTransf PDelta 1 "), std::string::npos);
}

TEST(VekCli, TclOptionErrors)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"tcl", portal, "--set", "NoSuchSetting=1"},
          {"tcl", portal, "--set", "LoadSteps=many"},
          {"tcl", portal, "--set", "UseSectionAggregator=yes"},
          {"tcl", portal, "--set", "ShowNodes=yes"},
          {"tcl", portal, "--set"},
          {"tcl", portal, "--section", "2:ElemType=3"},
          {"tcl", portal, "--section", "1:ElemType=9"},
          {"tcl", portal, "--section", "1:Colour=3"},
          {"tcl", portal, "--shell-section", "1:ShellElemType=1"},
          {"tcl", portal, "--frobnicate"},
          {"tcl"}}) {
        const CliResult r = RunVekCli(args);
        EXPECT_EQ(r.code, 2) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

TEST(VekCli, TclGenerationErrorIsTheFirstLine)
{
    // A rectangle without sides: its section properties are 0 / 0.
    std::string text = ReadWholeFile(portal);
    text.replace(text.find("T=400,400"), 9, "T=0,0");
    const CliResult r = RunVekCli({"tcl", TempFile("vek-cli-flat.s2k", text)});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Invalid floating point operation\n");
    EXPECT_EQ(r.out, "");
}

// Values that can never run are usage errors that name the range; the cover is checked against
// the sides of the imported section. A legal value OpenSees cannot take is a warning.
TEST(VekCli, ImpossibleValuesAreRefused)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"tcl", portal, "--set", "LoadSteps=-5"}, "tcl: LoadSteps must be 1 or more, not -5"},
        {{"tcl", portal, "--set", "ModeCount=0"}, "tcl: ModeCount must be 1 or more, not 0"},
        {{"tcl", portal, "--section", "1:DivideFX=0"}, "tcl: DivideFX must lie in 1..200, not 0"},
        {{"tcl", portal, "--section", "1:Cover=1000"},
         "tcl: frame section 1: Cover must lie in 0..200 (half the smaller side of the section), "
         "not 1000"},
        {{"sections", portal, ".", "--section", "1:HingeLengthI=-1"},
         "sections: HingeLengthI must be 0 or more, not -1"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = RunVekCli(args);
        EXPECT_EQ(r.code, 2) << message;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "vek-cli " + message);
        EXPECT_EQ(r.out, "");
    }
    const CliResult r = RunVekCli({"tcl", portal, "--section", "1:ElemType=2", "--set",
                                   "NumIntegrationPoints=11", "--section", "1:Cover=200"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("warning: Force/Disp Beam Column numIntgrPts is 11"), std::string::npos);
    EXPECT_NE(r.err.find("warning: Frame section \"E400\" has a cover of 200"), std::string::npos);
}

// --material changes or adds materials; a bad one is a usage error naming what is wrong.
TEST(VekCli, TclMaterialOptions)
{
    const CliResult r = RunVekCli({"tcl", portal, "--material", "1:Type=Steel01,Fy=400,b=0.01",
                                   "--material", "2:Type=Elastic,E=5,Name=Soft"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\nuniaxialMaterial Steel01 1 4.000E+002 3.000E+004 1.000E-002\r\n"
                         "uniaxialMaterial Elastic 2 5.000E+000\r\n"),
              std::string::npos);

    const std::pair<std::string, std::string> cases[] = {
        {"1:Fy=1", "'1:Fy=1' needs Type=T (Elastic, Steel01, Concrete01, Steel02, Concrete02)"},
        {"1:Type=Steel03", "material 1: unknown material type 'Steel03' (use Elastic, Steel01, "
                           "Concrete01, Steel02, Concrete02)"},
        {"1:Type=Steel01,Fy=1", "material 1: Steel01 needs b"},
        {"1:Type=Steel01,Fy=1,b=0,fpc=2",
         "material 1: Steel01 has no parameter 'fpc' (its parameters: Fy, E0, b)"},
        {"1:Type=Concrete01,fpc=30,epsc0=0,fpcu=0,epsU=0",
         "material 1: fpc must be 0 or negative (compression is negative), not 30"},
        {"2:Type=Steel01,Fy=1,b=0", "material 2 is a new material and needs Name="},
        {"3:Type=Elastic,E=1,Name=X",
         "material 3 does not exist in the model (its materials are 1 to 1; 2 adds one)"},
    };
    for (const auto& [option, message] : cases) {
        const CliResult bad = RunVekCli({"tcl", portal, "--material", option});
        EXPECT_EQ(bad.code, 2) << option;
        EXPECT_EQ(bad.err.substr(0, bad.err.find('\n')), "vek-cli tcl: " + message);
    }
}

// The recorded nonlinear pushover of frame.s2k: its script is the one VEK writes with the
// options of command.txt and the two materials the recording set by hand.
TEST(VekCli, TclMaterialsGiveTheRecordedNonlinearScript)
{
    const std::string run = std::string(VEK_OPENSEES_RUNS) + "/frame-pushover-nonlinear";
    if (!std::filesystem::is_directory(run))
        GTEST_SKIP() << "no OpenSees runs at " << run;
    const std::string command = ReadWholeFile(run + "/command.txt");
    const std::size_t start = command.find("frame.s2k") + 9;
    std::istringstream options(command.substr(start, command.find(" (then") - start));
    std::vector<std::string> args{"tcl", run + "/../../frame.s2k"};
    for (std::string word; options >> word;)
        args.push_back(word);
    for (const char* material :
         {"1:Type=Concrete02,fpc=-30,epsc0=-0.002,fpcu=-6,epsU=-0.006,lambda=0.1,ft=3,Ets=1500",
          "2:Type=Steel02,Fy=400,E0=2e5,b=0.01"})
        args.insert(args.end(), {"--material", material});
    const CliResult r = RunVekCli(args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, ReadWholeFile(run + "/model.tcl"));
}

// The modal run asked for its modal properties after "record": the script of its options is
// the one it ran.
TEST(VekCli, TclModalGivesTheRecordedScript)
{
    const std::string run = std::string(VEK_OPENSEES_RUNS) + "/building-modal";
    if (!std::filesystem::is_directory(run))
        GTEST_SKIP() << "no OpenSees runs at " << run;
    const std::string command = ReadWholeFile(run + "/command.txt");
    const std::size_t start = command.find("building.s2k") + 12;
    std::istringstream options(command.substr(start, command.find(" (then") - start));
    std::vector<std::string> args{"tcl", std::string(VEK_EXAMPLES_DIR) + "/building.s2k"};
    for (std::string word; options >> word;)
        args.push_back(word);
    const CliResult r = RunVekCli(args);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, ReadWholeFile(run + "/model.tcl"));
}

// A usage error is its message and a line pointing to the help, not the help itself.
TEST(VekCli, UsageErrors)
{
    const struct
    {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{}, "vek-cli: no command given\nTry 'vek-cli --help' for the commands.\n"},
        {{"frobnicate"},
         "vek-cli: unknown command 'frobnicate'\nTry 'vek-cli --help' for the commands.\n"},
        {{"info", "a", "b"},
         "vek-cli info: give one s2k file\nTry 'vek-cli info --help' for its options.\n"},
        {{"tcl", portal, "--set", "NoSuch=1"},
         "vek-cli tcl: Unknown setting 'NoSuch'\nTry 'vek-cli tcl --help' for its options.\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunVekCli(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
}

TEST(VekCli, HelpOfAllAndOfOneCommand)
{
    const CliResult help = RunVekCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Usage: vek-cli COMMAND [ARGUMENTS]\n", 0), 0u);
    EXPECT_NE(help.out.find("\n  info FILE.s2k   Import a SAP2000 version 6 s2k file"),
              std::string::npos);
    EXPECT_NE(help.out.find("\n  dump FILE.s2k   Import the file"), std::string::npos);

    const CliResult tcl = RunVekCli({"tcl", portal, "--help"});
    EXPECT_EQ(tcl.code, 0);
    EXPECT_EQ(tcl.out.rfind("Usage: vek-cli tcl FILE.s2k [-o OUT.tcl] [OPTIONS]\n\n", 0), 0u);
    EXPECT_NE(tcl.out.find("\n  --section N:Field=Value\n"), std::string::npos);
    EXPECT_EQ(tcl.out.find("convert"), std::string::npos);
}

} // namespace
} // namespace vek
