#include "cli/cli.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

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

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

const std::string examples = VEK_EXAMPLES_DIR;

TEST(VekCliConvert, WritesTheConversionAndPrintsTheLog)
{
    const std::string out = TempPath("vek-cli-convert-solid.s2k");
    const CliResult r = RunVekCli({"convert", examples + "/solid_v14.s2k", out});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "VEK import Sap2000 V14 S2k file\nNJOINT = 36\nNSOLID = 12\nFinish!!\n");
    EXPECT_EQ(r.err, "");
    const std::string written = ReadWholeFile(out);
    EXPECT_EQ(written, ReadWholeFile(examples + "/solid.s2k"));
    EXPECT_EQ(written.rfind("SYSTEM\r\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\r\n\r\n", 0),
              0u);
    EXPECT_EQ(written.substr(written.size() - 9), "\r\n\r\nEND\r\n");

    // The converted file is a model vek-cli imports.
    const CliResult info = RunVekCli({"info", out});
    EXPECT_EQ(info.out, "Node=36 Frame=0 Shell=0 Solid=12 Mat=0 Fsec=0 Wsec=0\n");
    std::filesystem::remove(out);
}

TEST(VekCliConvert, ErrorsStopWithTheMessageFirstAndWriteNothing)
{
    const std::string in = TempPath("vek-cli-convert-bad.s2k");
    const std::string out = TempPath("vek-cli-convert-bad-out.s2k");
    std::filesystem::remove(out);
    WriteWholeFile(in, "x\n\nTABLE:  \"JOINT COORDINATES\"\n"
                       "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=?\n"
                       "\n");
    const CliResult bad = RunVekCli({"convert", in, out});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "'?' is not a valid floating point value\nat line 4 of " + in + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    WriteWholeFile(in, "x\n\nTABLE:  \"JOINT COORDINATES\"\n\n");
    const CliResult missing = RunVekCli({"convert", in, out});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "Table \"JOINT RESTRAINT ASSIGNMENTS\" not found\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliResult unreadable = RunVekCli({"convert", in + ".none", out});
    EXPECT_EQ(unreadable.code, 1);
    EXPECT_EQ(unreadable.err, "Cannot open file \"" + in + ".none\". No such file or directory\n");
    std::filesystem::remove(in);
}

TEST(VekCliConvert, NeedsTwoFiles)
{
    const CliResult one = RunVekCli({"convert", examples + "/solid_v14.s2k"});
    EXPECT_EQ(one.code, 2);
    EXPECT_EQ(one.err.rfind("vek-cli convert: give the V14 s2k file and the file to write\n", 0),
              0u);
    EXPECT_NE(RunVekCli({"--help"}).out.find("  convert IN.s2k OUT.s2k\n"), std::string::npos);
}

} // namespace
} // namespace vek
