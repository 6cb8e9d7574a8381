#include "draw/recording_canvas.h"
#include "view/model_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace vek {
namespace {

using Ops = std::vector<std::string>;

constexpr std::int32_t Red = RgbColor(255, 0, 0);
constexpr std::int32_t Blue = RgbColor(0, 0, 255);
constexpr std::int32_t Yellow = RgbColor(255, 255, 0);
constexpr std::int32_t Green = RgbColor(0, 255, 0);
constexpr std::int32_t Cyan = RgbColor(0, 255, 255);
constexpr std::int32_t Magenta = RgbColor(255, 0, 255);

const Ops Background = {
    "brush 16777215 solid",
    "pen 0 1",
    "rectangle 0 0 200 100",
    "text 8 5 Comic Sans MS 14 0 -1 VEK Program",
    "text 8 32 Comic Sans MS 8 0 -1 Pre- and post-processor for OpenSees",
    "text 8 50 Comic Sans MS 8 0 -1 Imports SAP2000 s2k models, writes OpenSees Tcl scripts",
};

ViewSettings NoLayers()
{
    ViewSettings s;
    s.ShowNodes = s.ShowFrames = s.ShowSupports = s.ShowShells = s.ShowReleases = false;
    s.ShowSolids = false;
    return s;
}

ViewSettings AllLayers()
{
    ViewSettings s;
    s.ShowNodeLabels = s.ShowFrameLabels = s.ShowFrameAxis = s.ShowDiaphragms = true;
    s.ShowHingeCircles = s.ShowShellLabels = s.ShowSolidLabels = true;
    return s;
}

// A 200 x 100 view at zoom 1 panned so that a joint placed at pixel (x, y) by SetJoints has
// the model coordinates (x, -y): each pixel below is the joint's own.
ViewTransform PixelView()
{
    ViewTransform view;
    view.Zoom = 1;
    view.PanX = 100;
    view.PanY = 50;
    return view;
}

void SetJoints(Model& model, const std::vector<Point>& pixels)
{
    model.Joints.Reset(static_cast<std::int32_t>(pixels.size()));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        TJoint& joint = model.Joints.Edit(static_cast<std::int64_t>(i) + 1);
        joint.X = pixels[i].X;
        joint.Y = -pixels[i].Y;
    }
}

// Stale pixels of an earlier picture, of more joints than any test has; the redraw projects
// again.
ProjectedModel StalePixels()
{
    ProjectedModel pixels;
    pixels.Joints.assign(100, Point{-999, -999});
    return pixels;
}

// Frame sections of the given colour and element type.
void SetFrameSections(Model& model,
                      const std::vector<std::pair<std::int32_t, ElementKind>>& sections)
{
    model.FrameSections.Reset(static_cast<std::int32_t>(sections.size()));
    for (std::size_t k = 0; k < sections.size(); ++k) {
        TFrameSection& s = model.FrameSections.Edit(static_cast<std::int64_t>(k) + 1);
        s.Color = sections[k].first;
        s.ElemType = sections[k].second;
    }
}

// Frames {NodeI, NodeJ, Section}.
void SetFrames(Model& model, const std::vector<std::array<std::int32_t, 3>>& frames)
{
    model.Frames.Reset(static_cast<std::int32_t>(frames.size()));
    for (std::size_t k = 0; k < frames.size(); ++k) {
        TFrameElem& f = model.Frames.Edit(static_cast<std::int64_t>(k) + 1);
        f.NodeI = frames[k][0];
        f.NodeJ = frames[k][1];
        f.Section = frames[k][2];
    }
}

// Shell sections {Kind, Color} and shells {Node1..Node4, Section}.
void SetShells(Model& model, const std::vector<std::pair<ShellSectionKind, std::int32_t>>& sections,
               const std::vector<std::array<std::int32_t, 5>>& shells)
{
    model.ShellSections.Reset(static_cast<std::int32_t>(sections.size()));
    for (std::size_t k = 0; k < sections.size(); ++k) {
        TShellSection& s = model.ShellSections.Edit(static_cast<std::int64_t>(k) + 1);
        s.Kind = sections[k].first;
        s.Color = sections[k].second;
    }
    model.Shells.Reset(static_cast<std::int32_t>(shells.size()));
    for (std::size_t k = 0; k < shells.size(); ++k) {
        TShellElem& s = model.Shells.Edit(static_cast<std::int64_t>(k) + 1);
        s.Node1 = shells[k][0];
        s.Node2 = shells[k][1];
        s.Node3 = shells[k][2];
        s.Node4 = shells[k][3];
        s.Section = shells[k][4];
    }
}

void SetSolids(Model& model, const std::vector<std::array<std::int32_t, 8>>& solids)
{
    model.Solids.Reset(static_cast<std::int32_t>(solids.size()));
    for (std::size_t k = 0; k < solids.size(); ++k) {
        TSolidElem& s = model.Solids.Edit(static_cast<std::int64_t>(k) + 1);
        const auto& n = solids[k];
        s.Node1 = n[0], s.Node2 = n[1], s.Node3 = n[2], s.Node4 = n[3];
        s.Node5 = n[4], s.Node6 = n[5], s.Node7 = n[6], s.Node8 = n[7];
    }
}

// The operations of the redraw; the pixels it projects go to `pixels` when given.
Ops DrawAll(const Model& model, const ViewSettings& settings, ProjectedModel* pixels = nullptr,
            const Results& results = Results())
{
    ProjectedModel stale = StalePixels();
    RecordingCanvas canvas(200, 100);
    RedrawModel(canvas, model, results, pixels ? *pixels : stale, settings, PixelView());
    return canvas.Operations;
}

// The operations after the background and the title.
Ops Draw(const Model& model, const ViewSettings& settings, ProjectedModel* pixels = nullptr,
         const Results& results = Results())
{
    Ops ops = DrawAll(model, settings, pixels, results);
    EXPECT_GE(ops.size(), Background.size());
    EXPECT_TRUE(std::equal(Background.begin(), Background.end(), ops.begin()));
    ops.erase(ops.begin(), ops.begin() + static_cast<std::ptrdiff_t>(Background.size()));
    return ops;
}

std::string Brush(std::int32_t color, const char* style = "solid")
{
    return "brush " + std::to_string(color) + " " + style;
}

std::string Pen(std::int32_t color, std::int32_t width)
{
    return "pen " + std::to_string(color) + " " + std::to_string(width);
}

std::string Label(std::int32_t x, std::int32_t y, std::int32_t background, const std::string& t)
{
    return "text " + std::to_string(x) + " " + std::to_string(y) + " Comic Sans MS 10 0 " +
           std::to_string(background) + " " + t;
}

TEST(RedrawModel, EmptyModelGetsBackgroundAndTitleOnly)
{
    Model model;
    EXPECT_EQ(DrawAll(model, AllLayers()), Background);
    ViewSettings loads = AllLayers();
    loads.ShownLoadCase = 1;
    loads.ShownLoadType = 1;
    EXPECT_EQ(DrawAll(model, loads), Background);
}

TEST(RedrawModel, NodesAreBlueDotsWithoutOutline)
{
    Model model;
    SetJoints(model, {{10, 20}, {100, 50}});
    ViewSettings settings = NoLayers();
    settings.ShowNodes = true;
    ProjectedModel pixels = StalePixels();
    EXPECT_EQ(Draw(model, settings, &pixels),
              (Ops{Brush(Blue), Pen(0, 0), "ellipse 6 16 14 24", "ellipse 96 46 104 54"}));
    // The projected pixels are those of the picture.
    EXPECT_EQ(pixels.Joints.at(1).X, 10);
    EXPECT_EQ(pixels.Joints.at(2).Y, 50);
}

TEST(RedrawModel, SupportsColouredByNumberOfFixedDirections)
{
    Model model;
    SetJoints(model, {{10, 20}, {30, 40}, {50, 60}, {70, 80}, {90, 20}});
    model.Joints.Edit(1).Restraint = {0, 1, 1, 1, 0, 0, 0};
    model.Joints.Edit(2).Restraint = {0, 1, 1, 1, 1, 1, 1};
    // Joint 3 is free; entry 0 is not a direction.
    model.Joints.Edit(3).Restraint = {1, 0, 0, 0, 0, 0, 0};
    // Any value but 0 counts once.
    model.Joints.Edit(4).Restraint = {0, 0, 0, -1, 0, 0, 0};
    model.Joints.Edit(5).Restraint = {0, 0, 1, 0, 0, 0, 0};
    ViewSettings settings = NoLayers();
    settings.ShowSupports = true;
    EXPECT_EQ(Draw(model, settings), (Ops{Brush(0), // three: black
                                          Pen(0, 0), "rectangle 5 15 15 25",
                                          Brush(Magenta), // six
                                          "rectangle 25 35 35 45",
                                          Brush(Red), // one
                                          "rectangle 65 75 75 85", "rectangle 85 15 95 25"}));
}

TEST(RedrawModel, FramesInSectionColoursWithoutReleaseLinksAndWithTheSelection)
{
    Model model;
    SetJoints(model, {{10, 20}, {30, 20}, {30, 60}, {10, 60}});
    SetFrameSections(model, {{Red, ElementKind::ElasticBeamColumn},
                             {Blue, ElementKind::Truss},
                             {Green, ElementKind::ReleaseLink}});
    SetFrames(model, {{1, 2, 1}, {2, 3, 1}, {3, 4, 2}, {1, 3, 3}, {4, 1, 1}});
    ViewSettings settings = NoLayers();
    settings.ShowFrames = true;
    settings.SelectedFrame = 2;
    EXPECT_EQ(Draw(model, settings), (Ops{Pen(Red, 2), "line 10 20 30 20", "line 30 20 30 60",
                                          Pen(Blue, 2), "line 30 60 10 60", Pen(Red, 2),
                                          "line 10 60 10 20", Pen(Yellow, 5), "line 30 20 30 60"}));

    // A release link is highlighted too when selected.
    settings.SelectedFrame = 4;
    EXPECT_EQ(Draw(model, settings).back(), "line 10 20 30 60");
    // No highlight for a frame outside the model or with the frames hidden.
    settings.SelectedFrame = 6;
    EXPECT_EQ(Draw(model, settings).back(), "line 10 60 10 20");
    settings.SelectedFrame = 2;
    settings.ShowFrames = false;
    EXPECT_EQ(Draw(model, settings), Ops{});
}

TEST(RedrawModel, ReleaseLinksAreRedCirclesAtTheTruncatedMiddle)
{
    Model model;
    SetJoints(model, {{-10, 20}, {5, 27}, {40, 40}});
    SetFrameSections(model,
                     {{Blue, ElementKind::ReleaseLink}, {Green, ElementKind::ElasticBeamColumn}});
    SetFrames(model, {{1, 2, 1}, {2, 3, 2}});
    ViewSettings settings = NoLayers();
    settings.ShowReleases = true;
    // (-10 + 5) / 2 = -2 and 47 / 2 = 23, truncated toward zero.
    EXPECT_EQ(Draw(model, settings), (Ops{Brush(Red), Pen(Blue, 2), "ellipse -7 18 3 28"}));
}

TEST(RedrawModel, NodeAndFrameLabelsRoundMidpointsHalfToEven)
{
    Model model;
    SetJoints(model, {{10, 20}, {11, 23}, {12, 20}});
    SetFrames(model, {{1, 2, 0}, {2, 3, 0}});
    ViewSettings settings = NoLayers();
    settings.ShowNodeLabels = true;
    settings.ShowFrameLabels = true;
    EXPECT_EQ(Draw(model, settings), (Ops{Label(10, 20, Yellow, "1"), Label(11, 23, Yellow, "2"),
                                          Label(12, 20, Yellow, "3"),
                                          // 10.5 -> 10, 21.5 -> 22; 11.5 -> 12.
                                          Label(10, 22, Green, "1"), Label(12, 22, Green, "2")}));
}

TEST(RedrawModel, FrameAxisFromMidpointToTip)
{
    Model model;
    SetJoints(model, {{10, 20}, {30, 20}});
    SetFrames(model, {{1, 2, 0}});
    model.Frames.Edit(1).VecXZ2 = -1; // 40 pixels down at zoom 1
    ViewSettings settings = NoLayers();
    settings.ShowFrameAxis = true;
    EXPECT_EQ(Draw(model, settings), (Ops{Pen(RgbColor(0, 128, 0), 1), "line 20 20 20 60"}));
}

TEST(RedrawModel, DiaphragmLinesFromTheMasterSkipJointsOutsideTheModel)
{
    Model model;
    SetJoints(model, {{10, 20}, {30, 20}, {50, 20}, {70, 70}});
    model.Constraints.Reset(3);
    TConstraint& floor = model.Constraints.Edit(1);
    floor.JointList = {0, 3, 99, 1, 0};
    floor.SlaveCount = 7; // more than the list holds
    floor.Master = 4;
    TConstraint& lost = model.Constraints.Edit(2);
    lost.JointList = {0, 1, 2};
    lost.SlaveCount = 2;
    lost.Master = 77;
    TConstraint& second = model.Constraints.Edit(3);
    second.JointList = {0, 2, 3};
    second.SlaveCount = 1; // joint 3 is listed but not a slave
    second.Master = 1;
    ViewSettings settings = NoLayers();
    settings.ShowDiaphragms = true;
    EXPECT_EQ(Draw(model, settings), (Ops{Pen(RgbColor(128, 128, 128), 1), "line 70 70 50 20",
                                          "line 70 70 10 20", "line 10 20 30 20"}));
}

TEST(RedrawModel, HingeCirclesInResultColours)
{
    Model model;
    SetJoints(model, {{0, 20}, {50, 20}, {0, 70}});
    SetFrames(model, {{1, 2, 0}, {1, 3, 0}});
    ViewSettings settings = NoLayers();
    settings.ShowHingeCircles = true;
    settings.ScaleMin = -1e-4;
    settings.ScaleMax = 1e-4;
    Results results;
    results.Frames.resize(3);
    results.Frames[1].ResultI = 1e-4;
    results.Frames[1].ResultJ = -2e-5; // 40 % of the scale
    results.Frames[2].ResultI = -1e-4;
    results.Frames[2].ResultJ = -1;
    EXPECT_EQ(Draw(model, settings, nullptr, results),
              (Ops{// The background's black pen is still set.
                   Brush(Magenta), "ellipse 5 15 15 25", Brush(Yellow), "ellipse 35 15 45 25",
                   Brush(Red), "ellipse -5 25 5 35", "ellipse -5 55 5 65"}));
}

TEST(ResultColor, StepsOfTheScale)
{
    const TPalette palette = InitialPalette();
    const auto colour = [&](double value, double min = 0, double max = 1) {
        return ResultColor(palette, value, min, max);
    };
    EXPECT_EQ(colour(0), Red); // step 0 is shown as step 1
    EXPECT_EQ(colour(-5), Red);
    EXPECT_EQ(colour(1.0 / 6), Red);
    EXPECT_EQ(colour(0.25), Yellow); // 1.5 -> 2
    EXPECT_EQ(colour(0.5), Green);
    EXPECT_EQ(colour(0.75), Cyan); // 4.5 -> 4
    EXPECT_EQ(colour(0.8), Blue);
    EXPECT_EQ(colour(1), Magenta);
    EXPECT_EQ(colour(7), Magenta);
    EXPECT_EQ(colour(std::numeric_limits<double>::infinity()), Magenta);
    EXPECT_EQ(colour(-std::numeric_limits<double>::infinity()), Red);
    EXPECT_EQ(colour(std::numeric_limits<double>::quiet_NaN()), Red);
    // The palette decides the colours.
    TPalette other = palette;
    other[13] = 123;
    EXPECT_EQ(ResultColor(other, 0.5, 0, 1), 123);
}

TEST(ResultColor, ScalesWithoutLengthOrBeyondTheDoubleRangeNeverFail)
{
    const TPalette palette = InitialPalette();
    EXPECT_EQ(ResultColor(palette, 1, 2, 2), Red);
    EXPECT_EQ(ResultColor(palette, 3, 2, 2), Magenta);
    EXPECT_EQ(ResultColor(palette, 2, 2, 2), Green);
    EXPECT_EQ(ResultColor(palette, 0, 0, 0), Green);
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(ResultColor(palette, 0, -big, big), Green);
    EXPECT_EQ(ResultColor(palette, big, -big, big), Magenta);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ResultColor(palette, 0, -inf, inf), Green);
    EXPECT_EQ(ResultColor(palette, inf, inf, inf), Green);
    for (double end : {std::numeric_limits<double>::quiet_NaN(), inf}) {
        const std::int32_t c = ResultColor(palette, 0.5, 0, end);
        EXPECT_TRUE(std::find(palette.begin() + 11, palette.end(), c) != palette.end());
    }
}

TEST(RedrawModel, ShellsOfShellSectionsHatchedAndLabelledWithTheirNumbers)
{
    Model model;
    SetJoints(model, {{10, 10}, {30, 10}, {30, 30}, {10, 31}, {50, 10}, {50, 30}});
    const std::int32_t wall = RgbColor(0, 94, 31);
    // Section 2 is of another kind; section 9 does not exist.
    SetShells(model, {{ShellSectionKind::Shell, wall}, {ShellSectionKind::None, Red}},
              {{1, 2, 3, 4, 1}, {2, 5, 6, 3, 2}, {2, 5, 6, 3, 1}, {1, 2, 3, 4, 9}});
    ViewSettings settings = NoLayers();
    settings.ShowShells = true;
    settings.ShowShellLabels = true;
    EXPECT_EQ(Draw(model, settings), (Ops{Brush(wall, "diagcross"), // the background pen outlines
                                          "polygon 10 10 30 10 30 30 10 31",
                                          "polygon 30 10 50 10 50 30 30 30", Brush(wall),
                                          // (10 + 30 + 30 + 10) / 4 = 20 and 81 / 4 = 20.25 -> 20.
                                          Label(20, 20, RgbColor(128, 128, 128), "1"),
                                          Label(40, 20, RgbColor(128, 128, 128), "3")}));
}

TEST(RedrawModel, SolidsAsTwelveEdgesAndLabels)
{
    Model model;
    SetJoints(model,
              {{10, 10}, {30, 10}, {30, 30}, {10, 30}, {15, 5}, {35, 5}, {35, 25}, {15, 25}});
    SetSolids(model, {{1, 2, 3, 4, 5, 6, 7, 8}});
    ViewSettings settings = NoLayers();
    settings.ShowSolids = true;
    settings.ShowSolidLabels = true;
    // In the background's black pen, which is still set.
    EXPECT_EQ(Draw(model, settings),
              (Ops{"line 10 10 30 10", "line 30 10 30 30", "line 30 30 10 30", "line 10 30 10 10",
                   "line 15 5 35 5", "line 35 5 35 25", "line 35 25 15 25", "line 15 25 15 5",
                   "line 10 10 15 5", "line 30 10 35 5", "line 30 30 35 25", "line 10 30 15 25",
                   // 180 / 8 = 22.5 -> 22 and 140 / 8 = 17.5 -> 18.
                   Label(22, 18, RgbColor(128, 128, 128), "1")}));
}

class LoadDrawing : public ::testing::Test
{
protected:
    LoadDrawing()
    {
        SetJoints(model, {{10, 20}, {40, 20}, {40, 60}});
        SetFrames(model, {{1, 2, 0}, {2, 3, 0}});
        model.LoadCaseNames = {"DEAD", "LIVE", "WIND", "STALE"};
        model.LoadCaseCount = 3;
        model.Loads.Reset(9);
        Joint(1, "DEAD", 1, {12500, -2000, 499, 3e6, 0, -1.5e6});
        Joint(2, "LIVE", 2, {1000, 0, 0, 0, 0, 0});
        Element(3, "DEAD", 2, 3, -1500);
        Element(4, "WIND", 1, 1, 2.5);
        Element(5, "WIND", 2, 2, 0.125);
        Joint(6, "DEAD", 99, {1000, 0, 0, 0, 0, 0}); // no such joint
        Element(7, "DEAD", 99, 1, 1);                // no such frame
        Joint(8, "", 3, {1000, 0, 0, 0, 0, 0});      // a load without a case name
        Joint(9, "STALE", 3, {1000, 0, 0, 0, 0, 0}); // of a case past the count
        settings.ShownLoadCase = 1;
        settings.ShownLoadType = 1;
    }

    void Joint(std::int64_t k, const char* caseName, std::int32_t joint,
               std::array<double, 6> values)
    {
        TLoad& load = model.Loads.Edit(k);
        load.LoadType = LoadKind::JointForce;
        load.CaseName = caseName;
        load.Target = joint;
        load.UX = values[0], load.UY = values[1], load.UZ = values[2];
        load.RX = values[3], load.RY = values[4], load.RZ = values[5];
    }

    void Element(std::int64_t k, const char* caseName, std::int32_t frame, std::int32_t direction,
                 double value)
    {
        TLoad& load = model.Loads.Edit(k);
        load.LoadType = LoadKind::Distributed;
        load.CaseName = caseName;
        load.Target = frame;
        load.Direction = direction;
        load.UX = value;
    }

    Model model;
    ViewSettings settings = NoLayers();
};

TEST_F(LoadDrawing, JointForcesInThousandsAndMomentsInMillions)
{
    const std::int32_t grey = RgbColor(240, 240, 240);
    EXPECT_EQ(Draw(model, settings),
              (Ops{Label(10, 20, grey, "13,-2,0"), Label(10, 35, grey, "3,0,-2")}));
    settings.ShownLoadCase = 2;
    EXPECT_EQ(Draw(model, settings),
              (Ops{Label(40, 20, grey, "1,0,0"), Label(40, 35, grey, "0,0,0")}));
}

TEST_F(LoadDrawing, ElementLoadsAtTheFrameMiddle)
{
    settings.ShownLoadType = 2;
    EXPECT_EQ(Draw(model, settings), (Ops{Label(40, 40, Yellow, "3,-1500.00")}));
    settings.ShownLoadCase = 3;
    EXPECT_EQ(Draw(model, settings),
              (Ops{Label(25, 20, Yellow, "1,2.50"), Label(40, 40, Yellow, "2,0.13")}));
}

TEST_F(LoadDrawing, NothingForOtherTypesOrCasesOutsideTheList)
{
    // The wind case has element loads only.
    settings.ShownLoadCase = 3;
    EXPECT_EQ(Draw(model, settings), Ops{});
    settings.ShownLoadType = 3;
    settings.ShownLoadCase = 1;
    EXPECT_EQ(Draw(model, settings), Ops{});
    // Neither the empty name past the list nor a stale name past the count is a case.
    settings.ShownLoadType = 1;
    for (std::int32_t c : {0, -1, 4, 5, 11, std::numeric_limits<std::int32_t>::max()}) {
        settings.ShownLoadCase = c;
        EXPECT_EQ(Draw(model, settings), Ops{}) << c;
    }
}

TEST(RedrawModel, LayersInTheirFixedOrder)
{
    Model model;
    SetJoints(model, {{10, 20}, {40, 20}, {40, 60}, {10, 60}});
    model.Joints.Edit(1).Restraint = {0, 1, 1, 1, 1, 1, 1};
    SetFrameSections(model,
                     {{Blue, ElementKind::ElasticBeamColumn}, {Blue, ElementKind::ReleaseLink}});
    SetFrames(model, {{1, 2, 1}, {2, 3, 2}});
    SetShells(model, {{ShellSectionKind::Shell, Red}}, {{1, 2, 3, 4, 1}});
    SetSolids(model, {{1, 2, 3, 4, 2, 2, 2, 2}});
    model.Constraints.Reset(1);
    model.Constraints.Edit(1).JointList = {0, 2};
    model.Constraints.Edit(1).SlaveCount = 1;
    model.Constraints.Edit(1).Master = 4;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseCount = 1;
    model.Loads.Reset(1);
    model.Loads.Edit(1).CaseName = "DEAD";
    model.Loads.Edit(1).LoadType = LoadKind::JointForce;
    model.Loads.Edit(1).Target = 3;
    ViewSettings settings = AllLayers();
    settings.ShownLoadCase = 1;
    settings.ShownLoadType = 1;
    const Ops ops = Draw(model, settings);

    // The first drawing of each; later layers may repeat a line (the solid's edges).
    const auto at = [&](const std::string& op) {
        const auto it = std::find(ops.begin(), ops.end(), op);
        EXPECT_NE(it, ops.end()) << op;
        return it - ops.begin();
    };
    const std::int32_t grey = RgbColor(128, 128, 128);
    const std::ptrdiff_t order[] = {
        at("ellipse 6 16 14 24"),                            // nodes
        at("rectangle 5 15 15 25"),                          // supports
        at("line 10 20 40 20"),                              // frames
        at(Label(10, 20, Yellow, "1")),                      // node labels
        at(Label(25, 20, Green, "1")),                       // frame labels
        at("line 25 20 25 20"),                              // frame axis (no vector)
        at("line 10 60 40 20"),                              // diaphragms
        at("ellipse 11 15 21 25"),                           // hinge circles
        at("polygon 10 20 40 20 40 60 10 60"),               // shells
        at(Label(25, 40, grey, "1")),                        // shell labels
        at("ellipse 35 35 45 45"),                           // releases
        at("line 40 20 40 20"),                              // solids (edge 5-6)
        at(Label(32, 30, grey, "1")),                        // solid labels
        at(Label(40, 60, RgbColor(240, 240, 240), "0,0,0")), // loads
    };
    for (std::size_t k = 1; k < std::size(order); ++k)
        EXPECT_LT(order[k - 1], order[k]) << k;
}

TEST(RedrawModel, ElementsNamingJointsOrFramesOutsideTheModelAreSkipped)
{
    // The same picture with and without elements that reach outside the model; the bad ones
    // are numbered after the good ones, so the labels of the good ones keep their numbers.
    const auto build = [](bool withBad) {
        Model model;
        SetJoints(model, {{10, 20}, {40, 20}, {40, 60}, {10, 60}});
        SetFrameSections(model,
                         {{Blue, ElementKind::ElasticBeamColumn}, {Red, ElementKind::ReleaseLink}});
        if (!withBad) {
            SetFrames(model, {{1, 2, 1}, {2, 3, 2}});
            SetShells(model, {{ShellSectionKind::Shell, Green}}, {{1, 2, 3, 4, 1}});
            SetSolids(model, {{1, 2, 3, 4, 4, 3, 2, 1}});
        } else {
            SetFrames(model, {{1, 2, 1}, {2, 3, 2}, {1, 50, 1}, {0, 2, 2}, {-3, 5, 1}});
            SetShells(model, {{ShellSectionKind::Shell, Green}},
                      {{1, 2, 3, 4, 1}, {1, 2, 3, 0, 1}, {77, 2, 3, 4, 1}});
            SetSolids(model, {{1, 2, 3, 4, 4, 3, 2, 1}, {1, 2, 3, 4, 4, 3, 2, 9}});
        }
        model.Frames.Edit(1).VecXZ1 = 1;
        model.Constraints.Reset(withBad ? 2 : 1);
        model.Constraints.Edit(1).JointList =
            withBad ? std::vector<std::int32_t>{0, 1, 42, 2} : std::vector<std::int32_t>{0, 1, 2};
        model.Constraints.Edit(1).SlaveCount = withBad ? 3 : 2;
        model.Constraints.Edit(1).Master = 3;
        if (withBad) {
            model.Constraints.Edit(2).JointList = {0, 1, 2};
            model.Constraints.Edit(2).SlaveCount = 2;
            model.Constraints.Edit(2).Master = 0;
        }
        model.LoadCaseNames[0] = "DEAD";
        model.LoadCaseCount = 1;
        model.Loads.Reset(withBad ? 6 : 2);
        const auto load = [&](std::int64_t k, LoadKind type, std::int32_t target) {
            TLoad& l = model.Loads.Edit(k);
            l.CaseName = "DEAD";
            l.LoadType = type;
            l.Target = target;
            l.UX = 5000;
        };
        load(1, LoadKind::JointForce, 2);
        load(2, LoadKind::Distributed, 1);
        if (withBad) {
            load(3, LoadKind::JointForce, 0);
            load(4, LoadKind::JointForce, 5);
            load(5, LoadKind::Distributed, 3); // a frame with a joint outside the model
            load(6, LoadKind::Distributed, 6);
        }
        return model;
    };
    Model good = build(false);
    Model bad = build(true);
    ViewSettings settings = AllLayers();
    settings.ShownLoadCase = 1;
    for (std::int32_t type : {1, 2}) {
        settings.ShownLoadType = type;
        for (std::int32_t selected : {0, 3, 4}) {
            settings.SelectedFrame = selected;
            const Ops expected = Draw(good, settings);
            EXPECT_GT(expected.size(), 30u);
            EXPECT_EQ(Draw(bad, settings), expected) << type << " " << selected;
        }
    }
}

TEST(RedrawModel, FarOffPixelsDoNotOverflowTheBoxes)
{
    Model model;
    model.Joints.Reset(2);
    model.Joints.Edit(1).X = 1e300;
    model.Joints.Edit(2).Y = 1e300;
    model.Joints.Edit(1).Restraint = {0, 1, 0, 0, 0, 0, 0};
    ViewSettings settings = NoLayers();
    settings.ShowNodes = settings.ShowSupports = true;
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int32_t>::min();
    const auto text = [](std::int64_t v) { return std::to_string(v); };
    EXPECT_EQ(Draw(model, settings),
              (Ops{Brush(Blue), Pen(0, 0), "ellipse " + text(max - 4) + " -4 " + text(max) + " 4",
                   "ellipse -4 " + text(min) + " 4 " + text(min + 4), Brush(Red),
                   "rectangle " + text(max - 5) + " -5 " + text(max) + " 5"}));
}

} // namespace
} // namespace vek
