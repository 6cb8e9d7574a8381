#include "draw/recording_canvas.h"
#include "support/s2k_test_support.h"
#include "util/error.h"
#include "util/text_lines.h"
#include "view/force_diagram.h"
#include "view/model_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vek {
namespace {

constexpr double L = 6000;
constexpr double W = 25;

using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Beams of length L along global X (vecxz = Z, so local y = Y and z = Z), beam k from joint 2k-1
// to joint 2k; case 1 "DEAD" puts `loads` ({frame, direction, value}) on them.
Model Beams(std::int32_t count, const std::vector<std::array<double, 3>>& loads)
{
    Model model;
    model.Joints.Reset(2 * count);
    model.Frames.Reset(count);
    for (std::int32_t k = 1; k <= count; ++k) {
        model.Joints.Edit(2 * k - 1).Y = 1000.0 * k;
        model.Joints.Edit(2 * k).X = L;
        model.Joints.Edit(2 * k).Y = 1000.0 * k;
        TFrameElem& f = model.Frames.Edit(k);
        f.NodeI = 2 * k - 1;
        f.NodeJ = 2 * k;
        f.VecXZ3 = 1;
    }
    model.LoadCaseCount = 2;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "LIVE";
    model.Loads.Reset(static_cast<std::int32_t>(loads.size()));
    for (std::size_t l = 0; l < loads.size(); ++l) {
        TLoad& load = model.Loads.Edit(static_cast<std::int64_t>(l) + 1);
        load.LoadType = LoadKind::Distributed;
        load.CaseName = "DEAD";
        load.Target = static_cast<std::int32_t>(loads[l][0]);
        load.Direction = static_cast<std::int32_t>(loads[l][1]);
        load.UX = loads[l][2];
    }
    return model;
}

// End forces on an element of length L along local x loaded by w (local), with `endI` at I
// and the forces at J that keep it in equilibrium.
FrameEndForces Balanced(const std::array<double, 6>& endI, const Vec& w)
{
    FrameEndForces f;
    f.Recorded = true;
    std::copy(endI.begin(), endI.end(), f.Local.begin());
    const Vec fi{endI[0], endI[1], endI[2]}, mi{endI[3], endI[4], endI[5]};
    const Vec iToJ{-L, 0, 0}, loadArm{-L / 2, 0, 0};
    const Vec total{w[0] * L, w[1] * L, w[2] * L};
    const Vec armI = Cross(iToJ, fi), armLoad = Cross(loadArm, total);
    for (std::size_t c = 0; c < 3; ++c) {
        f.Local[6 + c] = -fi[c] - total[c];
        f.Local[9 + c] = -mi[c] - armI[c] - armLoad[c];
    }
    return f;
}

// The diagrams of the quantity with the loads of case 1.
ForceDiagrams Shown(FrameQuantity quantity)
{
    ForceDiagrams forces;
    forces.Quantity = quantity;
    forces.LoadCase = 1;
    return forces;
}

TEST(ForceDiagram, SimplySupportedBeamPeaksAtWL2Over8)
{
    // Frame 1 carries -W in direction 2 (wz = -W), frame 2 W in direction 3 (wy = -W).
    const Model model = Beams(2, {{1, 2, -W}, {2, 3, W}});
    const std::vector<LocalLoad> loads = CaseFrameLoads(model, 1);
    EXPECT_EQ(loads[1].Wz, -W);
    EXPECT_EQ(loads[2].Wy, -W);
    const double r = W * L / 2;
    std::vector<FrameEndForces> ends(3);
    ends[1] = {true, {0, 0, r, 0, 0, 0, 0, 0, r, 0, 0, 0}};
    ends[2] = {true, {0, r, 0, 0, 0, 0, 0, r, 0, 0, 0, 0}};
    ForceDiagrams my = Shown(FrameQuantity::My);
    ComputeForceDiagrams(model, ends, my);
    // Sagging stretches the bottom (-z): My is negative, drawn along +z, so below the beam.
    EXPECT_DOUBLE_EQ(DiagramValue(my.Frames[1], L / 2), -W * L * L / 8);
    EXPECT_DOUBLE_EQ(DiagramPeak(my.Frames[1]), W * L * L / 8);
    EXPECT_EQ(my.Frames[1].DirZ, 1);
    ForceDiagrams mz = Shown(FrameQuantity::Mz);
    ComputeForceDiagrams(model, ends, mz);
    EXPECT_DOUBLE_EQ(DiagramValue(mz.Frames[2], L / 2), W * L * L / 8);
    EXPECT_EQ(mz.Frames[2].DirY, -1);
    ForceDiagrams vz = Shown(FrameQuantity::Vz);
    ComputeForceDiagrams(model, ends, vz);
    EXPECT_DOUBLE_EQ(DiagramValue(vz.Frames[1], 0), -r);
    EXPECT_DOUBLE_EQ(DiagramValue(vz.Frames[1], L), r);
}

TEST(ForceDiagram, ValueAtJFromEndIAndLoadIsEndJs)
{
    const Vec w{3, -7, 11};
    const FrameEndForces f = Balanced({-40e3, 12e3, -9e3, 5e5, -2e7, 3e7}, w);
    for (const FrameQuantity q : {FrameQuantity::N, FrameQuantity::Vy, FrameQuantity::Vz,
                                  FrameQuantity::T, FrameQuantity::My, FrameQuantity::Mz}) {
        SCOPED_TRACE(static_cast<int>(q));
        const FrameDiagram d = DiagramFromEnds(q, f.Local, {w[0], w[1], w[2]});
        EXPECT_NEAR(DiagramValue(d, L), d.ValueJ, 1e-9 * (std::abs(d.ValueJ) + 1e7));
    }
}

// The beams 13..21 of examples/building.s2k (dispBeamColumn, loaded by DEAD) at the last of
// the 10 load steps of a recorded OpenSees run: from end I and the load the diagrams reach the
// values OpenSees wrote for end J, and the end forces balance the whole load (factor 1).
TEST(ForceDiagram, RecordedBeamsCloseAtEndJ)
{
    const std::string run = VEK_OPENSEES_RUNS "/building-static-forces";
    if (!std::filesystem::is_directory(run))
        GTEST_SKIP() << "no OpenSees runs at " << run;
    std::ifstream file(run + "/ele1.out");
    ASSERT_TRUE(file) << "no ele1.out in " << run;
    std::string line, last;
    while (std::getline(file, line))
        last = line;
    std::istringstream values(last);
    std::vector<double> columns;
    for (std::string v; values >> v;)
        columns.push_back(std::strtod(v.c_str(), nullptr));
    // The time, then 12 values of each of the first 21 elements, beam-columns all.
    ASSERT_GE(columns.size(), 1u + 21 * 12);
    const Model model = testing::Import(ReadWholeFile(VEK_EXAMPLES_DIR "/building.s2k"));
    ASSERT_EQ(model.LoadCaseName(1), "DEAD");
    const std::vector<LocalLoad> loads = CaseFrameLoads(model, 1);
    std::vector<FrameEndForces> ends(22);
    for (std::size_t e = 13; e <= 21; ++e) {
        ends[e].Recorded = true;
        std::copy_n(columns.begin() + 1 + static_cast<std::ptrdiff_t>((e - 1) * 12), 12,
                    ends[e].Local.begin());
        EXPECT_EQ(loads[e].Wz, -20);
        LocalAxes axes;
        double length = 0;
        ASSERT_TRUE(
            FrameLocalAxes(model, model.Frames[static_cast<std::int64_t>(e)], axes, length));
        EXPECT_NEAR(StepLoadFactor(ends[e].Local, length, loads[e]), 1, 1e-5) << e;
    }
    for (const FrameQuantity q : {FrameQuantity::N, FrameQuantity::Vy, FrameQuantity::Vz,
                                  FrameQuantity::T, FrameQuantity::My, FrameQuantity::Mz}) {
        ForceDiagrams forces = Shown(q);
        ComputeForceDiagrams(model, ends, forces);
        for (std::size_t e = 13; e <= 21; ++e) {
            const FrameDiagram& d = forces.Frames[e];
            // OpenSees writes 6 significant digits.
            EXPECT_NEAR(DiagramValue(d, d.Length), d.ValueJ, 1e-5 * DiagramPeak(d) + 1e-9)
                << static_cast<int>(q) << " frame " << e;
        }
    }
}

TEST(ForceDiagram, LoadOfAStepIsTheCasesTimesTheFactorTheEndsShow)
{
    // The case gives wz = -W, the step's end forces balance 0.3 of it.
    const Model model = Beams(1, {{1, 2, -W}});
    const std::vector<FrameEndForces> ends = {
        {}, Balanced({0, 0, 0.3 * W * L / 2, 0, 0, 0}, {0, 0, -0.3 * W})};
    EXPECT_DOUBLE_EQ(StepLoadFactor(ends[1].Local, L, {0, 0, -W}), 0.3);
    ForceDiagrams my = Shown(FrameQuantity::My);
    ComputeForceDiagrams(model, ends, my);
    EXPECT_NEAR(DiagramValue(my.Frames[1], L), 0, 1e-6);
    EXPECT_DOUBLE_EQ(DiagramValue(my.Frames[1], L / 2), -0.3 * W * L * L / 8);
}

TEST(ForceDiagram, FramesWithoutRecordedForcesDrawNothing)
{
    const Model model = Beams(3, {});
    // Frame 1 records none, frame 3 lies past the list.
    const std::vector<FrameEndForces> ends = {{}, {}, Balanced({-5, 0, 0, 0, 0, 0}, {})};
    Results results;
    ApplyForceRequest(model, results, {FrameQuantity::N, 1, 0, true, 0, true}, ends);
    ASSERT_EQ(results.Forces.Frames.size(), 4u);
    EXPECT_FALSE(results.Forces.Frames[1].Drawn);
    EXPECT_TRUE(results.Forces.Frames[2].Drawn);
    EXPECT_FALSE(results.Forces.Frames[3].Drawn);
    // A tenth of the model's 6000 mm extent for the largest value, 5.
    EXPECT_DOUBLE_EQ(results.Forces.Scale, 120);

    ViewSettings settings;
    settings.ShowNodes = settings.ShowFrames = settings.ShowSupports = false;
    ViewTransform view;
    view.Zoom = 100;
    ProjectedModel projected;
    RecordingCanvas canvas(200, 100);
    RedrawModel(canvas, model, results, projected, settings, view);
    std::vector<std::string> labels;
    for (const std::string& op : canvas.Operations)
        if (op.find("E+000") != std::string::npos)
            labels.push_back(op.substr(op.rfind(' ') + 1));
    // Tension (5 along the frame) on frame 2 only: three lines and its two end values.
    EXPECT_EQ(std::count_if(canvas.Operations.begin(), canvas.Operations.end(),
                            [](const std::string& op) { return op.starts_with("line"); }),
              3);
    EXPECT_EQ(labels, (std::vector<std::string>{"5.00E+000", "5.00E+000"}));

    results.Clear();
    EXPECT_EQ(results.Forces.Quantity, FrameQuantity::None);
    EXPECT_TRUE(results.Forces.Frames.empty());
}

// The sagging moment of a simply supported beam, seen from the side its plane faces, is drawn
// below the beam, on the side it stretches: the peak of 1000 model lengths at mid-span lands
// 1000 / 60 pixels under the beam, in the colour of negative (My) or positive (Mz) values.
TEST(ForceDiagram, MomentsAreDrawnOnTheTensionSide)
{
    struct Case
    {
        FrameQuantity Quantity;
        double Direction, Value, Tilt;
        std::int32_t Color;
        std::array<double, 12> Ends;
    };
    const double r = W * L / 2;
    for (const Case& c : {Case{FrameQuantity::My,
                               2,
                               -W,
                               -90,
                               RgbColor(0, 0, 255),
                               {0, 0, r, 0, 0, 0, 0, 0, r, 0, 0, 0}},
                          Case{FrameQuantity::Mz,
                               3,
                               W,
                               0,
                               RgbColor(255, 0, 0),
                               {0, r, 0, 0, 0, 0, 0, r, 0, 0, 0, 0}}}) {
        SCOPED_TRACE(static_cast<int>(c.Quantity));
        Model model = Beams(1, {{1, c.Direction, c.Value}});
        model.Joints.Edit(1).Y = model.Joints.Edit(2).Y = 0;
        Results results;
        ApplyForceRequest(model, results, {c.Quantity, 1, 1, false, 1000 / (W * L * L / 8), false},
                          {{}, {true, c.Ends}});
        ViewSettings settings;
        settings.ShowNodes = settings.ShowFrames = settings.ShowSupports = false;
        ViewTransform view;
        view.TiltAngle = c.Tilt;
        view.Zoom = 60;
        view.PanX = L / 2;
        ProjectedModel projected;
        RecordingCanvas canvas(200, 100);
        RedrawModel(canvas, model, results, projected, settings, view);
        const auto& ops = canvas.Operations;
        const auto peak = std::find(ops.begin(), ops.end(), "line 88 66 100 67");
        ASSERT_NE(peak, ops.end());
        EXPECT_EQ(ops.back(), "line 150 50 150 50");
        EXPECT_NE(std::find(ops.begin(), peak, "pen " + std::to_string(c.Color) + " 1"), peak);
    }
}

TEST(ForceDiagram, EndValuesOnlyWhereALabelHasRoom)
{
    // Two diagrams on one place: both drawn, the end values of the first only.
    Model model = Beams(2, {});
    model.Frames.Edit(2).NodeI = 1;
    model.Frames.Edit(2).NodeJ = 2;
    const FrameEndForces tension = Balanced({-5, 0, 0, 0, 0, 0}, {});
    Results results;
    ApplyForceRequest(model, results, {FrameQuantity::N, 1, 0, true, 0, true},
                      {{}, tension, tension});
    ViewSettings settings;
    settings.ShowNodes = settings.ShowFrames = settings.ShowSupports = false;
    ViewTransform view;
    view.Zoom = 100;
    ProjectedModel projected;
    RecordingCanvas canvas(200, 100);
    RedrawModel(canvas, model, results, projected, settings, view);
    const auto count = [&canvas](const char* start) {
        return std::count_if(canvas.Operations.begin(), canvas.Operations.end(),
                             [start](const std::string& op) { return op.starts_with(start); });
    };
    EXPECT_EQ(count("line"), 6);
    EXPECT_EQ(count("text") - 3, 2);
}

TEST(ForceDiagram, RequestRejectsBadFields)
{
    struct Case
    {
        const char* Step;
        bool AutoScale;
        const char* Scale;
    };
    for (const Case& c : {Case{"0", true, ""}, Case{"x", true, ""}, Case{"2", false, "-1"},
                          Case{"2", false, "inf"}, Case{"2", false, ""}}) {
        SCOPED_TRACE(std::string(c.Step) + " " + c.Scale);
        EXPECT_THROW(ReadForceRequest(0, c.Step, 1, c.AutoScale, c.Scale, true), VekError);
    }
    EXPECT_THROW(ReadForceRequest(6, "1", 1, true, "", true), VekError);
    const ForceRequest r = ReadForceRequest(5, "12", 2, false, "0.5", false);
    EXPECT_EQ(r.Quantity, FrameQuantity::Mz);
    EXPECT_EQ(r.Step, 12);
    EXPECT_EQ(r.Scale, 0.5);
}

} // namespace
} // namespace vek
