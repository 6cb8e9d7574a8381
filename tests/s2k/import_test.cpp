#include "s2k/s2k_import.h"
#include "support/s2k_test_support.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using testing::ImportError;
using testing::JointTable;

std::string ExampleText(const char* name)
{
    return ReadWholeFile(std::string(VEK_EXAMPLES_DIR) + "/" + name);
}

void ExpectPortalModel(const Model& model, const ModelCountTexts& counts)
{
    EXPECT_EQ(counts, (ModelCountTexts{"3", "2", "0", "0", "1", "1", "0"}));
    ASSERT_EQ(model.JointCount(), 3);
    EXPECT_EQ(model.Joints[1].Restraint, (std::array<std::int32_t, 7>{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(model.Joints[3].X, 6000);
    EXPECT_EQ(model.Joints[3].Z, 3000);
    ASSERT_EQ(model.MaterialCount(), 1);
    EXPECT_EQ(model.Materials[1].Name, "C30");
    EXPECT_EQ(model.Materials[1].G, 12500);
    ASSERT_EQ(model.FrameSectionCount(), 1);
    const TFrameSection& section = model.FrameSections[1];
    EXPECT_EQ(section.Shape, ShapeRectangle);
    EXPECT_EQ(section.ElemType, ElemElasticBeamColumn);
    EXPECT_EQ(section.Material, 1);
    EXPECT_EQ(section.HingeLengthI, 400);
    ASSERT_EQ(model.FrameCount(), 2);
    EXPECT_EQ(model.Frames[1].Section, 1);
    EXPECT_NEAR(model.Frames[1].VecXZ1, 1, 1e-12);
    EXPECT_NEAR(model.Frames[1].VecXZ3, 0, 1e-12);
    EXPECT_NEAR(model.Frames[2].VecXZ3, 1, 1e-12);
    EXPECT_NEAR(model.Frames[2].VecXZ1, 0, 1e-12);
    ASSERT_EQ(model.LoadCount(), 1);
    EXPECT_EQ(model.Loads[1].UZ, -10000);
    EXPECT_EQ(model.Loads[1].Target, 3);
    EXPECT_EQ(model.Loads[1].CaseName, "DEAD");
    EXPECT_EQ(model.ShellCount(), -1);
    EXPECT_EQ(model.SolidCount(), -1);
}

TEST(ReadS2kModel, PortalExample)
{
    Model model;
    model.FileLines = TextLines::FromText(ExampleText("portal.s2k"));
    ExpectPortalModel(model, ReadS2kModel(model));
}

TEST(ReadS2kModel, EveryKindOfLineEnd)
{
    const std::string lf = ExampleText("portal.s2k");
    std::string crlf, cr;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    for (const std::string& text : {crlf, cr}) {
        Model model;
        model.FileLines = TextLines::FromText(text);
        ExpectPortalModel(model, ReadS2kModel(model));
    }
}

TEST(ReadS2kModel, RunningAgainOnTheSameLinesGivesTheSameModel)
{
    Model model;
    model.FileLines = TextLines::FromText(ExampleText("portal.s2k"));
    ReadS2kModel(model);
    ExpectPortalModel(model, ReadS2kModel(model));
}

TEST(ReadS2kModel, EmptyFileGivesEmptyModel)
{
    Model model;
    const ModelCountTexts counts = ReadS2kModel(model);
    EXPECT_EQ(counts, (ModelCountTexts{"0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(model.JointCount(), -1);
    EXPECT_EQ(model.FrameCount(), -1);
    EXPECT_EQ(model.MaterialCount(), 0);
    EXPECT_EQ(model.LoadCount(), 0);
    EXPECT_EQ(model.LoadCaseCount, 0);
}

TEST(ReadS2kModel, JointsAndFramesOnly)
{
    const Model model =
        Import(fileHead + JointTable(2) + "FRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=0\n\n");
    EXPECT_EQ(ShowModelCounts(model), (ModelCountTexts{"2", "1", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(model.Frames[1].Section, 0);
}

TEST(ReadS2kModel, SecondImportKeepsNothingOfTheFirst)
{
    Model model = Import(fileHead + JointTable(5) +
                         "MASS\n  ADD=2  U1=1  U2=1  U3=1\n\nLOAD\n  NAME=A\n    TYPE=FORCE\n      "
                         "ADD=2  UX=5\n      ADD=3  UY=5\n\n");
    model.Joints.Edit(2).DispX = 4;
    model.Joints.Edit(2).AnimDispX = {1, 2};
    testing::ImportError(model, fileHead + JointTable(2) +
                                    "LOAD\n  NAME=B\n    TYPE=FORCE\n      ADD=1  UZ=1\n\n");
    ASSERT_EQ(model.JointCount(), 2);
    EXPECT_EQ(model.Joints[2].MassU1, 0);
    EXPECT_EQ(model.Joints[2].DispX, 0);
    EXPECT_TRUE(model.Joints[2].AnimDispX.empty());
    EXPECT_EQ(model.Joints[3].X, 0);
    ASSERT_EQ(model.LoadCount(), 1);
    EXPECT_EQ(model.Loads[1].UX, 0);
    EXPECT_EQ(model.Loads[1].UZ, 1);
    EXPECT_EQ(model.LoadCaseCount, 1);
    EXPECT_EQ(model.LoadCaseNames[0], "B");
    EXPECT_EQ(model.LoadCaseNames[1], "");
}

TEST(ReadS2kModel, FailureKeepsEarlierTablesAndLaterOldContent)
{
    Model model;
    ExpectPortalModel(model, [&] {
        model.FileLines = TextLines::FromText(ExampleText("portal.s2k"));
        return ReadS2kModel(model);
    }());

    // A second file whose frame table fails on its second line.
    const std::string broken =
        fileHead + JointTable(4) +
        "MATERIAL\n  NAME=S  IDES=S\n    T=0  E=200000  U=0.3\n\n"
        "FRAME SECTION\n  NAME=E1  MAT=S  SH=R  T=100,100\n  NAME=E2  MAT=S  SH=R  T=200,200\n\n"
        "FRAME\n  1  J=1,2  SEC=E1  NSEG=4  ANG=0\n  2  J=2,x  SEC=E1  NSEG=4  ANG=0\n"
        "  3  J=3,4  SEC=E1  NSEG=4  ANG=0\n\n"
        "LOAD\n  NAME=LIVE\n    TYPE=FORCE\n      ADD=4  UX=1\n\n";
    EXPECT_EQ(ImportError(model, broken), "'x' is not a valid integer value");
    // Tables before the failing one hold the new file.
    EXPECT_EQ(model.JointCount(), 4);
    EXPECT_EQ(model.Materials[1].Name, "S");
    EXPECT_EQ(model.FrameSectionCount(), 2);
    // The failing table has its full size and the records before the failing line.
    ASSERT_EQ(model.FrameCount(), 3);
    EXPECT_EQ(model.Frames[1].SectionName, "E1");
    EXPECT_EQ(model.Frames[2].NodeI, 0);
    EXPECT_EQ(model.Frames[3].NodeI, 0);
    // Later tables keep the old content; the shell and solid counts were cleared.
    ASSERT_EQ(model.LoadCount(), 1);
    EXPECT_EQ(model.Loads[1].CaseName, "DEAD");
    EXPECT_EQ(model.SolidCount(), 0);
    EXPECT_EQ(model.ShellElemCount, 0);
}

TEST(ReadS2kModel, NegativeSizeKeepsCountAndOldRecords)
{
    Model model = Import(fileHead + JointTable(3));
    EXPECT_EQ(
        ImportError(model, fileHead + JointTable(2) + "FRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=0\n"),
        "Range check error");
    EXPECT_LT(model.FrameCount(), -1);
    EXPECT_EQ(model.Frames[1].NodeI, 0);
    EXPECT_EQ(model.JointCount(), 2);
}

TEST(ReadS2kModel, ErrorsCarryTheirLine)
{
    Model model;
    model.FileLines = TextLines::FromText(fileHead + JointTable(2) +
                                          "FRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=z\n\n");
    try {
        ReadS2kModel(model);
        FAIL() << "import did not stop";
    } catch (const VekError& error) {
        ASSERT_TRUE(error.hasLine());
        EXPECT_EQ(model.FileLines[static_cast<std::size_t>(error.line())],
                  "  1  J=1,2  SEC=B  NSEG=1  ANG=z");
    }
}

TEST(LinkRigidPairs, ReleaseEndTakesItsPartner)
{
    const std::string sections =
        "FRAME SECTION\n  NAME=RL  MAT=M  SH=R  T=1,1\n  NAME=E1  MAT=M  SH=R  T=1,1\n\n";
    const Model model = Import(fileHead + JointTable(8) + sections +
                               "FRAME\n  1  J=5,6  SEC=RL  NSEG=1  ANG=0  JREL=R1\n"
                               "  2  J=1,2  SEC=RL  NSEG=1  ANG=0  IREL=R1\n"
                               "  3  J=3,4  SEC=RL  NSEG=1  ANG=0\n"
                               "  4  J=7,8  SEC=E1  NSEG=1  ANG=0  JREL=R1\n"
                               "  5  J=7,8  SEC=XX  NSEG=1  ANG=0  JREL=R1\n\n");
    EXPECT_EQ(model.Joints[5].LinkedJoint, 6);
    EXPECT_EQ(model.Joints[6].LinkedJoint, 0);
    EXPECT_EQ(model.Joints[2].LinkedJoint, 1);
    EXPECT_EQ(model.Joints[3].LinkedJoint, 0);
    EXPECT_EQ(model.Joints[4].LinkedJoint, 0);
    EXPECT_EQ(model.Joints[7].LinkedJoint, 0);
}

TEST(LoadS2kFile, MissingFileKeepsTheLines)
{
    Model model;
    model.FileLines = TextLines::FromText("kept\n");
    const std::string path =
        (std::filesystem::temp_directory_path() / "vek-no-such-file.s2k").string();
    try {
        LoadS2kFile(model, path);
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + path + "\". No such file or directory");
    }
    ASSERT_EQ(model.FileLines.size(), 1u);
    EXPECT_EQ(model.FileLines[0], "kept");
}

} // namespace
} // namespace vek
