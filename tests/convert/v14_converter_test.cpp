#include "convert/v14_converter.h"
#include "support/s2k_test_support.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::LinesOf;
using Texts = std::vector<std::string>;

// ---- V14 text

std::string Table(const std::string& name, const Texts& rows)
{
    std::string text = "TABLE:  \"" + name + "\"\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text + "\n";
}

std::string JointRow(const std::string& label, const std::string& x, const std::string& y,
                     const std::string& z)
{
    return "   Joint=" + label + "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" + x +
           "   Y=" + y + "   Z=" + z + "   SpecialJt=No   GlobalX=" + x;
}

std::string JointRow(int label, double x, double y, double z)
{
    return JointRow(std::to_string(label), FormatGeneral(x), FormatGeneral(y), FormatGeneral(z));
}

// Restraint flags of U1..R3, "Yes" or "No".
std::string RestraintRow(int joint, const Texts& flags)
{
    static const char* names[] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    std::string row = "   Joint=" + std::to_string(joint);
    for (std::size_t k = 0; k < 6; ++k)
        row += std::string("   ") + names[k] + "=" + flags[k];
    return row;
}

std::string ForceRow(const std::string& joint, const Texts& values)
{
    static const char* names[] = {"F1", "F2", "F3", "M1", "M2", "M3"};
    std::string row = "   Joint=" + joint + "   LoadPat=PUSH   CoordSys=GLOBAL";
    for (std::size_t k = 0; k < 6; ++k)
        row += std::string("   ") + names[k] + "=" + values[k];
    return row;
}

std::string SolidRow(int label, const std::vector<int>& joints)
{
    std::string row = "   Solid=" + std::to_string(label);
    for (std::size_t k = 0; k < joints.size(); ++k)
        row += "   Joint" + std::to_string(k + 1) + "=" + std::to_string(joints[k]);
    return row;
}

struct V14Tables
{
    Texts joints, restraints, forces, solids;

    std::string Text() const
    {
        return "File model.s2k was saved\n\n" +
               Table("PROGRAM CONTROL", {"   ProgramName=SAP2000"}) +
               Table("JOINT COORDINATES", joints) +
               Table("JOINT RESTRAINT ASSIGNMENTS", restraints) +
               Table("JOINT LOADS - FORCE", forces) + Table("CONNECTIVITY - SOLID", solids) +
               "END TABLE DATA\n";
    }
};

// Joints 1..n along X, 1000 apart.
Texts Joints(int n)
{
    Texts rows;
    for (int i = 1; i <= n; ++i)
        rows.push_back(JointRow(i, (i - 1) * 1000.0, 0, 0));
    return rows;
}

// ---- running the converter

struct Converted
{
    Texts lines;
    Texts log;
};

Converted Convert(V14Converter& converter, const std::string& text)
{
    converter.OutputLines.clear();
    converter.SourceLines = TextLines::FromText(text);
    Converted result;
    result.log = ConvertV14File(converter);
    result.lines = LinesOf(converter.OutputLines);
    return result;
}

Converted Convert(const std::string& text)
{
    V14Converter converter;
    return Convert(converter, text);
}

struct Failure
{
    std::string message;
    long long line = -1;
    Texts output;
};

Failure ConvertError(const std::string& text)
{
    V14Converter converter;
    converter.SourceLines = TextLines::FromText(text);
    Failure failure;
    try {
        ConvertV14File(converter);
        ADD_FAILURE() << "the conversion did not stop";
    } catch (const VekError& error) {
        failure.message = error.what();
        failure.line = error.hasLine() ? error.line() : -1;
    }
    failure.output = LinesOf(converter.OutputLines);
    return failure;
}

// The lines from the keyword line to the empty line after it (without either).
Texts Block(const Texts& lines, const std::string& keyword)
{
    Texts block;
    auto it = std::find(lines.begin(), lines.end(), keyword);
    if (it == lines.end())
        return {"(no " + keyword + ")"};
    for (++it; it != lines.end() && !it->empty(); ++it)
        block.push_back(*it);
    return block;
}

// ---- the output

TEST(ConvertV14File, SmallModelGivesTheVersion6Text)
{
    V14Tables tables;
    tables.joints = {JointRow(1, 0, 0, 0), JointRow(2, 1500, -250.5, 0),
                     JointRow(3, 0, 1000, 3000)};
    tables.restraints = {RestraintRow(1, {"Yes", "Yes", "Yes", "No", "No", "No"})};
    tables.forces = {ForceRow("3", {"-0.25", "0", "12345.6", "0", "0", "0"})};
    tables.solids = {SolidRow(7, {1, 2, 3, 1, 2, 3, 1, 2})};
    const Converted c = Convert(tables.Text());
    EXPECT_EQ(c.lines, (Texts{
                           "SYSTEM",
                           "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N",
                           "",
                           "JOINT",
                           "  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000",
                           "  2  X=1.500E+003  Y=-2.505E+002  Z=0.000E+000",
                           "  3  X=0.000E+000  Y=1.000E+003  Z=3.000E+003",
                           "",
                           "RESTRAINT",
                           "  ADD=1  DOF=U1,U2,U3",
                           "",
                           "LOAD",
                           "  NAME=PUSH",
                           "    TYPE=FORCE",
                           "      ADD=3  UX=-2.5000E-001",
                           "      ADD=3  UZ=1.2346E+004",
                           "",
                           "SOLID",
                           "  7  J=1,2,3,1,2,3,1,2  SEC=100",
                           "",
                           "",
                           "END",
                       }));
    EXPECT_EQ(c.log,
              (Texts{"VEK import Sap2000 V14 S2k file", "NJOINT = 3", "NSOLID = 1", "Finish!!"}));
}

TEST(ConvertV14File, RestraintLinesListTheRestrainedDirections)
{
    V14Tables tables;
    tables.joints = Joints(5);
    tables.restraints = {
        RestraintRow(1, {"Yes", "Yes", "Yes", "No", "No", "No"}),
        RestraintRow(2, {"No", "No", "Yes", "No", "No", "Yes"}),
        // Only "Yes" sets a flag; nothing clears one, so a later row adds to an earlier one.
        RestraintRow(3, {"yes", "YES", "Yes ", "No", "No", "No"}),
        RestraintRow(4, {"No", "Yes", "No", "No", "No", "No"}),
        RestraintRow(4, {"No", "No", "No", "Yes", "No", "No"}),
        // A joint the joint table does not have is passed over.
        RestraintRow(9, {"Yes", "Yes", "Yes", "Yes", "Yes", "Yes"}),
        RestraintRow(5, {"Yes", "Yes", "Yes", "Yes", "Yes", "Yes"}),
    };
    V14Converter converter;
    const Converted c = Convert(converter, tables.Text());
    EXPECT_EQ(Block(c.lines, "RESTRAINT"),
              (Texts{"  ADD=1  DOF=U1,U2,U3", "  ADD=2  DOF=,U3,R3", "  ADD=3  DOF=,U3",
                     "  ADD=4  DOF=,U2,R1", "  ADD=5  DOF=U1,U2,U3,R1,R2,R3"}));
    EXPECT_EQ(converter.ConvJoints[4].RestraintCount, 2);
    EXPECT_EQ(converter.ConvJoints[5].RestraintCount, 6);
}

TEST(ConvertV14File, ForceLinesOnlyForNonZeroComponents)
{
    V14Tables tables;
    tables.joints = Joints(4);
    tables.forces = {
        ForceRow("1", {"0", "0", "-10", "0", "0", "0"}),
        // The later row of a joint replaces all six values of the earlier one.
        ForceRow("2", {"5", "6", "7", "8", "9", "10"}),
        ForceRow("2", {"0", "-0", "1E3", "0", "0", "-2.5"}),
        // A joint the joint table does not have: its values are not even converted.
        ForceRow("8", {"x", "y", "z", "0", "0", "0"}),
        ForceRow("4", {"1", "2", "3", "4", "5", "6"}),
    };
    const Converted c = Convert(tables.Text());
    EXPECT_EQ(Block(c.lines, "LOAD"), (Texts{
                                          "  NAME=PUSH",
                                          "    TYPE=FORCE",
                                          "      ADD=1  UZ=-1.0000E+001",
                                          "      ADD=2  UZ=1.0000E+003",
                                          "      ADD=2  MZ=-2.5000E+000",
                                          "      ADD=4  UX=1.0000E+000",
                                          "      ADD=4  UY=2.0000E+000",
                                          "      ADD=4  UZ=3.0000E+000",
                                          "      ADD=4  MX=4.0000E+000",
                                          "      ADD=4  MY=5.0000E+000",
                                          "      ADD=4  MZ=6.0000E+000",
                                      }));
}

TEST(ConvertV14File, EmptyTablesKeepTheirKeywords)
{
    const Converted c = Convert(V14Tables{}.Text());
    EXPECT_EQ(c.lines, (Texts{"SYSTEM", "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N", "", "JOINT",
                              "", "RESTRAINT", "", "LOAD", "  NAME=PUSH", "    TYPE=FORCE", "",
                              "SOLID", "", "", "END"}));
    EXPECT_EQ(c.log[1], "NJOINT = 0");
    EXPECT_EQ(c.log[2], "NSOLID = 0");
}

TEST(ConvertV14File, RowsWithManyColumnsConvert)
{
    // Columns past the 40th field are dropped; the fields the converter takes come first.
    std::string row = JointRow(1, 10, 20, 30);
    for (int k = 0; k < 40; ++k)
        row += "   Extra" + std::to_string(k) + "=" + std::to_string(k);
    V14Tables tables;
    tables.joints = {row};
    tables.solids = {SolidRow(1, {1, 1, 1, 1, 1, 1, 1, 1}) + "   CentroidX=0   CentroidY=0"};
    const Converted c = Convert(tables.Text());
    EXPECT_EQ(Block(c.lines, "JOINT"), Texts{"  1  X=1.000E+001  Y=2.000E+001  Z=3.000E+001"});
    EXPECT_EQ(Block(c.lines, "SOLID"), Texts{"  1  J=1,1,1,1,1,1,1,1  SEC=100"});
}

TEST(ConvertV14File, EveryConversionStartsFromClearedTables)
{
    V14Tables first;
    first.joints = Joints(2);
    first.restraints = {RestraintRow(2, {"Yes", "No", "No", "No", "No", "No"})};
    first.forces = {ForceRow("1", {"3", "0", "0", "0", "0", "0"})};
    first.solids = {SolidRow(1, {1, 2, 1, 2, 1, 2, 1, 2})};
    V14Converter converter;
    Convert(converter, first.Text());

    V14Tables second;
    second.joints = Joints(2);
    const Converted c = Convert(converter, second.Text());
    EXPECT_EQ(Block(c.lines, "RESTRAINT"), Texts{});
    EXPECT_EQ(Block(c.lines, "LOAD"), (Texts{"  NAME=PUSH", "    TYPE=FORCE"}));
    EXPECT_EQ(converter.ConvSolids.Count, 0);
}

// ---- failures

TEST(ConvertV14File, BadNumberStopsAndKeepsTheLinesWrittenSoFar)
{
    V14Tables tables;
    tables.joints = {JointRow(1, 0, 0, 0), JointRow("2", "1E3", "abc", "0")};
    const Failure f = ConvertError(tables.Text());
    EXPECT_EQ(f.message, "'abc' is not a valid floating point value");
    // Line 5 is the joint table's header.
    EXPECT_EQ(f.line, 7);
    EXPECT_EQ(f.output, (Texts{"SYSTEM", "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N", "", "JOINT",
                               "  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000"}));

    V14Tables solids;
    solids.joints = Joints(1);
    solids.solids = {SolidRow(1, {1, 1, 1, 1, 1, 1, 1})};
    const Failure missing = ConvertError(solids.Text());
    EXPECT_EQ(missing.message, "'' is not a valid integer value");
    EXPECT_EQ(missing.output.back(), "SOLID");

    V14Tables restraints;
    restraints.joints = Joints(1);
    restraints.restraints = {"   Joint=1.0   U1=Yes"};
    EXPECT_EQ(ConvertError(restraints.Text()).message, "'1.0' is not a valid integer value");
}

TEST(ConvertV14File, MissingOrUnclosedTableStopsNamingIt)
{
    V14Tables tables;
    tables.joints = Joints(2);
    std::string text = tables.Text();
    const std::string header = "TABLE:  \"JOINT LOADS - FORCE\"\n";
    const std::string noForces = std::string(text).erase(text.find(header), header.size());
    const Failure missing = ConvertError(noForces);
    EXPECT_EQ(missing.message, "Table \"JOINT LOADS - FORCE\" not found");
    EXPECT_EQ(missing.line, -1);
    EXPECT_EQ(missing.output.back(), "");
    EXPECT_EQ(Block(missing.output, "RESTRAINT"), Texts{});

    // A header with a blank after it is not the header.
    const std::string trailing =
        std::string(text).insert(text.find(header) + header.size() - 1, " ");
    EXPECT_EQ(ConvertError(trailing).message, "Table \"JOINT LOADS - FORCE\" not found");

    const Failure noJoints = ConvertError("TABLE:  \"CONNECTIVITY - SOLID\"\n\n");
    EXPECT_EQ(noJoints.message, "Table \"JOINT COORDINATES\" not found");
    EXPECT_EQ(noJoints.output, Texts{});

    // The last table runs to the end of the file without a blank line.
    std::string unclosed = text.substr(0, text.find("END TABLE DATA"));
    unclosed = unclosed.substr(0, unclosed.size() - 1);
    EXPECT_EQ(ConvertError(unclosed).message,
              "Table \"CONNECTIVITY - SOLID\" is not closed by a blank line");

    EXPECT_EQ(ConvertError(text + Table("JOINT RESTRAINT ASSIGNMENTS", {})).message,
              "Table \"JOINT RESTRAINT ASSIGNMENTS\" appears more than once");
}

TEST(ConvertV14File, TableLocationRules)
{
    TextLines lines = TextLines::FromText("TABLE:  \"A\"\n   r1\n   r2\n \t \nTABLE:  \"B\"\n\n");
    const V14TableRows a = LocateV14Table(lines, "A");
    EXPECT_EQ(a.Start, 1);
    EXPECT_EQ(a.End, 2);
    EXPECT_EQ(a.Count(), 2);
    const V14TableRows b = LocateV14Table(lines, "B");
    EXPECT_EQ(b.Start, 5);
    EXPECT_EQ(b.Count(), 0);
    // Names are compared exactly.
    EXPECT_THROW(LocateV14Table(lines, "a"), VekError);
}

TEST(ConvertV14File, JointLabelsOtherThanTheirPositionsAreRefused)
{
    const struct
    {
        Texts labels;
        std::string message;
        std::size_t row;
    } cases[] = {
        {{"1", "3", "2"}, "Joint label 3 stands in row 2", 2},
        {{"0", "1"}, "Joint label 0 stands in row 1", 1},
        {{"1", "1"}, "Joint label 1 stands in row 2", 2},
        {{"1", "2", "-3"}, "Joint label -3 stands in row 3", 3},
    };
    for (const auto& c : cases) {
        V14Tables tables;
        for (const std::string& label : c.labels)
            tables.joints.push_back(JointRow(label, "0", "0", "0"));
        const Failure f = ConvertError(tables.Text());
        EXPECT_EQ(f.message, c.message + " of table \"JOINT COORDINATES\": the joints must be "
                                         "labelled 1..NJOINT in table order");
        // The joint lines before the bad one are written.
        EXPECT_EQ(f.output.size(), 4 + c.row - 1);
    }

    V14Tables text;
    text.joints = {JointRow("A1", "0", "0", "0")};
    EXPECT_EQ(ConvertError(text.Text()).message, "'A1' is not a valid integer value");
}

// ---- the version 6 text in the import

std::string Coordinate(double value)
{
    // What the joint line holds, rounded to 0.1 by the import.
    return FormatScientific(value, 4);
}

TEST(ConvertV14File, ConvertedModelImportsWithItsJointsRestraintsForcesAndSolids)
{
    // A block of 2 x 1 x 1 bricks with uneven coordinates.
    const std::vector<std::array<double, 3>> xyz = {
        {0, 0, 0},
        {1234.567, 0, 0},
        {2469.1, 0, 0},
        {0, 987.65, 0},
        {1234.567, 987.65, 0},
        {2469.1, 987.65, 0},
        {0, 0, 1500.04},
        {1234.567, 0, 1500.04},
        {2469.1, 0, 1500.04},
        {-0.5, 987.65, 1500.04},
        {1234.567, 987.65, 1500.04},
        {2469.1, 987.65, 1500.04},
    };
    V14Tables tables;
    for (std::size_t i = 0; i < xyz.size(); ++i)
        tables.joints.push_back(JointRow(static_cast<int>(i) + 1, xyz[i][0], xyz[i][1], xyz[i][2]));
    for (int j = 1; j <= 6; ++j)
        tables.restraints.push_back(RestraintRow(j, {"Yes", "Yes", "Yes", "No", "No", "No"}));
    tables.restraints.push_back(RestraintRow(9, {"No", "Yes", "No", "No", "No", "No"}));
    tables.forces = {ForceRow("10", {"12345.678", "0", "-500", "7", "0", "0"}),
                     ForceRow("12", {"0", "-0.125", "0", "0", "0", "0"})};
    tables.solids = {SolidRow(1, {1, 2, 4, 5, 7, 8, 10, 11}),
                     SolidRow(2, {2, 3, 5, 6, 8, 9, 11, 12})};
    V14Converter converter;
    Convert(converter, tables.Text());

    Model model;
    model.FileLines = converter.OutputLines;
    const ModelCountTexts counts = ReadS2kModel(model);
    EXPECT_EQ(counts, (ModelCountTexts{"12", "0", "0", "2", "0", "0", "0"}));

    ASSERT_EQ(model.JointCount(), 12);
    for (std::int32_t j = 1; j <= 12; ++j) {
        const TJoint& joint = model.Joints[j];
        const auto& p = xyz[static_cast<std::size_t>(j - 1)];
        EXPECT_EQ(joint.X, StrToFloat(Coordinate(p[0]))) << j;
        EXPECT_EQ(joint.Y, StrToFloat(Coordinate(p[1]))) << j;
        EXPECT_EQ(joint.Z, StrToFloat(Coordinate(p[2]))) << j;
        EXPECT_NEAR(joint.X, p[0], 0.5) << j;
        const bool base = j <= 6;
        EXPECT_EQ(joint.Restraint,
                  (std::array<std::int32_t, 7>{0, base, base || j == 9, base, 0, 0, 0}))
            << j;
    }
    EXPECT_EQ(model.Joints[2].X, 1235.0);
    EXPECT_EQ(model.Joints[7].Z, 1500.0);

    // Forces in PUSH, summed over the load lines of each joint. Moments are written as MX..MZ,
    // which the import passes over: a solid joint has no rotation to take them.
    ASSERT_EQ(model.LoadCaseCount, 1);
    EXPECT_EQ(model.LoadCaseName(1), "PUSH");
    std::map<std::int32_t, std::array<double, 6>> forces;
    for (const TLoad& load : model.Loads) {
        EXPECT_EQ(load.CaseName, "PUSH");
        EXPECT_EQ(load.LoadType, LoadKind::JointForce);
        auto& f = forces[load.Target];
        const double values[] = {load.UX, load.UY, load.UZ, load.RX, load.RY, load.RZ};
        for (std::size_t k = 0; k < 6; ++k)
            f[k] += values[k];
    }
    EXPECT_EQ(forces.size(), 2u);
    EXPECT_EQ(forces[10], (std::array<double, 6>{12346, 0, -500, 0, 0, 0}));
    EXPECT_EQ(forces[12], (std::array<double, 6>{0, -0.125, 0, 0, 0, 0}));

    // The import stores each face's corners in perimeter order.
    ASSERT_EQ(model.SolidCount(), 2);
    const TSolidElem& s = model.Solids[2];
    EXPECT_EQ((std::array<std::int32_t, 8>{s.Node1, s.Node2, s.Node3, s.Node4, s.Node5, s.Node6,
                                           s.Node7, s.Node8}),
              (std::array<std::int32_t, 8>{2, 3, 6, 5, 8, 9, 12, 11}));
    EXPECT_EQ(s.SectionTag, 100);
    EXPECT_EQ(model.Solids[1].Node3, 5);
}

// ---- the bundled example

TEST(ConvertV14File, BundledSolidExampleIsTheConversionOfItsV14File)
{
    const std::string examples = VEK_EXAMPLES_DIR;
    V14Converter converter;
    converter.SourceLines = LoadTextFile(examples + "/solid_v14.s2k");
    const Texts log = ConvertV14File(converter);
    EXPECT_EQ(log,
              (Texts{"VEK import Sap2000 V14 S2k file", "NJOINT = 36", "NSOLID = 12", "Finish!!"}));
    EXPECT_EQ(converter.OutputLines.JoinCrLf(), ReadWholeFile(examples + "/solid.s2k"));

    Model model;
    LoadS2kFile(model, examples + "/solid.s2k");
    EXPECT_EQ(ReadS2kModel(model), (ModelCountTexts{"36", "0", "0", "12", "0", "0", "0"}));
}

} // namespace
} // namespace vek
