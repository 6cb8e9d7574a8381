#include "post/capacity_curve.h"
#include "post/frame_forces.h"
#include "post/joint_history.h"
#include "post/modal_table.h"

#include "recorder_test_files.h"
#include "support/recorded_runs.h"
#include "support/s2k_test_support.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace vek {
namespace {

using testing::HasRecordedRun;
using testing::RecordedLine;
using testing::RecordedRunFolder;
using testing::RecordedRunInput;
using testing::TempFolder;

#define SKIP_WITHOUT_RUN(name)                                                                     \
    if (!HasRecordedRun(name))                                                                     \
    GTEST_SKIP() << "no OpenSees run " << name

// OpenSees writes six significant digits.
void ExpectClose(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-5 * std::max(1.0, std::abs(expected)));
}

TEST(ModalTable, PeriodsAreThoseOfTheEigenvalues)
{
    SKIP_WITHOUT_RUN("building-modal");
    const CliInput input = RecordedRunInput("building-modal");
    const std::string folder = RecordedRunFolder("building-modal");
    const std::vector<ModeProperties> modes = ReadModalTable(input.InputSettings, folder);
    const std::vector<double> eigenvalues = ReadEigenvalues(folder);
    ASSERT_EQ(modes.size(), 4u);
    ASSERT_EQ(eigenvalues.size(), 4u);
    for (std::size_t k = 0; k < modes.size(); ++k) {
        EXPECT_EQ(modes[k].Mode, static_cast<std::int32_t>(k + 1));
        ExpectClose(modes[k].Period, 2 * std::numbers::pi / std::sqrt(eigenvalues[k]));
        ExpectClose(modes[k].Frequency, 1 / modes[k].Period);
    }
    // Mode 1 sways in Y, mode 2 in X; ratios are fractions.
    EXPECT_DOUBLE_EQ(modes[0].MassRatio[1], 0.924977);
    EXPECT_DOUBLE_EQ(modes[1].MassRatio[0], 0.918523);
    EXPECT_DOUBLE_EQ(modes[3].CumulativeRatio[0], 0.988028);
    EXPECT_DOUBLE_EQ(modes[3].CumulativeRatio[4], 0.979641);
}

TEST(CapacityCurve, FollowsTheControlJointOfEachPushover)
{
    const struct
    {
        const char* run;
        std::size_t steps;
        bool stopped;
        const char* title;
    } cases[] = {
        {"frame-pushover-nonlinear", 200, false, "Capacity curve"},
        {"frame-pushover-elastic", 200, false, "Capacity curve"},
        {"frame-pushover-stops", 135, true, "Capacity curve: stopped at step 135 of 200"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.run);
        SKIP_WITHOUT_RUN(c.run);
        const CliInput input = RecordedRunInput(c.run);
        const Model& model = input.InputModel;
        const Settings& settings = input.InputSettings;
        // PUSH: 1, 2 and 3 kN at the three floors of joint column 24.
        EXPECT_DOUBLE_EQ(PushLoadTotal(model, settings), 6000);
        const CapacityCurve curve = ReadCapacityCurve(model, settings, RecordedRunFolder(c.run));
        ASSERT_EQ(curve.Points.size(), c.steps);
        EXPECT_EQ(curve.Stopped(), c.stopped);
        EXPECT_EQ(CapacityCurveTitle(curve), c.title);
        // The gravity stage's 100 lines come first; joint 24's U1 is value 3 * 23 + 1.
        for (const std::size_t k : {std::size_t{1}, c.steps / 2, c.steps}) {
            const std::vector<double> line = RecordedLine(c.run, "node0.out", 100 + k);
            const CapacityPoint& point = curve.Points[k - 1];
            EXPECT_EQ(point.Step, static_cast<std::int64_t>(k));
            EXPECT_EQ(point.Lambda, line[0]);
            EXPECT_EQ(point.Displacement, line[70]);
            EXPECT_DOUBLE_EQ(point.BaseShear, 6000 * line[0]);
        }
    }
}

TEST(CapacityCurve, DistributedLoadsCountWithTheirLength)
{
    SKIP_WITHOUT_RUN("frame-pushover-elastic");
    CliInput input = RecordedRunInput("frame-pushover-elastic");
    // DEAD: -10 N/mm downwards on the 21 beams (9 of 5000 mm, 12 of 4000 mm... as the file
    // has them): the push of case 1 in Z is the sum of -10 times their lengths.
    input.InputSettings.DispControlCase = 1;
    input.InputSettings.ControlDof = 3;
    double expected = 0;
    const Model& model = input.InputModel;
    for (std::int64_t i = 19; i <= 39; ++i) {
        const TJoint& a = model.Joints[model.Frames[i].NodeI];
        const TJoint& b = model.Joints[model.Frames[i].NodeJ];
        expected += -10 * std::hypot(b.X - a.X, b.Y - a.Y, b.Z - a.Z);
    }
    EXPECT_NEAR(PushLoadTotal(model, input.InputSettings), expected, 1e-6);
    input.InputSettings.ControlDof = 1;
    EXPECT_NEAR(PushLoadTotal(model, input.InputSettings), 0, 1e-9);
}

TEST(JointHistory, IsTheColumnOfTheNodeFile)
{
    SKIP_WITHOUT_RUN("building-time-history");
    const CliInput input = RecordedRunInput("building-time-history");
    const std::string folder = RecordedRunFolder("building-time-history");
    // Joint 104 is value 3 * 3 + 2 of node1.out in U2.
    const JointHistory history = ReadJointHistory(input.InputModel, folder, 104, 2);
    ASSERT_EQ(history.Times.size(), 1000u);
    for (const std::size_t line : {1, 500, 1000}) {
        const std::vector<double> values = RecordedLine("building-time-history", "node1.out", line);
        EXPECT_EQ(history.Times[line - 1], values[0]);
        EXPECT_EQ(history.Values[line - 1], values[11]);
    }
}

TEST(JointHistory, AllJointsOfAFileAtOnce)
{
    SKIP_WITHOUT_RUN("frame-pushover-stops");
    const CliInput input = RecordedRunInput("frame-pushover-stops");
    const std::string folder = RecordedRunFolder("frame-pushover-stops");
    const NodeFileHistories all = ReadNodeFileHistories(folder + "node0.out", {0, 1, 24});
    const JointHistory one = ReadJointHistory(input.InputModel, folder, 24, 1);
    ASSERT_EQ(all.Times, one.Times);
    ASSERT_EQ(all.Values.size(), 235u * 72);
    for (std::size_t line = 0; line < one.Values.size(); ++line)
        EXPECT_EQ(all.Values[line * 72 + 69], one.Values[line]);
}

TEST(FrameEndForces, EveryKindOfTheBuilding)
{
    SKIP_WITHOUT_RUN("building-static-forces");
    const CliInput input = RecordedRunInput("building-static-forces");
    const std::vector<FrameEndForces> forces = ReadFrameEndForces(
        input.InputModel, input.InputSettings, RecordedRunFolder("building-static-forces"), 10);
    ASSERT_EQ(forces.size(), 141u);
    EXPECT_FALSE(forces[0].Recorded);
    // Frame 1 (force-based) leads ele1.out; 28 is a release link, 29 elastic, 34 a truss,
    // 36 the first frame after them, 140 a truss at the end of ele0.out.
    const std::vector<double> ele1 = RecordedLine("building-static-forces", "ele1.out", 10);
    const std::vector<double> ele0 = RecordedLine("building-static-forces", "ele0.out", 10);
    const struct
    {
        std::size_t frame;
        bool recorded;
        const std::vector<double>* line;
        std::size_t first;
    } cases[] = {
        {1, true, &ele1, 1},    {28, false, nullptr, 0}, {29, true, &ele1, 328},
        {34, true, &ele1, 361}, {36, true, &ele1, 385},  {140, true, &ele0, 415},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame);
        EXPECT_EQ(forces[c.frame].Recorded, c.recorded);
        if (!c.recorded)
            continue;
        for (std::size_t k = 0; k < 12; ++k)
            EXPECT_EQ(forces[c.frame].Local[k], (*c.line)[c.first + k]);
    }
    // A truss carries its axial force alone.
    EXPECT_EQ(forces[34].Local[0], -forces[34].Local[6]);
    EXPECT_EQ(forces[34].Local[5], 0);
}

TEST(FrameEndForces, EachStepOfThePushover)
{
    SKIP_WITHOUT_RUN("frame-pushover-nonlinear");
    const CliInput input = RecordedRunInput("frame-pushover-nonlinear");
    const std::vector<FrameEndForces> forces = ReadFrameEndForces(
        input.InputModel, input.InputSettings, RecordedRunFolder("frame-pushover-nonlinear"), 300);
    const std::vector<double> line = RecordedLine("frame-pushover-nonlinear", "ele0.out", 300);
    ASSERT_EQ(forces.size(), 40u);
    EXPECT_EQ(forces[39].Local[11], line[39 * 12]);
    EXPECT_EQ(forces[1].Local[0], line[1]);
}

// What each reader says of a bad file: the file and the line.
TEST(ResultReaders, NameTheFileAndLineOfABadValue)
{
    SKIP_WITHOUT_RUN("frame-pushover-elastic");
    const CliInput input = RecordedRunInput("frame-pushover-elastic");
    const Model& model = input.InputModel;
    const Settings& settings = input.InputSettings;
    TempFolder folder("results_errors");
    const std::string node0 = folder.File("node0.out");
    auto line = [](const std::string& time, std::size_t values, const std::string& value) {
        std::string text = time;
        for (std::size_t k = 0; k < values; ++k)
            text += " " + value;
        return text + "\n";
    };
    std::string gravity;
    for (int k = 0; k < 100; ++k)
        gravity += line("1", 72, "0");
    const struct
    {
        std::string text;
        std::function<void()> read;
        std::string message;
    } cases[] = {
        {line("1", 71, "0"), [&] { ReadJointHistory(model, folder.Path(), 24, 1); },
         "File \"" + node0 + "\" has 71 values in line 1, but joints 1 to 24 record 72"},
        {line("1", 72, "0") + line("1", 72, "x1"),
         [&] { ReadJointHistory(model, folder.Path(), 24, 1); },
         "File \"" + node0 + "\", line 2: 'x1' is not a valid floating point value"},
        {line("1", 72, "0") + "1  2\n", [&] { ReadJointHistory(model, folder.Path(), 3, 1); },
         "File \"" + node0 + "\" has 2 values in line 2, but joints 1 to 24 record 72"},
        {line("1", 72, "0") + line("1", 72, "x1"),
         [&] {
             ReadNodeFileHistories(node0, {0, 1, 24});
         },
         "File \"" + node0 + "\", line 2: 'x1' is not a valid floating point value"},
        {line("1", 73, "0"),
         [&] {
             ReadNodeFileHistories(node0, {0, 1, 24});
         },
         "File \"" + node0 + "\" has 73 values in line 1, but joints 1 to 24 record 72"},
        {line("1", 72, "0"), [&] { ReadCapacityCurve(model, settings, folder.Path()); },
         "File \"" + node0 +
             "\" has 1 lines, fewer than the 100 of the gravity stage: the push stage did not "
             "start"},
        {[&] {
             std::string text = gravity;
             for (int k = 0; k < 201; ++k)
                 text += line("1", 72, "0");
             return text;
         }(),
         [&] { ReadCapacityCurve(model, settings, folder.Path()); },
         "File \"" + node0 +
             "\" has 301 lines, but the script records 300 (100 gravity and 200 push steps): it "
             "is not this model's run"},
    };
    for (const auto& c : cases) {
        folder.Write("node0.out", c.text);
        try {
            c.read();
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const VekError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
    // Element forces: 39 frames of 12 values.
    folder.Write("ele0.out", line("1", 468, "0") + line("2", 467, "0"));
    EXPECT_NO_THROW(ReadFrameEndForces(model, settings, folder.Path(), 1));
    try {
        ReadFrameEndForces(model, settings, folder.Path(), 2);
        ADD_FAILURE();
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "File \"" + folder.File("ele0.out") +
                      "\" has 467 values in line 2, but frames 1 to 39 record 468 with the "
                      "model's element types");
    }
}

TEST(ModalTable, RefusesAnotherRunAndBadRows)
{
    SKIP_WITHOUT_RUN("building-modal");
    const std::string text =
        ReadWholeFile(RecordedRunFolder("building-modal") + "ModalProperties.txt");
    Settings settings;
    settings.ModeCount = 4;
    TempFolder folder("modal_errors");
    const std::string path = folder.File("ModalProperties.txt");
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const struct
    {
        std::string text;
        std::int32_t modes;
        std::string message;
    } cases[] = {
        {text, 6,
         "File \"" + path +
             "\" reports 4 modes, but the script asks for 6 (set numModes): it is not this "
             "model's run"},
        {replaced("3.07322", "3.0x"), 4,
         "File \"" + path + "\", line 11: '3.0x' is not a valid floating point value"},
        {replaced("       3.07322", ""), 4,
         "File \"" + path +
             "\" has 4 values in line 11, but the table \"EIGENVALUE ANALYSIS\" has 5 columns"},
        {replaced("MODAL PARTICIPATION MASS RATIOS (%):", "RATIOS:"), 4,
         "File \"" + path +
             "\" has no table \"MODAL PARTICIPATION MASS RATIOS (%)\": it is not the modal "
             "properties of a run"},
    };
    for (const auto& c : cases) {
        folder.Write("ModalProperties.txt", c.text);
        settings.ModeCount = c.modes;
        try {
            ReadModalTable(settings, folder.Path());
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const VekError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
    // Periods.txt of another run.
    folder.Write("ModalProperties.txt", text);
    folder.Write("Periods.txt", " 372.86 626.78 3318.3 5500\n");
    settings.ModeCount = 4;
    try {
        ReadModalTable(settings, folder.Path());
        ADD_FAILURE();
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "File \"" + path +
                      "\", line 14: the period of mode 4 is 0.0854975, but the "
                      "eigenvalue of \"" +
                      folder.File("Periods.txt") +
                      "\" gives 0.08472245339863081: the files are of different runs");
    }
}

TEST(SystemUnits, LengthAndForceOfTheSystemLine)
{
    const Model model = testing::Import(testing::fileHead + testing::JointTable(2));
    EXPECT_EQ(model.LengthUnit, "mm");
    EXPECT_EQ(model.ForceUnit, "N");
    const Model none = testing::Import("\n" + testing::JointTable(2));
    EXPECT_EQ(none.LengthUnit, "");
}

} // namespace
} // namespace vek
