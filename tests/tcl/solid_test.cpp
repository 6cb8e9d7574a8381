#include "cli/cli.h"
#include "support/s2k_test_support.h"
#include "support/solid_models.h"
#include "tcl/solid_joints.h"
#include "tcl/solid_materials.h"
#include "tcl/tcl_blocks.h"
#include "tcl/tcl_generator.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using testing::LinesOf;
using Lines = std::vector<std::string>;

// One brick whose bottom corners 1..4 are restrained supports. Its top corner 8 carries a
// column (8-9), its top corners 5 and 6 the edge of a shell (10, 11, 6, 5) that is fixed along
// 10-11, and its top corner 7 only the brick: a solid joint with a mass and a restraint in U3
// and R1. A joint force with a moment acts on joint 7, one on the shared joint 8.
const std::string mixedModel =
    fileHead + "JOINT\n"
               "  1  X=0  Y=0  Z=0\n"
               "  2  X=1000  Y=0  Z=0\n"
               "  3  X=0  Y=1000  Z=0\n"
               "  4  X=1000  Y=1000  Z=0\n"
               "  5  X=0  Y=0  Z=1000\n"
               "  6  X=1000  Y=0  Z=1000\n"
               "  7  X=0  Y=1000  Z=1000\n"
               "  8  X=1000  Y=1000  Z=1000\n"
               "  9  X=1000  Y=1000  Z=4000\n"
               "  10  X=0  Y=-1000  Z=1000\n"
               "  11  X=1000  Y=-1000  Z=1000\n\n"
               "RESTRAINT\n"
               "  ADD=1  DOF=U1,U2,U3\n"
               "  ADD=2  DOF=U1,U2,U3\n"
               "  ADD=3  DOF=U1,U2,U3\n"
               "  ADD=4  DOF=U1,U2,U3\n"
               "  ADD=7  DOF=U3,R1\n"
               "  ADD=9  DOF=R1,R2,R3\n"
               "  ADD=10  DOF=U1,U2,U3,R1,R2,R3\n"
               "  ADD=11  DOF=U1,U2,U3,R1,R2,R3\n\n"
               "MASS\n"
               "  ADD=3  U1=0  U2=1  U3=1\n"
               "  ADD=7  U1=2  U2=3  U3=4\n"
               "  ADD=9  U1=5  U2=5  U3=0\n\n"
               "MATERIAL\n"
               "  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n"
               "  NAME=S355  IDES=S\n    T=0  E=200000  U=0.3\n\n"
               "FRAME SECTION\n  NAME=E500  MAT=C30  SH=R  T=500,500\n\n"
               "SHELL SECTION\n  NAME=SLAB200  MAT=C30   TYPE=Shell,Thin  TH=200\n\n"
               "FRAME\n  1  J=8,9  SEC=E500  NSEG=4  ANG=0\n\n"
               "SHELL\n  1  J=10,11,5,6  SEC=SLAB200\n\n"
               "SOLID\n  1  J=1,2,3,4,5,6,7,8  SEC=2\n\n"
               "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n"
               "      ADD=7  UX=1  UY=2  UZ=-3  RX=5\n"
               "      ADD=9  UZ=-1000\n"
               "      ADD=8  UX=10  RZ=7\n\n";

using testing::bricksOnly;

struct Generated
{
    Lines lines;
    std::vector<std::string> warnings;
};

Generated GenerateWithSolidMaterials(Model& model, Settings settings = Settings())
{
    InitSolidMaterials(model, settings);
    TextLines lines;
    Generated out;
    GenerateTclScript(model, settings, lines, out.warnings);
    out.lines = LinesOf(lines);
    return out;
}

// What some blocks leave behind, run in order on one context whose joints are classified.
struct BlockOutput
{
    Lines lines;
    std::vector<std::string> warnings;
    bool multiPoint = false;
};

BlockOutput RunBlocks(Model& model, std::initializer_list<void (*)(TclContext&)> blocks,
                      const Settings& settings = Settings())
{
    TextLines lines;
    BlockOutput out;
    TclContext ctx{model, settings, lines, out.warnings};
    ctx.JointClasses.Classify(model);
    ctx.Sections = PrepareSections(model, settings.RebarMaterialTag);
    for (auto block : blocks)
        block(ctx);
    out.lines = LinesOf(lines);
    out.multiPoint = ctx.HasMultiPointConstraints;
    return out;
}

TSolidElem Brick(std::int32_t tag, std::int32_t first)
{
    return {tag,       first,     first + 1, first + 2, first + 3,
            first + 4, first + 5, first + 6, first + 7};
}

TEST(SolidJoints, SolidOnlySharedAndOtherJoints)
{
    Model model;
    model.Joints.Reset(12);
    model.Solids.Reset(2);
    model.Solids.Edit(1) = Brick(1, 1); // joints 1..8
    // Corners outside the table count for no joint.
    model.Solids.Edit(2) = {1, 0, 99, -3, 9, 2, 3, 4, 5};
    model.Frames.Reset(2);
    model.Frames.Edit(1).NodeI = 10;
    model.Frames.Edit(1).NodeJ = 7;
    model.Frames.Edit(2).NodeI = 11;
    model.Frames.Edit(2).NodeJ = 12;
    model.Shells.Reset(1);
    // A membrane shell names its joints as well.
    model.Shells.Edit(1) = {"", 0, 2, 5, 10, 11};

    SolidJoints joints;
    joints.Classify(model);
    EXPECT_EQ(joints.SolidList(), (std::vector<std::int32_t>{1, 3, 4, 6, 8, 9}));
    EXPECT_EQ(joints.SharedList(), (std::vector<std::int32_t>{2, 5, 7}));
    EXPECT_TRUE(joints.Any());
    EXPECT_TRUE(joints.IsSolid(9));
    EXPECT_FALSE(joints.IsSolid(10));
    EXPECT_FALSE(joints.IsShared(10));
    EXPECT_FALSE(joints.IsSolid(0));
    EXPECT_FALSE(joints.IsShared(99));
    EXPECT_EQ(joints.TwinOf(2), 13);
    EXPECT_EQ(joints.TwinOf(7), 15);
    EXPECT_EQ(joints.TwinOf(8), 0);
    EXPECT_EQ(joints.SolidNode(5), 14);
    EXPECT_EQ(joints.SolidNode(8), 8);
    EXPECT_EQ(joints.SolidNode(11), 11);

    // A new classification forgets the old one.
    model.Solids.Count = 0;
    joints.Classify(model);
    EXPECT_FALSE(joints.Any());
    EXPECT_FALSE(joints.IsSolid(1));
    EXPECT_EQ(joints.SolidNode(2), 2);
}

TEST(SolidScript, MixedModelWithSharedJoints)
{
    Model model = Import(mixedModel);
    const Generated out = GenerateWithSolidMaterials(model);
    const Lines expected = {
        "wipe",
        "puts \"System\"",
        "model basic -ndm 3 -ndf 6",
        "puts \"node\"",
        "node 5 0.000E+000 0.000E+000 1.000E+003",
        "node 6 1.000E+003 0.000E+000 1.000E+003",
        "node 8 1.000E+003 1.000E+003 1.000E+003",
        "node 9 1.000E+003 1.000E+003 4.000E+003",
        "node 10 0.000E+000 -1.000E+003 1.000E+003",
        "node 11 1.000E+003 -1.000E+003 1.000E+003",
        "model basic -ndm 3 -ndf 3",
        "node 1 0.000E+000 0.000E+000 0.000E+000",
        "node 2 1.000E+003 0.000E+000 0.000E+000",
        "node 3 0.000E+000 1.000E+003 0.000E+000",
        "node 4 1.000E+003 1.000E+003 0.000E+000",
        "node 7 0.000E+000 1.000E+003 1.000E+003",
        "node 12 0.000E+000 0.000E+000 1.000E+003",
        "node 13 1.000E+003 0.000E+000 1.000E+003",
        "node 14 1.000E+003 1.000E+003 1.000E+003",
        "model basic -ndm 3 -ndf 6",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "mass 7 2.000E+000 3.000E+000 4.000E+000",
        "mass 9 5.000E+000 5.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000",
        "puts \"restraint\"",
        "fix 1 1 1 1;",
        "fix 2 1 1 1;",
        "fix 3 1 1 1;",
        "fix 4 1 1 1;",
        "fix 7 0 0 1;",
        "fix 9 0 0 0 1 1 1;",
        "fix 10 1 1 1 1 1 1;",
        "fix 11 1 1 1 1 1 1;",
        "puts \"Equal DOF\"",
        "equalDOF 5 12 1 2 3",
        "equalDOF 6 13 1 2 3",
        "equalDOF 8 14 1 2 3",
        "puts \"material\"",
        "uniaxialMaterial Elastic 1 3.000E+004",
        "uniaxialMaterial Elastic 2 2.000E+005",
        "",
        "nDMaterial ElasticIsotropic 1 3.000E+004 2.000E-001",
        "##SLAB200 ",
        "nDMaterial PlateFiber 601 1",
        "section PlateFiber 701 601 200.00",
        "puts \"transformation\"",
        "geomTransf Linear 1 1.000 0.000 0.000 ",
        "puts \"element\"",
        "element elasticBeamColumn 1 8 9 2.500E+005 3.000E+004 1.250E+004 8.802E+009 5.208E+009 "
        "5.208E+009 1",
        "puts \"shell element\"",
        "element ShellMITC4 2 10 11 6 5 701",
        "puts \"SOLID element\"",
        "model basic -ndm 3 -ndf 3",
        "nDMaterial ElasticIsotropic 2 2.000E+005 3.000E-001",
        "element stdBrick 3 1 2 4 3 12 13 14 7 2",
        "model basic -ndm 3 -ndf 6",
        "puts \"recorder\"",
        "recorder Node -file node0.out -time -nodeRange 1 11 -dof 1 2 3 disp",
        "puts \"loading\"",
        "## Load Case = DEAD",
        "pattern Plain 1 Linear {",
        "load 7 1.000E+000 2.000E+000 -3.000E+000",
        "load 9 0.000E+000 0.000E+000 -1.000E+003 0.000E+000 0.000E+000 0.000E+000",
        "load 8 1.000E+001 0.000E+000 0.000E+000 0.000E+000 0.000E+000 7.000E+000",
        "}",
        "puts \"analysis\"",
        "constraints Transformation",
        "numberer Plain",
        "system UmfPack",
        "test EnergyIncr 1.0e-6 200",
        "algorithm Newton",
        "integrator LoadControl 1.000E-002",
        "analysis Static",
        "analyze 100",
    };
    EXPECT_EQ(out.lines, expected);
    EXPECT_EQ(out.warnings,
              std::vector<std::string>{"Load case DEAD puts a moment on joint 7, which only solids "
                                       "use and which has no rotations: the moments of 1 joint "
                                       "force were left out of pattern 1."});
    // A second generation classifies the joints again and writes the same script.
    EXPECT_EQ(GenerateWithSolidMaterials(model).lines, expected);
}

TEST(SolidScript, BricksOnly)
{
    Model model = Import(bricksOnly);
    ASSERT_LT(model.FrameCount(), 0);
    ASSERT_LT(model.ShellCount(), 0);
    Settings settings;
    settings.AnalysisType = 2;
    settings.ControlNode = 12;
    settings.SolidMaterials[100] = {30000, 0.2};
    // InitSolidMaterials would clear the entry: the import gave no material 100.
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, settings, lines, warnings);
    const Lines expected = {
        "wipe",
        "puts \"System\"",
        "model basic -ndm 3 -ndf 6",
        "puts \"node\"",
        "model basic -ndm 3 -ndf 3",
        "node 1 0.000E+000 0.000E+000 0.000E+000",
        "node 2 1.000E+003 0.000E+000 0.000E+000",
        "node 3 2.000E+003 0.000E+000 0.000E+000",
        "node 4 0.000E+000 1.000E+003 0.000E+000",
        "node 5 1.000E+003 1.000E+003 0.000E+000",
        "node 6 2.000E+003 1.000E+003 0.000E+000",
        "node 7 0.000E+000 0.000E+000 1.000E+003",
        "node 8 1.000E+003 0.000E+000 1.000E+003",
        "node 9 2.000E+003 0.000E+000 1.000E+003",
        "node 10 0.000E+000 1.000E+003 1.000E+003",
        "node 11 1.000E+003 1.000E+003 1.000E+003",
        "node 12 2.000E+003 1.000E+003 1.000E+003",
        "model basic -ndm 3 -ndf 6",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "puts \"restraint\"",
        "fix 1 1 1 1;",
        "fix 2 1 1 1;",
        "fix 3 1 1 1;",
        "fix 4 1 1 1;",
        "fix 5 1 1 1;",
        "fix 6 1 1 1;",
        "puts \"Equal DOF\"",
        "puts \"material\"",
        "",
        "puts \"transformation\"",
        "puts \"element\"",
        "puts \"shell element\"",
        "puts \"SOLID element\"",
        "model basic -ndm 3 -ndf 3",
        "nDMaterial ElasticIsotropic 100 3.000E+004 2.000E-001",
        "element stdBrick 1 1 2 5 4 7 8 11 10 100",
        "element stdBrick 2 2 3 6 5 8 9 12 11 100",
        "model basic -ndm 3 -ndf 6",
        "puts \"recorder\"",
        "recorder Node -file node0.out -time -nodeRange 1 12 -dof 1 2 3 disp",
        "puts \"loading\"",
        "## Load Case = PUSH",
        "pattern Plain 1 Linear {",
        "load 12 5.000E+002 0.000E+000 0.000E+000",
        "}",
        "puts \"analysis\"",
        "constraints Plain",
        "numberer Plain",
        "system UmfPack",
        "test EnergyIncr 1.0e-6 200",
        "algorithm Newton",
        "integrator DisplacementControl 12 1 1.000E-001",
        "analysis Static",
        "analyze 100",
    };
    EXPECT_EQ(LinesOf(lines), expected);
    EXPECT_EQ(warnings, std::vector<std::string>{});

    // From the import alone, tag 100 has no material: no nDMaterial line, and a warning.
    const Generated bare = GenerateWithSolidMaterials(model, settings);
    EXPECT_EQ(std::count(bare.lines.begin(), bare.lines.end(),
                         "nDMaterial ElasticIsotropic 100 3.000E+004 2.000E-001"),
              0);
    EXPECT_EQ(bare.warnings,
              std::vector<std::string>{
                  "Solid material 100 has no E and Poisson's ratio: set them with "
                  "--solid-material 100:E=...,Poisson=... (or the Solid Material dialog); "
                  "OpenSees will stop at its first brick."});
}

TEST(SolidElements, MaterialsOnceInOrderOfFirstUseAfterTheShellMaterials)
{
    Model model;
    model.Materials.Reset(3);
    model.Materials.Edit(1) = {
        .Name = "C", .MatType = MaterialType::Elastic, .E = 30000, .Poisson = 0.2};
    model.ShellSections.Reset(1);
    model.ShellSections.Edit(1) = {
        .Thickness = 150, .Kind = ShellSectionKind::Shell, .Material = 1, .Name = "S"};
    model.Frames.Count = -1;
    model.Shells.Reset(2);
    model.Joints.Reset(40);
    model.Solids.Reset(5);
    // Tag 1 is the shells' ElasticIsotropic material and 601 their PlateFiber material: both
    // are written already. Tag 7 has no solid material.
    const std::int32_t tags[] = {5, 1, 3, 5, 601};
    for (std::int32_t i = 1; i <= 5; ++i)
        model.Solids.Edit(i) = Brick(tags[i - 1], 1);
    model.Solids.Edit(3).SectionTag = 7;
    Settings settings;
    settings.SolidMaterials = {{5, {25000, 0.25}}, {3, {1, 0.1}}, {1, {2, 0.3}}};

    const BlockOutput out =
        RunBlocks(model, {WritePlateFiberSections, WriteSolidElements}, settings);
    EXPECT_EQ(out.lines, (Lines{
                             "",
                             "nDMaterial ElasticIsotropic 1 3.000E+004 2.000E-001",
                             "##S ",
                             "nDMaterial PlateFiber 601 1",
                             "section PlateFiber 701 601 150.00",
                             "puts \"SOLID element\"",
                             "model basic -ndm 3 -ndf 3",
                             "nDMaterial ElasticIsotropic 5 2.500E+004 2.500E-001",
                             "element stdBrick 3 1 2 3 4 5 6 7 8 5",
                             "element stdBrick 4 1 2 3 4 5 6 7 8 1",
                             "element stdBrick 5 1 2 3 4 5 6 7 8 7",
                             "element stdBrick 6 1 2 3 4 5 6 7 8 5",
                             "element stdBrick 7 1 2 3 4 5 6 7 8 601",
                             "model basic -ndm 3 -ndf 6",
                         }));
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_EQ(out.warnings[0].rfind("Solid material 7 has no E and Poisson's ratio", 0), 0u);

    model.Solids.Count = 0;
    EXPECT_EQ(RunBlocks(model, {WriteSolidElements}).lines, Lines{"puts \"SOLID element\""});
}

// Joints 1..8 carry only a brick, joints 9..12 frames.
Model BrickWithFrames()
{
    Model model;
    model.Joints.Reset(12);
    model.Solids.Reset(1);
    model.Solids.Edit(1) = Brick(1, 1);
    model.Frames.Reset(2);
    model.Frames.Edit(1).NodeI = 9;
    model.Frames.Edit(1).NodeJ = 10;
    model.Frames.Edit(2).NodeI = 11;
    model.Frames.Edit(2).NodeJ = 12;
    return model;
}

TEST(SolidJoints, RigidDiaphragmsOnSolidJointsWarn)
{
    Model model = BrickWithFrames();
    model.Constraints.Reset(3);
    model.Constraints.Edit(1) = {.SlaveCount = 3, .JointList = {0, 9, 2, 3, 10}, .Master = 10};
    model.Constraints.Edit(2) = {.SlaveCount = 1, .JointList = {0, 11, 4}, .Master = 4};
    model.Constraints.Edit(3) = {.SlaveCount = 1, .JointList = {0, 11, 12}, .Master = 12};
    const BlockOutput out = RunBlocks(model, {WriteNodeBlock});
    // The lines stay as they are.
    const Lines diaphragms = {"puts \"rigidDiaphragm\"",
                              "rigidDiaphragm 3 10 9",
                              "rigidDiaphragm 3 10 2",
                              "rigidDiaphragm 3 10 3",
                              "rigidDiaphragm 3 4 11",
                              "rigidDiaphragm 3 12 11",
                              "puts \"mass\""};
    const auto from = std::find(out.lines.begin(), out.lines.end(), diaphragms.front());
    ASSERT_NE(from, out.lines.end());
    EXPECT_EQ(Lines(from, from + static_cast<std::ptrdiff_t>(diaphragms.size())), diaphragms);
    EXPECT_EQ(out.warnings,
              (std::vector<std::string>{
                  "Rigid diaphragm 1 names 2 joints that only solids use (the first is joint 2): "
                  "a solid joint has 3 degrees of freedom and a rigid diaphragm needs 6, so "
                  "OpenSees leaves it out of the diaphragm.",
                  "Rigid diaphragm 2 names joint 4, which only solids use: a solid joint has 3 "
                  "degrees of freedom and a rigid diaphragm needs 6, so OpenSees leaves it out "
                  "of the diaphragm; the master's fix has 6 values, at which OpenSees stops."}));
}

TEST(SolidJoints, MomentsOnSolidJointsAreDroppedWithOneWarningPerPattern)
{
    Model model = BrickWithFrames();
    model.LoadCaseCount = 2;
    model.LoadCaseNames[0] = "A";
    model.LoadCaseNames[1] = "B";
    model.Loads.Reset(5);
    model.Loads.Edit(1) = {
        .Target = 3, .LoadType = LoadKind::JointForce, .CaseName = "A", .UX = 1, .RY = 2};
    model.Loads.Edit(2) = {.Target = 9, .LoadType = LoadKind::JointForce, .CaseName = "A", .RX = 4};
    model.Loads.Edit(3) = {
        .Target = 5, .LoadType = LoadKind::JointForce, .CaseName = "A", .RZ = -1};
    model.Loads.Edit(4) = {
        .Target = 6, .LoadType = LoadKind::JointForce, .CaseName = "B", .UZ = -7};
    model.Loads.Edit(5) = {.Target = 8, .LoadType = LoadKind::JointForce, .CaseName = "C", .RX = 1};

    TextLines lines;
    std::vector<std::string> warnings;
    Settings settings;
    TclContext ctx{model, settings, lines, warnings};
    ctx.JointClasses.Classify(model);
    WriteLoadPattern(ctx, 1, 11);
    WriteLoadPattern(ctx, 2);
    EXPECT_EQ(LinesOf(lines),
              (Lines{"## Load Case = A", "pattern Plain 11 Linear {",
                     "load 3 1.000E+000 0.000E+000 0.000E+000",
                     "load 9 0.000E+000 0.000E+000 0.000E+000 4.000E+000 0.000E+000 0.000E+000",
                     "load 5 0.000E+000 0.000E+000 0.000E+000", "}", "## Load Case = B",
                     "pattern Plain 2 Linear {", "load 6 0.000E+000 0.000E+000 -7.000E+000", "}"}));
    EXPECT_EQ(warnings, std::vector<std::string>{
                            "Load case A puts a moment on joint 3, which only solids use and "
                            "which has no rotations: the moments of 2 joint forces were left out "
                            "of pattern 11."});
}

TEST(InitSolidMaterials, EachUsedTagTakesItsMaterial)
{
    Model model;
    model.Materials.Reset(3);
    model.Materials.Edit(2) = {
        .Name = "C", .MatType = MaterialType::Concrete01, .E = 28000, .Poisson = 0.18};
    model.Materials.Edit(3) = {
        .Name = "S", .MatType = MaterialType::Elastic, .E = 200000, .Poisson = 0.3};
    model.Solids.Reset(6);
    const std::int32_t tags[] = {3, 2, 3, 0, 4, -1};
    for (std::int32_t i = 1; i <= 6; ++i)
        model.Solids.Edit(i).SectionTag = tags[i - 1];
    Settings settings;
    // An earlier model's entries go.
    settings.SolidMaterials[1] = {5, 0.1};
    InitSolidMaterials(model, settings);
    ASSERT_EQ(settings.SolidMaterials.size(), 2u);
    EXPECT_EQ(settings.SolidMaterials.at(2).E, 28000);
    EXPECT_EQ(settings.SolidMaterials.at(2).Poisson, 0.18);
    EXPECT_EQ(settings.SolidMaterials.at(3).E, 200000);
    EXPECT_EQ(settings.SolidMaterials.at(3).Poisson, 0.3);

    model.Solids.Count = -1;
    InitSolidMaterials(model, settings);
    EXPECT_TRUE(settings.SolidMaterials.empty());
}

struct CliResult
{
    int code;
    std::string out;
    std::string err;
};

CliResult RunVekCli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

class SolidMaterialOption : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path_ = (std::filesystem::temp_directory_path() / "vek-solid-mixed.s2k").string();
        WriteWholeFile(path_, mixedModel);
    }
    void TearDown() override { std::filesystem::remove(path_); }

    std::string path_;
};

TEST_F(SolidMaterialOption, SetsTheMaterialAfterTheImport)
{
    const std::string imported = "nDMaterial ElasticIsotropic 2 2.000E+005 3.000E-001\r\n";
    const CliResult plain = RunVekCli({"tcl", path_});
    EXPECT_EQ(plain.code, 0) << plain.err;
    EXPECT_NE(plain.out.find(imported), std::string::npos);

    const CliResult set = RunVekCli({"tcl", path_, "--solid-material", "2:Poisson=-0.5,E=1.5e3",
                                     "--solid-material", "2:E=25000,Poisson=0.25"});
    EXPECT_EQ(set.code, 0) << set.err;
    EXPECT_EQ(set.out.find(imported), std::string::npos);
    EXPECT_NE(set.out.find("nDMaterial ElasticIsotropic 2 2.500E+004 2.500E-001\r\n"),
              std::string::npos);

    // A tag that no solid names changes nothing, and says so.
    const CliResult unused = RunVekCli({"tcl", path_, "--solid-material", "100:E=1,Poisson=0"});
    EXPECT_EQ(unused.code, 0);
    EXPECT_EQ(unused.out, plain.out);
    EXPECT_EQ(unused.err.rfind("warning: no solid names the material 100: --solid-material 100 "
                               "changes nothing.\n",
                               0),
              0u);
}

TEST_F(SolidMaterialOption, BadValuesAreUsageErrors)
{
    for (const char* value :
         {"2", "2:E=1", "2:Poisson=0.2", "2:E=1,Poisson=0.2,E=2", "2:E=1,Nu=0.2",
          "2:E=1,Poisson=0.2,", "2:E=1;Poisson=0.2", "2:E,Poisson=0.2", "x:E=1,Poisson=0.2",
          "2:E=abc,Poisson=0.2", "2:E=0,Poisson=0.2", "2:E=-3,Poisson=0.2", "2:E=1,Poisson=0.5",
          "2:E=1,Poisson=-1", "2:E=1,Poisson=inf"}) {
        const CliResult r = RunVekCli({"tcl", path_, "--solid-material", value});
        EXPECT_EQ(r.code, 2) << value;
        EXPECT_EQ(r.out, "") << value;
    }
    EXPECT_EQ(RunVekCli({"tcl", path_, "--solid-material"}).code, 2);
    const CliResult r = RunVekCli({"tcl", path_, "--solid-material", "2:E=1,Poisson=0.5"});
    EXPECT_EQ(r.err,
              "vek-cli tcl: the Poisson's ratio of solid material 2 must lie between -1 and 0.5\n"
              "Try 'vek-cli tcl --help' for its options.\n");
}

} // namespace
} // namespace vek
