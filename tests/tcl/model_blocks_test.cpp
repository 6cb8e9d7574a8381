#include "support/s2k_test_support.h"
#include "tcl/tcl_blocks.h"
#include "tcl/tcl_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using testing::JointTable;
using testing::LinesOf;
using Lines = std::vector<std::string>;

// What one block writer leaves behind.
struct BlockOutput
{
    Lines lines;
    std::vector<std::string> warnings;
    bool multiPoint = false;
};

// The block run on sections prepared from the model, or on `prepared` where given.
BlockOutput RunBlock(void (*block)(TclContext&), Model& model,
                     const Settings& settings = Settings(),
                     const PreparedSections* prepared = nullptr)
{
    TextLines lines;
    BlockOutput out;
    TclContext ctx{model, settings, lines, out.warnings};
    ctx.Sections = prepared ? *prepared : PrepareSections(model, settings.RebarMaterialTag);
    block(ctx);
    out.lines = LinesOf(lines);
    out.multiPoint = ctx.HasMultiPointConstraints;
    return out;
}

Settings WithAggregator(bool on)
{
    Settings settings;
    settings.UseSectionAggregator = on;
    return settings;
}

TMaterial& AddElastic(Model& model, std::int32_t m, double e, double g, double poisson = 0.2)
{
    TMaterial& material = model.Materials.Edit(m);
    material.MatType = MaterialType::Elastic;
    material.E = e;
    material.G = g;
    material.Poisson = poisson;
    return material;
}

TFrameElem Frame(std::int32_t section, std::int32_t nodeI, std::int32_t nodeJ)
{
    TFrameElem frame;
    frame.Section = section;
    frame.NodeI = nodeI;
    frame.NodeJ = nodeJ;
    return frame;
}

TEST(NodeBlock, NodesDiaphragmsMassesAndFixities)
{
    Model empty;
    EXPECT_EQ(RunBlock(WriteModelHeader, empty).lines,
              (Lines{"wipe", "puts \"System\"", "model basic -ndm 3 -ndf 6"}));
    const BlockOutput none = RunBlock(WriteNodeBlock, empty);
    EXPECT_EQ(none.lines, (Lines{"puts \"node\"", "puts \"rigidDiaphragm\"", "puts \"mass\"",
                                 "puts \"restraint\""}));
    EXPECT_FALSE(none.multiPoint);

    Model model;
    model.Joints.Reset(6);
    TJoint& base = model.Joints.Edit(1);
    base.Z = 3000;
    base.MassU1 = 2.5;
    base.Restraint = {0, 1, 1, 1, 1, 1, 1};
    TJoint& negative = model.Joints.Edit(2);
    negative.X = -1500;
    negative.Y = -0.25;
    negative.Z = 12345.6;
    negative.MassU1 = -1;
    negative.MassU2 = 2;
    negative.MassR3 = -0.5;
    negative.Restraint = {0, 0, 0, 1, 0, 0, 0};
    // Linked to joint 2; and linked outside the table, which stands at the origin.
    for (std::int32_t i : {3, 4}) {
        TJoint& linked = model.Joints.Edit(i);
        linked.X = linked.Y = linked.Z = 9;
        linked.LinkedJoint = i == 3 ? 2 : 99;
    }
    // Only MassU1 decides whether a mass is written; flags summing to 0 fix nothing.
    model.Joints.Edit(5).MassU2 = 4;
    model.Joints.Edit(5).Restraint = {0, 1, -1, 0, 0, 0, 0};
    model.Joints.Edit(6).Restraint = {0, 0, 0, 0, 0, 0, 1};
    model.Constraints.Reset(2);
    model.Constraints.Edit(1) = {.SlaveCount = 3, .JointList = {0, 2, 3, 4, 6}, .Master = 6};
    // More slaves counted than listed: only the listed ones are written.
    model.Constraints.Edit(2) = {.SlaveCount = 5, .JointList = {0, 4}, .Master = 1};
    Settings settings;
    settings.GenNodeMass = false;

    const BlockOutput out = RunBlock(WriteNodeBlock, model, settings);
    EXPECT_EQ(out.lines, (Lines{
                             "puts \"node\"",
                             "node 1 0.000E+000 0.000E+000 3.000E+003",
                             "node 2 -1.500E+003 -2.500E-001 1.235E+004",
                             "node 3 -1.500E+003 -2.500E-001 1.235E+004",
                             "node 4 0.000E+000 0.000E+000 0.000E+000",
                             "node 5 0.000E+000 0.000E+000 0.000E+000",
                             "node 6 0.000E+000 0.000E+000 0.000E+000",
                             "puts \"rigidDiaphragm\"",
                             "rigidDiaphragm 3 6 2",
                             "rigidDiaphragm 3 6 3",
                             "rigidDiaphragm 3 6 4",
                             "rigidDiaphragm 3 1 4",
                             "puts \"mass\"",
                             "mass 1 2.500E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000 "
                             "0.000E+000",
                             "mass 2 -1.000E+000 2.000E+000 0.000E+000 0.000E+000 0.000E+000 "
                             "-5.000E-001",
                             "puts \"restraint\"",
                             "fix 6 0 0 1 1 1 0",
                             "fix 1 0 0 1 1 1 0",
                             "fix 1 1 1 1 1 1 1;",
                             "fix 2 0 0 1 0 0 0;",
                             "fix 6 0 0 0 0 0 1;",
                         }));
    EXPECT_TRUE(out.multiPoint);
}

TEST(EqualDofBlock, ReleaseLinksTieTheReleasedEnd)
{
    Model model;
    model.FrameSections.Reset(2);
    model.FrameSections.Edit(1).ElemType = ElementKind::ReleaseLink;
    model.FrameSections.Edit(2).ElemType = ElementKind::ElasticBeamColumn;
    model.Frames.Reset(5);
    const std::int32_t links[][4] = {
        {1, 3, 4, 1}, {1, 5, 6, 2}, {1, 7, 8, 0}, {2, 9, 10, 1}, {0, 11, 12, 1}};
    for (std::int32_t i = 1; i <= 5; ++i) {
        model.Frames.Edit(i) = Frame(links[i - 1][0], links[i - 1][1], links[i - 1][2]);
        model.Frames.Edit(i).Release = static_cast<FrameRelease>(links[i - 1][3]);
    }

    const BlockOutput out = RunBlock(WriteEqualDofBlock, model);
    EXPECT_EQ(out.lines, (Lines{"puts \"Equal DOF\"", "equalDOF 3 4 1 2 3", "equalDOF 6 5 1 2 3"}));
    EXPECT_TRUE(out.multiPoint);

    model.Frames.Count = 3;
    model.Frames.Edit(1).Release = FrameRelease::None;
    model.Frames.Edit(2).Release = FrameRelease::None;
    const BlockOutput unreleased = RunBlock(WriteEqualDofBlock, model);
    EXPECT_EQ(unreleased.lines, (Lines{"puts \"Equal DOF\""}));
    EXPECT_FALSE(unreleased.multiPoint);
}

// Two materials and three frame sections, with their prepared values set by hand.
struct SectionFixture
{
    Model model;
    PreparedSections prepared;
};

SectionFixture SectionModel()
{
    SectionFixture fixture;
    Model& model = fixture.model;
    fixture.prepared.Sections.resize(4);
    model.Materials.Reset(2);
    AddElastic(model, 1, 25000, 10000);
    model.Materials.Edit(2) = {.Name = "S",
                               .MatType = MaterialType::Steel01,
                               .E = 200000,
                               .Fy = 400,
                               .E0 = 2e5,
                               .B = 0.01};
    model.FrameSections.Reset(3);
    const ElementKind types[] = {ElementKind::ElasticBeamColumn, ElementKind::NonlinearBeamColumn,
                                 ElementKind::Truss};
    for (std::int32_t s = 1; s <= 3; ++s) {
        TFrameSection& section = model.FrameSections.Edit(s);
        section.Name = "S" + std::to_string(s);
        section.ElemType = types[s - 1];
        fixture.prepared.Sections[s].Properties = {
            .Asy = 150000.0 * s, .Asz = 20000, .J = 3, .G = 10000};
    }
    return fixture;
}

TEST(Materials, ElasticMaterialsAndAggregatorSprings)
{
    SectionFixture f = SectionModel();
    EXPECT_EQ(RunBlock(WriteMaterials, f.model, Settings(), &f.prepared).lines,
              (Lines{"puts \"material\"", "uniaxialMaterial Elastic 1 2.500E+004",
                     "uniaxialMaterial Steel01 2 4.000E+002 2.000E+005 1.000E-002"}));
    EXPECT_EQ(RunBlock(WriteMaterials, f.model, WithAggregator(true), &f.prepared).lines,
              (Lines{
                  "puts \"material\"",
                  "uniaxialMaterial Elastic 1 2.500E+004",
                  "uniaxialMaterial Steel01 2 4.000E+002 2.000E+005 1.000E-002",
                  "uniaxialMaterial Elastic 201 1.500E+009",
                  "uniaxialMaterial Elastic 301 2.000E+008",
                  "uniaxialMaterial Elastic 401 3.000E+004",
                  "uniaxialMaterial Elastic 202 3.000E+009",
                  "uniaxialMaterial Elastic 302 2.000E+008",
                  "uniaxialMaterial Elastic 402 3.000E+004",
                  "uniaxialMaterial Elastic 203 4.500E+009",
                  "uniaxialMaterial Elastic 303 2.000E+008",
                  "uniaxialMaterial Elastic 403 3.000E+004",
              }));
}

TEST(Materials, ConcreteParametersInCommandOrderAndNoLineWithoutAType)
{
    Model model;
    model.Materials.Reset(2);
    model.Materials.Edit(1) = {.Name = "C",
                               .MatType = MaterialType::Concrete01,
                               .E = 30000,
                               .Fpc = -30,
                               .Epsc0 = -0.002,
                               .Fpcu = -6,
                               .EpsU = -0.006};
    model.Materials.Edit(2).E = 1;
    EXPECT_EQ(RunBlock(WriteMaterials, model).lines,
              (Lines{"puts \"material\"", "uniaxialMaterial Concrete01 1 -3.000E+001 -2.000E-003 "
                                          "-6.000E+000 -6.000E-003"}));
}

TEST(FiberSections, FibresOfNonlinearSectionsAndAggregators)
{
    SectionFixture f = SectionModel();
    f.prepared.Sections[2].Fibers.Fibers = {{},
                                            {.Y = -150, .Z = 75.5, .Area = 900, .MatTag = 1},
                                            {.Y = 150, .Z = -75.5, .Area = 314.2, .MatTag = 2}};
    f.prepared.Sections[3].Fibers.Fibers = {{}, {.Y = 0, .Z = 0, .Area = 1000, .MatTag = 2}};
    const Lines fibres = {
        "##S2 ",
        "section Fiber 2 -GJ 3.000E+004 {",
        "fiber -1.500E+002 7.550E+001 9.000E+002 1",
        "fiber 1.500E+002 -7.550E+001 3.142E+002 2",
        "}",
        "##S3 ",
        "section Fiber 3 -GJ 3.000E+004 {",
        "fiber 0.000E+000 0.000E+000 1.000E+003 2",
        "}",
    };
    EXPECT_EQ(RunBlock(WriteFiberSections, f.model, Settings(), &f.prepared).lines, fibres);

    Lines aggregated = fibres;
    aggregated.push_back("section Aggregator 1002 202 Vy 302 Vz -section 2");
    EXPECT_EQ(RunBlock(WriteFiberSections, f.model, WithAggregator(true), &f.prepared).lines,
              aggregated);
}

TEST(PlateFiberSections, PlateFibreOrElasticMembraneSections)
{
    Model model;
    model.Materials.Reset(4);
    AddElastic(model, 1, 30000, 0, 0.2);
    AddElastic(model, 2, 25000, 0, 0.2);
    model.Materials.Edit(3) = {.Name = "C", .MatType = MaterialType::Concrete01, .E = 28000};
    AddElastic(model, 4, 200000, 0, 0.3);
    model.ShellSections.Reset(5);
    auto shell = [&](std::int32_t k, ShellSectionKind kind, std::int32_t m, double thickness) {
        model.ShellSections.Edit(k) = {
            .Thickness = thickness, .Kind = kind, .Material = m, .Name = "SH" + std::to_string(k)};
    };
    shell(1, ShellSectionKind::None, 2, 100);
    shell(2, ShellSectionKind::Shell, 4, 12.5);
    shell(3, ShellSectionKind::Shell, 1, 200);
    shell(4, ShellSectionKind::Shell, 4, 8);
    shell(5, ShellSectionKind::Shell, 3, 250.5);

    EXPECT_EQ(RunBlock(WritePlateFiberSections, model).lines,
              (Lines{
                  "",
                  "nDMaterial ElasticIsotropic 1 3.000E+004 2.000E-001",
                  "nDMaterial ElasticIsotropic 4 2.000E+005 3.000E-001",
                  "##SH2 ",
                  "nDMaterial PlateFiber 602 4",
                  "section PlateFiber 702 602 12.50",
                  "##SH3 ",
                  "nDMaterial PlateFiber 603 1",
                  "section PlateFiber 703 603 200.00",
                  "##SH4 ",
                  "nDMaterial PlateFiber 604 4",
                  "section PlateFiber 704 604 8.00",
                  "##SH5 ",
                  "nDMaterial PlateFiber 605 3",
                  "section PlateFiber 705 605 250.50",
              }));

    Settings settings;
    settings.GenPlateFiber = false;
    model.ShellSections.Count = 3;
    EXPECT_EQ(RunBlock(WritePlateFiberSections, model, settings).lines,
              (Lines{
                  "",
                  "##SH2 ",
                  "section ElasticMembranePlateSection 702 2.000E+005 3.000E-001 12.50 0",
                  "##SH3 ",
                  "section ElasticMembranePlateSection 703 3.000E+004 2.000E-001 200.00 0",
              }));

    Model empty;
    EXPECT_EQ(RunBlock(WritePlateFiberSections, empty).lines, Lines{""});
}

// One frame section of every element type, used by frames 1..8 in a shuffled order.
SectionFixture ElementModel()
{
    SectionFixture fixture;
    Model& model = fixture.model;
    fixture.prepared.Sections.resize(9);
    model.Materials.Reset(2);
    AddElastic(model, 1, 25000, 10000);
    AddElastic(model, 2, 200000, 80000);
    model.FrameSections.Reset(8);
    for (std::int32_t s = 1; s <= 8; ++s) {
        TFrameSection& section = model.FrameSections.Edit(s);
        section.ElemType = static_cast<ElementKind>(s <= 7 ? s : 0);
        section.Material = 1;
        section.GeomTransf = Transformation::Linear;
    }
    fixture.prepared.Sections[1].Properties = {
        .A = 180000, .Iz = 1.35E9, .Iy = 5.4E9, .J = 3.7079E9};
    model.FrameSections.Edit(2).GeomTransf = Transformation::PDelta;
    model.FrameSections.Edit(3).GeomTransf = Transformation::Corotational;
    TFrameSection& hinged = model.FrameSections.Edit(4);
    hinged.Material = 2;
    fixture.prepared.Sections[4].Properties = {
        .A = 11600, .Iz = 2.67E7, .Iy = 3.4213E8, .J = 1.2E6};
    hinged.GeomTransf = Transformation::None;
    hinged.HingeLengthI = 1000.4;
    hinged.HingeLengthJ = 999.5;
    model.FrameSections.Edit(7).Material = 2;

    model.Frames.Reset(8);
    const std::int32_t sections[] = {2, 3, 4, 1, 5, 6, 7, 8};
    for (std::int32_t i = 1; i <= 8; ++i) {
        TFrameElem& frame = model.Frames.Edit(i) = Frame(sections[i - 1], i, i + 10);
        frame.VecXZ3 = 1;
    }
    TFrameElem& example = model.Frames.Edit(4);
    example.NodeI = 2;
    example.NodeJ = 7;
    model.Frames.Edit(1).VecXZ1 = -0.0001;
    model.Frames.Edit(2).VecXZ2 = -0.7071;
    return fixture;
}

TEST(FrameElements, EveryElementTypeWithItsTransformation)
{
    SectionFixture f = ElementModel();
    const Lines transformations = {
        "puts \"transformation\"",
        "geomTransf PDelta 1 0.000 0.000 1.000 ",
        "geomTransf Corotational 2 0.000 -0.707 1.000 ",
        "geomTransf Linear 3 0.000 0.000 1.000 ",
        "geomTransf Linear 4 0.000 0.000 1.000 ",
        "puts \"element\"",
    };
    auto expected = [&](const char* nonlinear, const char* disp, const char* hinges) {
        Lines lines = transformations;
        lines.insert(lines.end(),
                     {nonlinear, disp, hinges,
                      "element elasticBeamColumn 4 2 7 1.800E+005 2.500E+004 1.000E+004 "
                      "3.708E+009 5.400E+009 1.350E+009 4",
                      "element trussSection 5 5 15 5", "element corotTrussSection 6 6 16 6",
                      "element zeroLength 7 7 17 -mat 2 2 2 -dir 4 5 6"});
        return lines;
    };
    Settings fivePoints;
    fivePoints.NumIntegrationPoints = 5;
    const BlockOutput plain = RunBlock(WriteFrameElements, f.model, fivePoints, &f.prepared);
    EXPECT_EQ(plain.lines, expected("element nonlinearBeamColumn 1 1 11 5 2 1",
                                    "element dispBeamColumn 2 2 12 5 3 2",
                                    "element beamWithHinges 3 3 13 4 1000 4 1000 2.000E+005 "
                                    "1.160E+004 2.670E+007 3.421E+008 8.000E+004 1.200E+006 3 "));
    EXPECT_EQ(plain.warnings, std::vector<std::string>{});

    // With aggregators the beam-column elements use the aggregated sections; trusses do not.
    Settings aggregated = fivePoints;
    aggregated.UseSectionAggregator = true;
    EXPECT_EQ(RunBlock(WriteFrameElements, f.model, aggregated, &f.prepared).lines,
              expected("element nonlinearBeamColumn 1 1 11 5 1002 1",
                       "element dispBeamColumn 2 2 12 5 1003 2",
                       "element beamWithHinges 3 3 13 1004 1000 1004 1000 2.000E+005 "
                       "1.160E+004 2.670E+007 3.421E+008 8.000E+004 1.200E+006 3 "));

    Model trusses = ElementModel().model;
    trusses.Frames.Count = 2;
    trusses.Frames.Edit(1).Section = 5;
    trusses.Frames.Edit(2).Section = 6;
    EXPECT_EQ(RunBlock(WriteFrameElements, trusses).lines,
              (Lines{"puts \"transformation\"", "puts \"element\"", "element trussSection 1 1 11 5",
                     "element corotTrussSection 2 2 12 6"}));
}

TEST(FrameElements, FramesWithoutASectionAreLeftOutWithOneWarning)
{
    Model model =
        Import(fileHead + JointTable(3) +
               "MATERIAL\n  NAME=C25  IDES=C\n    T=0  E=25000  U=0.25\n\n"
               "FRAME SECTION\n  NAME=T100  MAT=C25  SH=R  T=100,100\n\n"
               "FRAME\n  1  J=1,2  SEC=T100  NSEG=4  ANG=0\n  2  J=2,3  SEC=B300  NSEG=4  ANG=0\n"
               "  3  J=2,99  SEC=T100  NSEG=4  ANG=0\n  4  J=1,3  SEC=B400  NSEG=4  ANG=0\n"
               "  5  J=1,3  SEC=T100  NSEG=4  ANG=0\n\n");
    ASSERT_EQ(model.FrameCount(), 5);
    const BlockOutput out = RunBlock(WriteFrameElements, model);
    EXPECT_EQ(out.lines, (Lines{"puts \"transformation\"", "puts \"element\"",
                                "element trussSection 1 1 2 1", "element trussSection 5 1 3 1"}));
    EXPECT_EQ(out.warnings,
              std::vector<std::string>{"Frame 2 names the section \"B300\", which is not in the "
                                       "model; 3 frames without a section were left out of the "
                                       "script."});

    model.Frames.Count = 2;
    EXPECT_EQ(RunBlock(WriteFrameElements, model).warnings,
              std::vector<std::string>{"Frame 2 names the section \"B300\", which is not in the "
                                       "model; 1 frame without a section was left out of the "
                                       "script."});
}

TEST(ShellElements, NumberedAfterTheFrames)
{
    Model model;
    model.Frames.Reset(3);
    model.ShellSections.Reset(3);
    model.ShellSections.Edit(1) = {
        .Kind = ShellSectionKind::Shell, .Name = "FLAT", .ShellElemType = ShellElement::MITC4};
    model.ShellSections.Edit(2) = {
        .Kind = ShellSectionKind::None, .Name = "MEMBRANE", .ShellElemType = ShellElement::MITC4};
    model.ShellSections.Edit(3) = {
        .Kind = ShellSectionKind::Shell, .Name = "DKGQ", .ShellElemType = ShellElement::DKGQ};
    model.Shells.Reset(4);
    model.Shells.Edit(1) = {"", 3, 1, 2, 3, 4};
    model.Shells.Edit(2) = {"", 1, 5, 6, 7, 8};
    model.Shells.Edit(3) = {"", 2, 9, 10, 11, 12};
    model.Shells.Edit(4) = {"", 7, 13, 14, 15, 16};
    EXPECT_EQ(RunBlock(WriteShellElements, model).lines,
              (Lines{"puts \"shell element\"", "element ShellDKGQ 4 1 2 3 4 703",
                     "element ShellMITC4 5 5 6 7 8 701"}));

    Model noFrames = Import(fileHead + JointTable(4) +
                            "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n\n"
                            "SHELL SECTION\n  NAME=SLAB  MAT=C30   TYPE=Shell,Thin  TH=200\n\n"
                            "SHELL\n  1  J=1,2,4,3  SEC=SLAB\n\n");
    ASSERT_LT(noFrames.FrameCount(), 0);
    EXPECT_EQ(RunBlock(WriteShellElements, noFrames).lines,
              (Lines{"puts \"shell element\"", "element ShellMITC4 1 1 2 3 4 701"}));
}

TEST(SolidElements, CornersInOrderThenTheTag)
{
    Model model;
    model.Solids.Reset(2);
    model.Solids.Edit(1) = {1, 11, 12, 13, 14, 15, 16, 17, 18};
    model.Solids.Edit(2) = {2, 21, 22, 23, 24, 25, 26, 27, 28};
    Settings settings;
    settings.SolidMaterials = {{1, {30000, 0.2}}, {2, {200000, 0.3}}};
    EXPECT_EQ(RunBlock(WriteSolidElements, model, settings).lines,
              (Lines{"puts \"SOLID element\"", "model basic -ndm 3 -ndf 3",
                     "nDMaterial ElasticIsotropic 1 3.000E+004 2.000E-001",
                     "nDMaterial ElasticIsotropic 2 2.000E+005 3.000E-001",
                     "element stdBrick 1 11 12 13 14 15 16 17 18 1",
                     "element stdBrick 2 21 22 23 24 25 26 27 28 2", "model basic -ndm 3 -ndf 6"}));
}

} // namespace
} // namespace vek
