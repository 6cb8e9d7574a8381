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
    EXPECT_EQ(section.Shape, SectionShape::Rectangle);
    EXPECT_EQ(section.ElemType, ElementKind::ElasticBeamColumn);
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

// The report names what the import left out, in line order, the first five lines at most.
TEST(ReadS2kModel, ReportSaysWhatWasLeftOut)
{
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>(i * 37 & 0xff);
    std::string cases = "LOAD\n    TYPE=FORCE\n      ADD=1  UX=1\n";
    for (int c = 1; c <= 13; ++c)
        cases +=
            "  NAME=C" + std::to_string(c < 13 ? c : 1) + "\n    TYPE=FORCE\n      ADD=1  UX=1\n";
    const std::string model = fileHead + JointTable(3); // the next table starts on line 9
    const std::string missing = ", which the model does not have";
    const std::string noTable = "no SAP2000 version 6 table found in in.s2k";
    const struct
    {
        const char* what;
        std::string text;
        std::vector<std::string> warnings;
    } rows[] = {
        {"portal", ExampleText("portal.s2k"), {}},
        {"empty", "", {noTable}},
        {"binary", bytes, {noTable}},
        {"version 14", ExampleText("solid_v14.s2k"), {noTable}},
        {"restraint",
         model + "RESTRAINT\n  ADD=9  DOF=U1\n  ADD=1  DOF=U1\n\n",
         {"1 line skipped: line 10: RESTRAINT names joint 9" + missing}},
        {"frame and loads",
         model + "FRAME\n  1  J=1,2  SEC=A  NSEG=4  ANG=0\n  2  J=2,77  SEC=A  NSEG=4  ANG=0\n\n"
                 "LOAD\n  NAME=DEAD\n      ADD=1  UZ=-1\n    TYPE=FORCE\n      ADD=912  UZ=-1\n"
                 "    TYPE=DISTRIBUTED\n      ADD=40  RD=0,1  UZ=-1,-1\n"
                 "      ADD=1  RD=0,1  UZ=-1,-1\n\n",
         {"4 lines skipped: line 11: FRAME names joint 77" + missing +
          "; line 15: LOAD adds a load before any TYPE=FORCE or TYPE=DISTRIBUTED line; "
          "line 17: LOAD names joint 912" +
          missing + "; line 19: LOAD names frame 40" + missing}},
        // A load before the first case, and two cases past the tenth; the thirteenth, C1
        // again, is kept.
        {"load cases",
         model + cases + "\n",
         {"5 lines skipped: line 11: LOAD adds a load before any NAME=case line; "
          "line 42: LOAD case C11 is past the 10 load cases kept; "
          "line 44: LOAD adds a load to case C11, past the 10 load cases kept; "
          "line 45: LOAD case C12 is past the 10 load cases kept; "
          "line 47: LOAD adds a load to case C12, past the 10 load cases kept"}},
        {"constraints",
         model + "CONSTRAINT\n    ADD=1\n  NAME=1\n    ADD=2\n    ADD=99\n  ADD=3\n    ADD=3\n"
                 "  NAME=5\n    ADD=1\n\n",
         {"5 lines skipped: line 10: CONSTRAINT adds joint 1 before any NAME=number line; "
          "line 13: CONSTRAINT names joint 99" +
          missing +
          "; line 14: CONSTRAINT line is neither NAME=number nor ADD=joint indented by four "
          "spaces; line 16: CONSTRAINT names constraint 5, which the model does not have (its "
          "constraints are numbered 1 to 2); line 17: CONSTRAINT adds joint 1 to constraint 5" +
          missing}},
        {"shells and solids",
         model + "SHELL SECTION\n  NAME=M1  MAT=C30   TYPE=Membrane  TH=100\n\n"
                 "SHELL\n  1  J=1,2,3,44  SEC=M1\n\nSOLID\n  1  J=1,2,3,1,2,3,1,55  SEC=1\n\n",
         {"3 lines skipped: line 10: SHELL SECTION M1 is not read as a TYPE=Shell section; "
          "line 13: SHELL names joint 44" +
          missing + "; line 16: SOLID names joint 55" + missing}},
        // MASS is read after RESTRAINT but stands before it.
        {"more than five",
         model + "MASS\n  ADD=7  U1=1\n  ADD=8  U1=1\n  ADD=1  U1=1\n\n"
                 "RESTRAINT\n  ADD=4  DOF=U1\n  ADD=5  DOF=U1\n  NAME=6\n  ADD=6  DOF=U1\n\n",
         {"6 lines skipped: line 10: MASS names joint 7" + missing +
          "; line 11: MASS names joint 8" + missing + "; line 15: RESTRAINT names joint 4" +
          missing + "; line 16: RESTRAINT names joint 5" + missing +
          "; line 17: RESTRAINT line is not ADD=joint; ..."}},
    };
    for (const auto& row : rows) {
        Model imported;
        imported.FileLines = TextLines::FromText(row.text);
        ImportReport report;
        ReadS2kModel(imported, report);
        EXPECT_EQ(report.Warnings("in.s2k"), row.warnings) << row.what;
    }
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
    testing::ImportError(model, fileHead + JointTable(2) +
                                    "LOAD\n  NAME=B\n    TYPE=FORCE\n      ADD=1  UZ=1\n\n");
    ASSERT_EQ(model.JointCount(), 2);
    EXPECT_EQ(model.Joints[2].MassU1, 0);
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
