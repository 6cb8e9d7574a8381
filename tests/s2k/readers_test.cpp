#include "s2k/table_readers.h"
#include "support/s2k_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using testing::ImportError;
using testing::JointTable;

TEST(ReadJoints, CoordinatesRoundToTenthHalfEven)
{
    const Model model = Import(
        fileHead + "JOINT\n  1  X=1.25  Y=1.35  Z=3000.04\n  2  X=0.35  Y=-1.25  Z=2.5E3\n\n");
    ASSERT_EQ(model.JointCount(), 2);
    EXPECT_EQ(model.Joints[1].X, 1.2);
    EXPECT_EQ(model.Joints[1].Y, 1.4);
    EXPECT_EQ(model.Joints[1].Z, 3000.0);
    // 0.35 is stored slightly below the tie.
    EXPECT_EQ(model.Joints[2].X, 0.3);
    EXPECT_EQ(model.Joints[2].Y, -1.2);
    EXPECT_EQ(model.Joints[2].Z, 2500.0);
}

TEST(ReadJoints, BadOrMissingCoordinateStopsImport)
{
    EXPECT_EQ(ImportError(fileHead + "JOINT\n  1  X=0  Y=abc  Z=0\n\n"),
              "'abc' is not a valid floating point value");
    EXPECT_EQ(ImportError(fileHead + "JOINT\n  1  X=0  Y=0\n\n"),
              "'' is not a valid floating point value");
    EXPECT_EQ(ImportError(fileHead + "JOINT\n  1  X=0  Y=0  Z=0\n"), "Range check error");
}

TEST(ReadRestraints, CollectsFixitiesOfEveryLine)
{
    const Model model = Import(fileHead + JointTable(4) +
                               "RESTRAINT\n  ADD=4  DOF=U1,U2,U3\n  ADD=4  DOF=R1\n  NAME=4  "
                               "DOF=R3\n  ADD=2  DOF=U4,R2\n\n");
    EXPECT_EQ(model.Joints[4].Restraint, (std::array<std::int32_t, 7>{0, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(model.Joints[2].Restraint, (std::array<std::int32_t, 7>{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(model.Joints[1].Restraint, (std::array<std::int32_t, 7>{}));
}

TEST(ReadConstraints, LastListedJointIsMaster)
{
    const Model model = Import(fileHead + JointTable(7) +
                               "CONSTRAINT\n  NAME=1  TYPE=DIAPH\n    ADD=5\n    ADD=6\n    ADD=7\n"
                               "  NAME=2  TYPE=DIAPH\n  ADD=3\n\n");
    ASSERT_EQ(model.ConstraintCount(), 2);
    const TConstraint& first = model.Constraints[1];
    EXPECT_EQ(first.Master, 7);
    EXPECT_EQ(first.SlaveCount, 2);
    EXPECT_EQ(first.JointList, (std::vector<std::int32_t>{0, 5, 6, 7}));
    // A head line without joint lines (the two-space line is not a joint line).
    EXPECT_EQ(model.Constraints[2].Master, 0);
    EXPECT_EQ(model.Constraints[2].SlaveCount, -1);
}

TEST(ReadConstraints, LinesOutsideTheModelAreSkipped)
{
    const Model model =
        Import(fileHead + JointTable(3) +
               "CONSTRAINT\n    ADD=1\n  NAME=1\n    ADD=2\n    ADD=99\n    ADD=0\n    ADD=3\n"
               "  NAME=5\n    ADD=1\n\n");
    ASSERT_EQ(model.ConstraintCount(), 2);
    EXPECT_EQ(model.Constraints[1].JointList, (std::vector<std::int32_t>{0, 2, 3}));
    EXPECT_EQ(model.Constraints[1].Master, 3);
    EXPECT_EQ(model.Constraints[2].Master, 0);
    EXPECT_EQ(ImportError(fileHead + JointTable(3) + "CONSTRAINT\n  NAME=1\n    ADD=x\n\n"),
              "'x' is not a valid integer value");
    EXPECT_EQ(ImportError(fileHead + JointTable(3) + "CONSTRAINT\n  NAME=A\n    ADD=1\n\n"),
              "'A' is not a valid integer value");
}

TEST(ReadMasses, KeysCountOnlyAtTheirPositions)
{
    const Model model =
        Import(fileHead + JointTable(3) +
               "MASS\n  ADD=1  U1=2.5  U2=3.5  U3=4.5\n  ADD=2  U1=1  U3=7\n  ADD=9  U1=1\n\n");
    EXPECT_EQ(model.Joints[1].MassU1, 2.5);
    EXPECT_EQ(model.Joints[1].MassU2, 3.5);
    EXPECT_EQ(model.Joints[1].MassU3, 4.5);
    // U3 stands in the U2 place and is not seen.
    EXPECT_EQ(model.Joints[2].MassU1, 1);
    EXPECT_EQ(model.Joints[2].MassU3, 0);
    EXPECT_EQ(ImportError(fileHead + JointTable(3) + "MASS\n  ADD=one  U1=1\n\n"),
              "'one' is not a valid integer value");
    // The numbers of a line naming no joint are still converted.
    EXPECT_EQ(ImportError(fileHead + JointTable(3) + "MASS\n  ADD=9  U1=heavy\n\n"),
              "'heavy' is not a valid floating point value");
}

const std::string materials = "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n"
                              "  NAME=S355  IDES=S\n    T=0  E=200000  U=0.3\n\n";

TEST(ReadMaterials, TwoLinesPerMaterial)
{
    const Model model = Import(fileHead + materials);
    ASSERT_EQ(model.MaterialCount(), 2);
    EXPECT_EQ(model.Materials[1].Name, "C30");
    EXPECT_EQ(model.Materials[1].MatType, MaterialType::Elastic);
    EXPECT_EQ(model.Materials[1].E, 30000);
    EXPECT_EQ(model.Materials[1].Poisson, 0.2);
    EXPECT_EQ(model.Materials[1].G, 12500);
    EXPECT_DOUBLE_EQ(model.Materials[2].G, 200000 / 2 / 1.3);
}

TEST(ReadMaterials, OddLinesAndMissingItems)
{
    // Three lines count as one material; the third head line has no room and is skipped.
    const Model model = Import(fileHead + "MATERIAL\n  NAME=A\n    T=0  X=1  U=0.25\n  NAME=B\n\n");
    ASSERT_EQ(model.MaterialCount(), 1);
    EXPECT_EQ(model.Materials[1].Name, "A");
    EXPECT_EQ(model.Materials[1].E, 0);
    EXPECT_EQ(model.Materials[1].G, 0);
    EXPECT_EQ(model.Materials[1].Poisson, 0.25);
    EXPECT_EQ(model.Materials[0].Name, "");
}

TEST(ReadMaterials, PoissonOfMinusOne)
{
    EXPECT_EQ(ImportError(fileHead + "MATERIAL\n  NAME=A\n    T=0  E=1  U=-1\n\n"),
              "Floating point division by zero");
    EXPECT_EQ(ImportError(fileHead + "MATERIAL\n  NAME=A\n    T=0  E=0  U=-1\n\n"),
              "Invalid floating point operation");
}

TEST(ReadMaterials, UnclosedTableNearTheTop)
{
    // On line 1 or 2 the size is -1, from line 3 on it is negative beyond that.
    Model model = Import("\nMATERIAL\n  NAME=A\n    T=0  E=1  U=0");
    EXPECT_EQ(model.MaterialCount(), -1);
    EXPECT_EQ(ImportError("\n\n\nMATERIAL\n  NAME=A\n    T=0  E=1  U=0"), "Range check error");
}

TEST(ReadFrameSections, ShapesDefaultsAndElementTypes)
{
    const Model model = Import(fileHead + materials +
                               "FRAME SECTION\n"
                               "  NAME=E400  MAT=C30  SH=R  T=400,300\n"
                               "  NAME=N1  MAT=S355  SH=I  T=600,300,20,12,300,20\n"
                               "  NAME=D1  MAT=S355  SH=B  T=400,400,16,16\n"
                               "  NAME=T1  MAT=S355  SH=P  T=200,10\n"
                               "  NAME=n1  MAT=C30  SH=L  T=100,100\n"
                               "  NAME=H1  MAT=NONE  SH=R  T=500,500\n"
                               "  NAME=C1  MAT=C30  SH=R  T=1,1\n"
                               "  NAME=R1  MAT=C30  SH=R  T=1,1\n\n");
    ASSERT_EQ(model.FrameSectionCount(), 8);
    const TFrameSection& rect = model.FrameSections[1];
    EXPECT_EQ(rect.Shape, SectionShape::Rectangle);
    EXPECT_EQ(rect.ElemType, ElementKind::ElasticBeamColumn);
    EXPECT_EQ(rect.T1, 400);
    EXPECT_EQ(rect.T2, 300);
    EXPECT_EQ(rect.Material, 1);
    EXPECT_EQ(rect.HingeLengthI, 400);
    EXPECT_EQ(rect.HingeLengthJ, 400);
    EXPECT_EQ(rect.DivideFX, 5);
    EXPECT_EQ(rect.DivideFY, 5);
    EXPECT_EQ(rect.BarNumNX, 5);
    EXPECT_EQ(rect.BarNumNY, 5);
    EXPECT_EQ(rect.Cover, 35);
    EXPECT_EQ(rect.XBarTop, 1000);
    EXPECT_EQ(rect.YBarBot, 1000);
    EXPECT_EQ(rect.SectionKind, FrameSectionKind::Column);
    EXPECT_EQ(rect.GeomTransf, Transformation::Linear);
    EXPECT_EQ(rect.Color, RgbColor(255, 0, 0));

    const TFrameSection& ishape = model.FrameSections[2];
    EXPECT_EQ(ishape.Shape, SectionShape::I);
    EXPECT_EQ(ishape.ElemType, ElementKind::NonlinearBeamColumn);
    EXPECT_EQ(ishape.T6, 20);
    EXPECT_EQ(ishape.Material, 2);
    EXPECT_EQ(ishape.Color, RgbColor(0, 0, 255));

    EXPECT_EQ(model.FrameSections[3].Shape, SectionShape::Box);
    EXPECT_EQ(model.FrameSections[3].ElemType, ElementKind::DispBeamColumn);
    EXPECT_EQ(model.FrameSections[3].T4, 16);

    const TFrameSection& pipe = model.FrameSections[4];
    EXPECT_EQ(pipe.Shape, SectionShape::Pipe);
    EXPECT_EQ(pipe.ElemType, ElementKind::Truss);
    EXPECT_EQ(pipe.DivideFX, 20);
    EXPECT_EQ(pipe.DivideFY, 5);
    EXPECT_EQ(pipe.HingeLengthI, 200);

    const TFrameSection& other = model.FrameSections[5];
    EXPECT_EQ(other.Shape, SectionShape::None);
    EXPECT_EQ(other.ElemType, ElementKind::ElasticBeamColumn);
    EXPECT_EQ(other.T1, 0);
    EXPECT_EQ(other.HingeLengthI, 0);
    EXPECT_EQ(other.Name, "n1");
    EXPECT_EQ(other.Material, 1);
    EXPECT_EQ(other.DivideFX, 5);

    EXPECT_EQ(model.FrameSections[6].ElemType, ElementKind::BeamWithHinge);
    EXPECT_EQ(model.FrameSections[6].Material, 0);
    EXPECT_EQ(model.FrameSections[7].ElemType, ElementKind::CorotTruss);
    EXPECT_EQ(model.FrameSections[8].ElemType, ElementKind::ReleaseLink);
}

TEST(ReadFrameSections, MissingDimensionStopsImport)
{
    EXPECT_EQ(ImportError(fileHead + "FRAME SECTION\n  NAME=I1  MAT=S  SH=I  T=600,300,20,12\n\n"),
              "'' is not a valid floating point value");
}

TEST(SectionColor, PaletteByNumberModTwenty)
{
    const TPalette palette = InitialPalette();
    EXPECT_EQ(SectionColor(palette, 1), RgbColor(255, 0, 0));
    EXPECT_EQ(SectionColor(palette, 10), RgbColor(237, 27, 35));
    EXPECT_EQ(SectionColor(palette, 16), RgbColor(255, 0, 255));
    EXPECT_EQ(SectionColor(palette, 22), RgbColor(0, 0, 255));
    for (int i : {17, 18, 19, 20, 40})
        EXPECT_EQ(SectionColor(palette, i), 0) << i;
}

TEST(ReadShellSections, OnlyShellLinesMakeRecords)
{
    const Model model = Import(fileHead + materials +
                               "SHELL SECTION\n  NAME=SLAB  MAT=C30   TYPE=Shell,Thin  TH=200\n"
                               "  NAME=MEM  MAT=C30   TYPE=Membrane  TH=100\n"
                               "  NAME=WALL  MAT=S355   TYPE=Shell,Thick  TH=250.5\n\n");
    ASSERT_EQ(model.ShellSectionCount(), 3);
    EXPECT_EQ(model.ShellSections[1].Name, "SLAB");
    EXPECT_EQ(model.ShellSections[1].Thickness, 200);
    EXPECT_EQ(model.ShellSections[1].Kind, ShellSectionKind::Shell);
    EXPECT_EQ(model.ShellSections[1].Material, 1);
    EXPECT_EQ(model.ShellSections[2].Name, "WALL");
    EXPECT_EQ(model.ShellSections[2].Thickness, 250.5);
    EXPECT_EQ(model.ShellSections[2].Material, 2);
    EXPECT_EQ(model.ShellSections[2].Color, RgbColor(0, 0, 255));
    EXPECT_EQ(model.ShellSections[3].Kind, ShellSectionKind::None);
    EXPECT_EQ(model.ShellSections[3].Name, "");
}

TEST(FrameOrientation, VectorsOfTypicalMembers)
{
    auto expectNear = [](Vector3 v, double x, double y, double z) {
        EXPECT_NEAR(v.X, x, 1e-12);
        EXPECT_NEAR(v.Y, y, 1e-12);
        EXPECT_NEAR(v.Z, z, 1e-12);
    };
    expectNear(FrameOrientation(0, 0, 0, 0, 0, 3000, 0), 1, 0, 0);
    expectNear(FrameOrientation(0, 0, 0, 6000, 0, 0, 0), 0, 0, 1);
    expectNear(FrameOrientation(0, 0, 0, 6000, 0, 0, 90), 0, -1, 0);
    expectNear(FrameOrientation(0, 0, 0, 0, 0, 3000, 90), 0, 1, 0);
    expectNear(FrameOrientation(0, 0, 0, 0, 6000, 0, 0), 0, 0, 1);
    expectNear(FrameOrientation(0, 0, 0, -6000, 0, 0, 0), 0, 0, 1);
    // An inclined brace: the vector is a unit vector perpendicular to the member.
    const Vector3 v = FrameOrientation(0, 0, 0, 3000, 4000, 5000, 30);
    EXPECT_NEAR(v.X * v.X + v.Y * v.Y + v.Z * v.Z, 1, 1e-12);
    EXPECT_NEAR(v.X * 3000 + v.Y * 4000 + v.Z * 5000, 0, 1e-9);
    EXPECT_THROW(FrameOrientation(1, 2, 3, 1, 2, 3, 0), VekError);
}

const std::string portalFrames =
    fileHead + JointTable(4) + materials +
    "FRAME SECTION\n  NAME=E400  MAT=C30  SH=R  T=400,400\n"
    "  NAME=RLINK  MAT=C30  SH=R  T=1,1\n  NAME=E400  MAT=S355  SH=R  T=500,500\n\n";

TEST(ReadFrames, FieldsReleaseAndLastNameMatch)
{
    const Model model =
        Import(portalFrames + "FRAME\n  1  J=1,2  SEC=E400  NSEG=4  ANG=0\n"
                              "  2  J=2,3  SEC=RLINK  NSEG=2  ANG=30  IREL=R1  JREL=R2\n"
                              "  3  J=3,4  SEC=RLINK  NSEG=2  ANG=0  JREL=R1  IREL=R2\n"
                              "  4  J=3,4  SEC=GONE  NSEG=2  ANG=0\n\n");
    ASSERT_EQ(model.FrameCount(), 4);
    const TFrameElem& f1 = model.Frames[1];
    EXPECT_EQ(f1.NodeI, 1);
    EXPECT_EQ(f1.NodeJ, 2);
    EXPECT_EQ(f1.SectionName, "E400");
    EXPECT_EQ(f1.Section, 3);
    EXPECT_EQ(f1.IntegrationPoints, 4);
    EXPECT_EQ(f1.Release, FrameRelease::None);
    EXPECT_EQ(model.Frames[2].Angle, 30);
    EXPECT_EQ(model.Frames[2].Release, FrameRelease::EndJ);
    EXPECT_EQ(model.Frames[3].Release, FrameRelease::EndI);
    EXPECT_EQ(model.Frames[4].Section, 0);
    EXPECT_EQ(model.FrameSections[model.Frames[4].Section].Name, "");
}

TEST(ReadFrames, MalformedLines)
{
    // Without NSEG the angle stands where the integration points are read.
    EXPECT_EQ(ImportError(portalFrames + "FRAME\n  1  J=1,2  SEC=E400  ANG=0.5\n\n"),
              "'0.5' is not a valid integer value");
    EXPECT_EQ(ImportError(portalFrames + "FRAME\n  1  J=1,2  SEC=E400  ANG=0\n\n"),
              "'' is not a valid floating point value");
    EXPECT_EQ(ImportError(portalFrames + "FRAME\n  1  J=1,1  SEC=E400  NSEG=4  ANG=0\n\n"),
              "Invalid floating point operation");
    EXPECT_EQ(ImportError(portalFrames + "FRAME\n  1  J=1,2  SEC=E400  NSEG=4  ANG=0\n"),
              "Range check error");
}

TEST(ReadFrames, JointOutsideTheModelLeavesZeroRecord)
{
    const Model model = Import(portalFrames + "FRAME\n  1  J=1,9  SEC=E400  NSEG=4  ANG=0\n"
                                              "  2  J=0,1  SEC=E400  NSEG=4  ANG=0\n"
                                              "  3  J=1,2  SEC=E400  NSEG=4  ANG=0\n\n");
    ASSERT_EQ(model.FrameCount(), 3);
    EXPECT_EQ(model.Frames[1].NodeJ, 0);
    EXPECT_EQ(model.Frames[1].SectionName, "");
    EXPECT_EQ(model.Frames[2].NodeI, 0);
    EXPECT_EQ(model.Frames[3].NodeJ, 2);
    EXPECT_EQ(ImportError(portalFrames + "FRAME\n  1  J=1,9  SEC=E400  NSEG=4  ANG=x\n\n"),
              "'x' is not a valid floating point value");
}

const std::string shellModel = fileHead + JointTable(9) + materials +
                               "SHELL SECTION\n  NAME=SLAB  MAT=C30   TYPE=Shell,Thin  TH=200\n\n";

TEST(ReadShells, CornersInPerimeterOrderAndShellCount)
{
    const Model model =
        Import(shellModel + "SHELL\n  1  J=1,2,3,4  SEC=SLAB\n  2  J=5,6,7,8  SEC=NONE\n"
                            "  3  J=1,2,3,99  SEC=SLAB\n\n");
    ASSERT_EQ(model.ShellCount(), 3);
    const TShellElem& s = model.Shells[1];
    EXPECT_EQ(s.Node1, 1);
    EXPECT_EQ(s.Node2, 2);
    EXPECT_EQ(s.Node3, 4);
    EXPECT_EQ(s.Node4, 3);
    EXPECT_EQ(s.Section, 1);
    EXPECT_EQ(model.Shells[2].Section, 0);
    EXPECT_EQ(model.Shells[3].Node1, 0);
    EXPECT_EQ(model.ShellElemCount, 1);
}

TEST(ReadSolids, CornersInPerimeterOrder)
{
    const Model model = Import(
        shellModel + "SOLID\n  1  J=1,2,3,4,5,6,7,8  SEC=100\n  2  J=1,2,3,4,5,6,7,10  SEC=1\n\n");
    ASSERT_EQ(model.SolidCount(), 2);
    const TSolidElem& s = model.Solids[1];
    EXPECT_EQ((std::array<std::int32_t, 9>{s.SectionTag, s.Node1, s.Node2, s.Node3, s.Node4,
                                           s.Node5, s.Node6, s.Node7, s.Node8}),
              (std::array<std::int32_t, 9>{100, 1, 2, 4, 3, 5, 6, 8, 7}));
    EXPECT_EQ(model.Solids[2].SectionTag, 0);
    EXPECT_EQ(ImportError(shellModel + "SOLID\n  1  J=1,2,3,4,5,6,7,8  SEC=A\n\n"),
              "'A' is not a valid integer value");
}

const std::string loadModel = portalFrames + "FRAME\n  1  J=1,2  SEC=E400  NSEG=4  ANG=0\n"
                                             "  2  J=2,3  SEC=E400  NSEG=4  ANG=0\n\n";

TEST(ReadLoads, JointForcesAndDistributedLoads)
{
    const Model model = Import(
        loadModel + "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=3  UX=10  UZ=-5  MX=7  RY=2\n"
                    "    TYPE=DISTRIBUTED\n      ADD=1  RD=0,1  U3=-10,-20\n"
                    "      ADD=2  RD=0,0.5  UZ=-10,-10\n"
                    "  NAME=LIVE\n      ADD=2  RD=0,1  XX=1,1\n\n");
    ASSERT_EQ(model.LoadCount(), 4);
    ASSERT_EQ(model.LoadCaseCount, 2);
    EXPECT_EQ(model.LoadCaseNames[0], "DEAD");
    EXPECT_EQ(model.LoadCaseNames[1], "LIVE");

    const TLoad& force = model.Loads[1];
    EXPECT_EQ(force.LoadType, LoadKind::JointForce);
    EXPECT_EQ(force.Target, 3);
    EXPECT_EQ(force.CaseName, "DEAD");
    EXPECT_EQ(force.UX, 10);
    EXPECT_EQ(force.UY, 0);
    EXPECT_EQ(force.UZ, -5);
    EXPECT_EQ(force.RX, 0);
    EXPECT_EQ(force.RY, 2);

    EXPECT_EQ(model.Loads[2].LoadType, LoadKind::Distributed);
    EXPECT_EQ(model.Loads[2].Direction, 3);
    EXPECT_EQ(model.Loads[2].Value(), -15);
    EXPECT_EQ(model.Loads[3].Direction, 2);
    EXPECT_EQ(model.Loads[3].Value(), -5);
    EXPECT_EQ(model.Loads[4].CaseName, "LIVE");
    EXPECT_EQ(model.Loads[4].Direction, 0);
}

TEST(ReadLoads, AddBeforeAnyTypeMakesNoRecord)
{
    const Model model =
        Import(loadModel +
               "LOAD\n  NAME=DEAD\n      ADD=3  UZ=-5\n    TYPE=FORCE\n      ADD=2  UZ=-1\n\n");
    ASSERT_EQ(model.LoadCount(), 2);
    EXPECT_EQ(model.Loads[1].Target, 2);
    EXPECT_EQ(model.Loads[2].LoadType, LoadKind::None);
}

TEST(ReadLoads, TargetsOutsideTheModelAreSkipped)
{
    const Model model = Import(
        loadModel + "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=77  UZ=-5\n"
                    "      ADD=2  UZ=-1\n    TYPE=DISTRIBUTED\n      ADD=3  RD=0,1  UZ=-1,-1\n\n");
    ASSERT_EQ(model.LoadCount(), 3);
    EXPECT_EQ(model.Loads[1].Target, 2);
    EXPECT_EQ(model.Loads[1].UZ, -1);
    EXPECT_EQ(model.Loads[2].LoadType, LoadKind::None);
    EXPECT_EQ(model.Loads[3].LoadType, LoadKind::None);
    EXPECT_EQ(
        ImportError(loadModel + "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=77  UZ=heavy\n\n"),
        "'heavy' is not a valid floating point value");
    EXPECT_EQ(
        ImportError(loadModel +
                    "LOAD\n  NAME=DEAD\n    TYPE=DISTRIBUTED\n      ADD=1  RD=0  UZ=-1,-1\n\n"),
        "'UZ' is not a valid floating point value");
}

TEST(ReadLoads, AtMostTenCaseNames)
{
    std::string table = "LOAD\n";
    for (int c = 1; c <= 12; ++c)
        table += "  NAME=C" + std::to_string(c) +
                 "\n    TYPE=FORCE\n      ADD=1  UX=" + std::to_string(c) + "\n";
    const Model model = Import(loadModel + table + "\n");
    EXPECT_EQ(model.LoadCaseCount, 10);
    EXPECT_EQ(model.LoadCaseNames[9], "C10");
    ASSERT_EQ(model.LoadCount(), 12);
    EXPECT_EQ(model.Loads[12].CaseName, "C12");
    EXPECT_EQ(model.Loads[12].UX, 12);
}

} // namespace
} // namespace vek
