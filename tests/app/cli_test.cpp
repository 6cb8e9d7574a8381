#include "app/cli.h"
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

TEST(VekCli, DumpWritesTheModel)
{
    const CliResult r = RunVekCli({"dump", portal});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.rfind("{\"JointCount\":3,\"FrameCount\":2,\"ShellCount\":-1,", 0), 0u);
    EXPECT_NE(r.out.find("\"Materials\":[{\"Name\":\"C30\",\"MatType\":1,\"E\":30000,\"Poisson\":0."
                         "20000000000000001,\"G\":12500}]"),
              std::string::npos);
}

TEST(VekCli, UsageErrors)
{
    EXPECT_EQ(RunVekCli({}).code, 2);
    EXPECT_EQ(RunVekCli({"info"}).code, 2);
    EXPECT_EQ(RunVekCli({"info", "a", "b"}).code, 2);
    EXPECT_EQ(RunVekCli({"frobnicate"}).code, 2);
    const CliResult help = RunVekCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("info FILE.s2k"), std::string::npos);
    EXPECT_NE(help.out.find("dump FILE.s2k"), std::string::npos);
}

} // namespace
} // namespace vek
