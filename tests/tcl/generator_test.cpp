#include "support/s2k_test_support.h"
#include "tcl/prepared_sections.h"
#include "tcl/tcl_generator.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using testing::LinesOf;

// A column of one elastic rectangular section with a load on its top.
const std::string columnModel = fileHead +
                                "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3000\n\n"
                                "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n\n"
                                "MATERIAL\n  NAME=C25  IDES=C\n    T=0  E=25000  U=0.2\n\n"
                                "FRAME SECTION\n  NAME=E600  MAT=C25  SH=R  T=600,300\n\n"
                                "FRAME\n  1  J=1,2  SEC=E600  NSEG=4  ANG=0\n\n"
                                "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=2  UZ=-10000\n\n";

std::vector<std::string> Generate(Model& model, const Settings& settings = Settings())
{
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, settings, lines, warnings);
    EXPECT_EQ(warnings, std::vector<std::string>{});
    return LinesOf(lines);
}

TEST(GenerateTclScript, WholeScriptOfAColumn)
{
    Model model = Import(columnModel);
    const std::vector<std::string> expected = {
        "wipe",
        "puts \"System\"",
        "model basic -ndm 3 -ndf 6",
        "puts \"node\"",
        "node 1 0.000E+000 0.000E+000 0.000E+000",
        "node 2 0.000E+000 0.000E+000 3.000E+003",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "puts \"restraint\"",
        "fix 1 1 1 1 1 1 1;",
        "puts \"Equal DOF\"",
        "puts \"material\"",
        "uniaxialMaterial Elastic 1 2.500E+004",
        "",
        "puts \"transformation\"",
        "geomTransf Linear 1 1.000 0.000 0.000 ",
        "puts \"element\"",
        "element elasticBeamColumn 1 1 2 1.800E+005 2.500E+004 1.042E+004 3.708E+009 5.400E+009 "
        "1.350E+009 1",
        "puts \"shell element\"",
        "puts \"SOLID element\"",
        "puts \"recorder\"",
        "recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp",
        "puts \"loading\"",
        "## Load Case = DEAD",
        "pattern Plain 1 Linear {",
        "load 2 0.000E+000 0.000E+000 -1.000E+004 0.000E+000 0.000E+000 0.000E+000",
        "}",
        "puts \"analysis\"",
        "constraints Plain",
        "numberer Plain",
        "system UmfPack",
        "test EnergyIncr 1.0e-6 200",
        "algorithm Newton",
        "integrator LoadControl 1.000E-002",
        "analysis Static",
        "analyze 100",
    };
    EXPECT_EQ(Generate(model), expected);
    // A second generation writes the same script.
    EXPECT_EQ(Generate(model), expected);
}

TEST(GenerateTclScript, EmptyModelStillWritesEveryHeading)
{
    Model model;
    const std::vector<std::string> expected = {
        "wipe",
        "puts \"System\"",
        "model basic -ndm 3 -ndf 6",
        "puts \"node\"",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "puts \"restraint\"",
        "puts \"Equal DOF\"",
        "puts \"material\"",
        "",
        "puts \"transformation\"",
        "puts \"element\"",
        "puts \"shell element\"",
        "puts \"SOLID element\"",
        "puts \"recorder\"",
        "puts \"loading\"",
    };
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, Settings(), lines, warnings);
    std::vector<std::string> got = LinesOf(lines);
    ASSERT_GE(got.size(), expected.size());
    got.resize(expected.size());
    EXPECT_EQ(got, expected);
    // No load case exists, so the pattern is left out with a warning.
    EXPECT_EQ(warnings.size(), 1u);
}

TEST(PrepareSections, PropertiesOfEverySectionFibresOfFibreTypesOnly)
{
    Model model = Import(columnModel);
    const PreparedSections elastic = PrepareSections(model, 1);
    EXPECT_EQ(elastic[1].Properties.A, 180000);
    EXPECT_DOUBLE_EQ(elastic[1].Properties.G, 25000 / 2.0 / 1.2);
    EXPECT_EQ(elastic[1].Fibers.Count(), 0);
    EXPECT_EQ(elastic[2].Properties.A, 0); // no such section

    model.FrameSections.Edit(1).ElemType = ElementKind::DispBeamColumn;
    const PreparedSections fibres = PrepareSections(model, 7);
    EXPECT_GT(fibres[1].Fibers.Count(), 0);
    EXPECT_EQ(fibres[1].Fibers.Fibers.back().MatTag, 7);
}

TEST(GenerateTclScript, ErrorLeavesTheLinesWrittenSoFar)
{
    Model model = Import(columnModel);
    Settings settings;
    settings.LoadSteps = 0;
    TextLines lines;
    std::vector<std::string> warnings;
    try {
        GenerateTclScript(model, settings, lines, warnings);
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()), "Floating point division by zero");
    }
    ASSERT_GT(lines.size(), 0u);
    EXPECT_EQ(lines[lines.size() - 1], "algorithm Newton");
}

TEST(SaveTclScript, EveryLineEndsWithCrLf)
{
    Model model = Import(columnModel);
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, Settings(), lines, warnings);
    const std::string path = (std::filesystem::temp_directory_path() / "vek-column.tcl").string();
    SaveTclScript(lines, path);
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.rfind("wipe\r\nputs \"System\"\r\n", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 13), "analyze 100\r\n");
    std::filesystem::remove(path);
}

} // namespace
} // namespace vek
