#include "building_generator.h"

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

namespace vek::bench {

void PrintTo(const BuildingConfig& c, std::ostream* out)
{
    *out << c.BaysX << " x " << c.BaysY << " bays, " << c.Storeys << " storeys";
}

namespace {

// What a building of the grid must hold, from its description: grid joints on every level,
// per floor two steel beam ends per bay of the last grid line and a master, and a foundation
// block of 3 x 3 x 3 joints whose top centre is a column's base joint.
struct Expected
{
    explicit Expected(const BuildingConfig& c)
        : bx(c.BaysX), by(c.BaysY), s(c.Storeys), plan((bx + 1) * (by + 1)),
          lengthX(double(bx) * c.BayX), lengthY(double(by) * c.BayY)
    {
        joints = plan * (s + 1) + s * (2 * by + 1) + 26;
        const long floorBeamsX = bx * (by + 1);
        const long floorBeamsY = bx * by;
        sections = {{"NB400", 4 * s},
                    {"NC500", (plan - 4) * s},
                    {"DBX", floorBeamsX * (s - 1)},
                    {"HBY", floorBeamsY * (s - 1)},
                    {"EROOF", floorBeamsX + floorBeamsY},
                    {"EI400", by * s},
                    {"RLINK", 2 * by * s},
                    {"TP219", 2 * s}};
        std::erase_if(sections, [](const auto& entry) { return entry.second == 0; });
        for (const auto& [name, count] : sections)
            frames += count;
        beams = s * (floorBeamsX + floorBeamsY + by);
        perimeterJoints = s * 2 * (bx + by);
        interiorJoints = s * (bx - 1) * (by - 1);
    }

    long bx, by, s, plan;
    double lengthX, lengthY;
    long joints = 0, frames = 0, beams = 0, perimeterJoints = 0, interiorJoints = 0;
    std::map<std::string, long> sections;
};

void Import(const BuildingConfig& config, Model& model)
{
    model.FileLines = TextLines::FromText(BuildingText(config));
    ReadS2kModel(model);
}

bool SameXyz(const TJoint& a, const TJoint& b)
{
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

// Corners a and b are neighbours on an axis-aligned rectangle: they differ in one coordinate.
int DifferingCoordinates(const TJoint& a, const TJoint& b)
{
    return (a.X != b.X) + (a.Y != b.Y) + (a.Z != b.Z);
}

void ExpectRectangle(const Model& m, std::int32_t n1, std::int32_t n2, std::int32_t n3,
                     std::int32_t n4, double area)
{
    const TJoint* c[] = {&m.Joints[n1], &m.Joints[n2], &m.Joints[n3], &m.Joints[n4]};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(DifferingCoordinates(*c[k], *c[(k + 1) % 4]), 1) << "corners out of order";
    EXPECT_EQ(c[0]->Z, c[2]->Z);
    EXPECT_DOUBLE_EQ(std::abs((c[2]->X - c[0]->X) * (c[2]->Y - c[0]->Y)), area);
}

TEST(BuildingGenerator, ExampleFileIsTheGeneratorOutput)
{
    const BuildingConfig example = ExampleBuilding();
    EXPECT_EQ(example.BaysX, 3);
    EXPECT_EQ(example.BaysY, 2);
    EXPECT_EQ(example.Storeys, 4);
    const std::string file = ReadWholeFile(std::string(VEK_EXAMPLES_DIR) + "/building.s2k");
    EXPECT_TRUE(file == BuildingText(example))
        << "examples/building.s2k differs from the generator: rewrite it with "
           "gen_building --example examples/building.s2k";
    EXPECT_EQ(file.find('\r'), std::string::npos);
}

TEST(BuildingGenerator, ExampleImportsWithTheStatusBarCounts)
{
    Model model;
    model.FileLines = LoadTextFile(std::string(VEK_EXAMPLES_DIR) + "/building.s2k");
    EXPECT_EQ(ReadS2kModel(model), (ModelCountTexts{"106", "140", "24", "8", "2", "8", "2"}));
    EXPECT_EQ(model.Materials[2].Name, "S355");
    EXPECT_EQ(model.Materials[2].E, 200000);
    EXPECT_EQ(model.ShellSections[2].Thickness, 150);
    // Every shape and element type of the frame sections is used.
    std::set<SectionShape> shapes;
    std::set<ElementKind> types;
    for (const TFrameElem& frame : model.Frames) {
        shapes.insert(model.FrameSections[frame.Section].Shape);
        types.insert(model.FrameSections[frame.Section].ElemType);
    }
    EXPECT_EQ(shapes, (std::set<SectionShape>{SectionShape::Rectangle, SectionShape::I,
                                              SectionShape::Box, SectionShape::Pipe}));
    EXPECT_EQ(types, (std::set<ElementKind>{ElementKind::ElasticBeamColumn,
                                            ElementKind::NonlinearBeamColumn,
                                            ElementKind::DispBeamColumn, ElementKind::BeamWithHinge,
                                            ElementKind::Truss, ElementKind::ReleaseLink}));
    const TJoint& roofMaster = model.Joints[model.Constraints[4].Master];
    EXPECT_EQ(roofMaster.MassU1, 132);
    EXPECT_EQ(roofMaster.Z, 3600 + 3 * 3200);
}

class GeneratedBuilding : public testing::TestWithParam<BuildingConfig>
{
};

TEST_P(GeneratedBuilding, TablesHoldTheCountsOfTheGrid)
{
    const BuildingConfig config = GetParam();
    const Expected e(config);
    Model model;
    Import(config, model);
    EXPECT_EQ(model.JointCount(), e.joints);
    EXPECT_EQ(model.FrameCount(), e.frames);
    EXPECT_EQ(model.ShellCount(), e.bx * e.by * e.s);
    EXPECT_EQ(model.ShellElemCount, model.ShellCount());
    EXPECT_EQ(model.SolidCount(), 8);
    EXPECT_EQ(model.MaterialCount(), 2);
    EXPECT_EQ(model.FrameSectionCount(), 8);
    EXPECT_EQ(model.ShellSectionCount(), 2);
    EXPECT_EQ(model.ConstraintCount(), e.s);
    EXPECT_EQ(model.LoadCount(), 2 * e.beams + e.perimeterJoints + e.interiorJoints);

    std::map<std::string, long> sections;
    for (const TFrameElem& frame : model.Frames) {
        ++sections[frame.SectionName];
        EXPECT_NE(frame.Section, 0) << frame.SectionName;
    }
    EXPECT_EQ(sections, e.sections);

    long fixed = 0, pinned = 0, massed = 0;
    for (const TJoint& joint : model.Joints) {
        const std::array<std::int32_t, 7> full{0, 1, 1, 1, 1, 1, 1}, pin{0, 1, 1, 1, 0, 0, 0};
        if (joint.Restraint == full) {
            ++fixed;
            EXPECT_EQ(joint.Z, 0);
        } else if (joint.Restraint == pin) {
            ++pinned;
            EXPECT_EQ(joint.Z, -1000);
        }
        massed += joint.MassU1 > 0;
    }
    EXPECT_EQ(fixed, e.plan - 1);
    EXPECT_EQ(pinned, 9);
    EXPECT_EQ(massed, e.s);
}

TEST_P(GeneratedBuilding, FramesAreMembersOfTheirKind)
{
    const BuildingConfig config = GetParam();
    Model model;
    Import(config, model);
    const std::set<std::string> columns{"NB400", "NC500"};
    std::set<std::int32_t> linkedOnce;
    for (const TFrameElem& frame : model.Frames) {
        const TJoint& i = model.Joints[frame.NodeI];
        const TJoint& j = model.Joints[frame.NodeJ];
        ASSERT_FALSE(SameXyz(i, j));
        if (columns.count(frame.SectionName)) {
            EXPECT_TRUE(i.X == j.X && i.Y == j.Y && j.Z > i.Z);
            EXPECT_EQ(j.Z - i.Z, i.Z == 0 ? config.GroundStoreyHeight : config.StoreyHeight);
        } else if (frame.SectionName == "TP219") {
            EXPECT_EQ(DifferingCoordinates(i, j), 2);
        } else {
            EXPECT_EQ(i.Z, j.Z) << frame.SectionName << " is not horizontal";
        }
        if (frame.SectionName != "RLINK")
            continue;
        // The end away from the column takes the column joint's place.
        const bool iMoves = frame.Release == FrameRelease::EndJ;
        EXPECT_TRUE(frame.Release == FrameRelease::EndI || frame.Release == FrameRelease::EndJ);
        const std::int32_t moving = iMoves ? frame.NodeI : frame.NodeJ;
        const std::int32_t column = iMoves ? frame.NodeJ : frame.NodeI;
        EXPECT_EQ(model.Joints[moving].LinkedJoint, column);
        EXPECT_EQ(model.Joints[column].LinkedJoint, 0);
        EXPECT_DOUBLE_EQ(std::abs(i.Y - j.Y), 300);
        EXPECT_TRUE(linkedOnce.insert(moving).second);
    }
}

TEST_P(GeneratedBuilding, DiaphragmsShellsAndSolids)
{
    const BuildingConfig config = GetParam();
    const Expected e(config);
    Model model;
    Import(config, model);

    double previousZ = 0;
    for (const TConstraint& floor : model.Constraints) {
        EXPECT_EQ(floor.SlaveCount, e.plan);
        const TJoint& master = model.Joints[floor.Master];
        EXPECT_EQ(floor.JointList.back(), floor.Master);
        EXPECT_DOUBLE_EQ(master.X, e.lengthX / 2);
        EXPECT_DOUBLE_EQ(master.Y, e.lengthY / 2);
        EXPECT_GT(master.Z, previousZ);
        previousZ = master.Z;
        EXPECT_GT(master.MassU1, 0);
        EXPECT_EQ(master.MassU2, master.MassU1);
        for (std::int32_t k = 1; k <= floor.SlaveCount; ++k)
            EXPECT_EQ(model.Joints[floor.JointList[k]].Z, master.Z);
    }

    const double bay = double(config.BayX) * config.BayY;
    for (const TShellElem& shell : model.Shells) {
        ExpectRectangle(model, shell.Node1, shell.Node2, shell.Node3, shell.Node4, bay);
        EXPECT_GT(model.Joints[shell.Node1].Z, 0);
    }

    std::set<std::int32_t> blockJoints;
    for (const TSolidElem& solid : model.Solids) {
        ExpectRectangle(model, solid.Node1, solid.Node2, solid.Node3, solid.Node4, 800 * 800);
        ExpectRectangle(model, solid.Node5, solid.Node6, solid.Node7, solid.Node8, 800 * 800);
        const std::int32_t bottom[] = {solid.Node1, solid.Node2, solid.Node3, solid.Node4};
        const std::int32_t top[] = {solid.Node5, solid.Node6, solid.Node7, solid.Node8};
        for (int k = 0; k < 4; ++k) {
            const TJoint& b = model.Joints[bottom[k]];
            const TJoint& t = model.Joints[top[k]];
            EXPECT_TRUE(b.X == t.X && b.Y == t.Y && t.Z - b.Z == 500);
            blockJoints.insert(bottom[k]);
            blockJoints.insert(top[k]);
        }
    }
    EXPECT_EQ(blockJoints.size(), 27u);
    // The top centre of the block carries a column.
    long columnsOnBlock = 0;
    for (const TFrameElem& frame : model.Frames)
        columnsOnBlock += blockJoints.count(frame.NodeI) && frame.SectionName[0] == 'N';
    EXPECT_EQ(columnsOnBlock, 1);
}

TEST_P(GeneratedBuilding, LoadsActOnBeamsAndFloorJoints)
{
    const BuildingConfig config = GetParam();
    const Expected e(config);
    Model model;
    Import(config, model);
    EXPECT_EQ(model.LoadCaseCount, 2);
    EXPECT_EQ(model.LoadCaseName(1), "DEAD");
    EXPECT_EQ(model.LoadCaseName(2), "LIVE");
    std::map<std::string, long> forces, lines;
    for (const TLoad& load : model.Loads) {
        if (load.LoadType == LoadKind::JointForce) {
            ++forces[load.CaseName];
            const TJoint& joint = model.Joints[load.Target];
            EXPECT_GT(joint.Z, 0);
            EXPECT_EQ(joint.MassU1, 0) << "force on a diaphragm master";
            const bool edge =
                joint.X == 0 || joint.Y == 0 || joint.X == e.lengthX || joint.Y == e.lengthY;
            EXPECT_EQ(edge, load.CaseName == "DEAD");
            EXPECT_LT(load.UZ, 0);
        } else {
            ASSERT_EQ(load.LoadType, LoadKind::Distributed);
            ++lines[load.CaseName];
            const TFrameElem& frame = model.Frames[load.Target];
            EXPECT_EQ(model.Joints[frame.NodeI].Z, model.Joints[frame.NodeJ].Z);
            EXPECT_NE(frame.SectionName, "RLINK");
            EXPECT_EQ(load.Direction, 2);
            EXPECT_LT(load.Value(), 0);
        }
    }
    EXPECT_EQ(forces["DEAD"], e.perimeterJoints);
    EXPECT_EQ(forces["LIVE"], e.interiorJoints);
    EXPECT_EQ(lines["DEAD"], e.beams);
    EXPECT_EQ(lines["LIVE"], e.beams);
}

BuildingConfig Grid(std::int32_t bx, std::int32_t by, std::int32_t storeys)
{
    BuildingConfig c;
    c.BaysX = bx;
    c.BaysY = by;
    c.Storeys = storeys;
    return c;
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeneratedBuilding,
                         testing::Values(ExampleBuilding(), Grid(1, 1, 1), Grid(1, 4, 2),
                                         Grid(5, 1, 3), Grid(6, 4, 7), BuildingForJoints(20000)));

TEST(BuildingGenerator, GridFollowsTheTargetNumberOfJoints)
{
    for (const std::int64_t target : {1000LL, 12345LL, 100000LL, 1000000LL, 5000000LL}) {
        const BuildingConfig c = BuildingForJoints(target);
        const double joints = double(Expected(c).joints);
        EXPECT_NEAR(joints / double(target), 1, 0.02) << target;
        EXPECT_LE(std::abs(c.BaysX - c.BaysY), std::max(2, c.BaysY / 10)) << target;
        EXPECT_EQ(c.Storeys, c.BaysY);
    }
    for (const std::int64_t tiny : {-5LL, 0LL, 1LL, 37LL}) {
        const BuildingConfig c = BuildingForJoints(tiny);
        EXPECT_GE(c.BaysX, 1);
        EXPECT_GE(c.BaysY, 1);
        EXPECT_GE(c.Storeys, 1);
    }
}

TEST(BuildingGenerator, RejectsGridsItCannotWrite)
{
    EXPECT_THROW(BuildingText(Grid(0, 2, 2)), std::invalid_argument);
    EXPECT_THROW(BuildingText(Grid(2, 2, 0)), std::invalid_argument);
    BuildingConfig narrow = ExampleBuilding();
    narrow.BayY = 600; // no room for the 300 mm links at both ends
    EXPECT_THROW(BuildingText(narrow), std::invalid_argument);
    EXPECT_THROW(BuildingText(Grid(2000, 2000, 1000)), std::invalid_argument);
}

} // namespace
} // namespace vek::bench
