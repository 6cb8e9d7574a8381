#include "draw/canvas.h"
#include "view/view_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace vek {
namespace {

using Coordinates = std::array<double, 3>;

Model JointsAt(const std::vector<Coordinates>& points)
{
    Model model;
    model.Joints.Reset(static_cast<std::int32_t>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        TJoint& joint = model.Joints.Edit(static_cast<std::int64_t>(i) + 1);
        joint.X = points[i][0];
        joint.Y = points[i][1];
        joint.Z = points[i][2];
    }
    return model;
}

// The displacement of joint j, the list grown to reach it.
JointDisplacement& DispOf(Results& results, std::int64_t j)
{
    const auto i = static_cast<std::size_t>(j);
    if (results.Joints.size() <= i)
        results.Joints.resize(i + 1);
    return results.Joints[i];
}

JointSteps& StepsOf(AnimationData& animation, std::int64_t j)
{
    const auto i = static_cast<std::size_t>(j);
    if (animation.Joints.size() <= i)
        animation.Joints.resize(i + 1);
    return animation.Joints[i];
}

Point PixelOf(const ProjectedModel& pixels, std::int64_t joint)
{
    return pixels.Joints.at(static_cast<std::size_t>(joint));
}

TEST(ProjectJoints, StartViewRoundsHalfPixelsToEven)
{
    Results results;
    ProjectedModel pixels;
    Model model = JointsAt({{1000, 2000, 3000}, {-2170, 1095, 0}, {-2165, 1090, 0}});
    ProjectJoints(model, results, pixels, ViewTransform{}, {1069, 639});
    // 1000 / 5 + 534.5 = 734.5 and -2000 / 5 + 319.5 = -80.5.
    EXPECT_EQ(PixelOf(pixels, 1), (Point{734, -80}));
    // 100.5 goes down to 100, 101.5 up to 102.
    EXPECT_EQ(PixelOf(pixels, 2), (Point{100, 100}));
    EXPECT_EQ(PixelOf(pixels, 3), (Point{102, 102}));
}

TEST(ProjectJoints, PanAndZoomMoveAndScaleThePicture)
{
    Results results;
    ProjectedModel pixels;
    Model model = JointsAt({{30, -10, 0}});
    ViewTransform view;
    view.Zoom = 2;
    view.PanX = 10;
    view.PanY = -4;
    ProjectJoints(model, results, pixels, view, {100, 50});
    // u = 30, w = 10: (30 - 10) / 2 + 50 and (10 + 4) / 2 + 25.
    EXPECT_EQ(PixelOf(pixels, 1), (Point{60, 32}));
}

TEST(ProjectJoints, PresetViewsLookAlongTheAxes)
{
    Results results;
    ProjectedModel pixels;
    Model model = JointsAt({{10, 20, 30}});
    ViewTransform view;
    view.Zoom = 1;
    view.PanX = 7;
    const AreaSize area{200, 100};
    // Pixel = (u - 7 + 100, w + 50).
    SetPresetView(view, PresetView::XY);
    ProjectJoints(model, results, pixels, view, area);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{103, 30})); // u = X, w = -Y
    SetPresetView(view, PresetView::XZ);
    EXPECT_EQ(view.PlanAngle, 0);
    EXPECT_EQ(view.TiltAngle, -90);
    ProjectJoints(model, results, pixels, view, area);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{103, 20})); // u = X, w = -Z
    SetPresetView(view, PresetView::YZ);
    EXPECT_EQ(view.PlanAngle, 90);
    EXPECT_EQ(view.TiltAngle, -90);
    ProjectJoints(model, results, pixels, view, area);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{73, 20})); // u = -Y, w = -Z
    EXPECT_EQ(view.Zoom, 1);
    EXPECT_EQ(view.PanX, 7);
}

TEST(ProjectJoints, DisplacementsScaledByDeformScale)
{
    Results results;
    ProjectedModel pixels;
    Model model = JointsAt({{10, 0, 0}, {0, 0, 0}});
    DispOf(results, 1).DispX = 3;
    DispOf(results, 1).DispY = -2;
    DispOf(results, 2).DispX = std::numeric_limits<double>::quiet_NaN();
    DispOf(results, 2).DispY = std::numeric_limits<double>::infinity();
    ViewTransform view;
    view.Zoom = 1;
    const AreaSize area{0, 0};

    ProjectJoints(model, results, pixels, view, area);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{10, 0}));
    // A zero scale ignores even displacements that are not numbers.
    EXPECT_EQ(PixelOf(pixels, 2), (Point{0, 0}));

    view.DeformScale = 2;
    ProjectJoints(model, results, pixels, view, area);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{16, 4}));
}

TEST(ProjectJointsAtStep, UsesTheStepAndTreatsMissingStepsAsZero)
{
    AnimationData animation;
    ProjectedModel pixels;
    Model model = JointsAt({{10, 0, 0}, {20, 0, 0}});
    JointSteps& first = StepsOf(animation, 1);
    first.AnimDispX = {0, 1, 2};
    first.AnimDispY = {0, 5}; // shorter than the X array
    first.AnimDispZ = {0, 0, 9};
    ViewTransform view;
    view.Zoom = 1;
    view.DeformScale = 10;
    const AreaSize area{0, 0};

    ProjectJointsAtStep(model, animation, pixels, view, area, 1);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{20, -50}));
    EXPECT_EQ(PixelOf(pixels, 2), (Point{20, 0}));
    ProjectJointsAtStep(model, animation, pixels, view, area, 2);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{30, 0}));
    for (std::int32_t step : {3, -1, std::numeric_limits<std::int32_t>::max()}) {
        ProjectJointsAtStep(model, animation, pixels, view, area, step);
        EXPECT_EQ(PixelOf(pixels, 1), (Point{10, 0})) << step;
    }
}

// A range projects its own joints only, as the whole table would; ranges reaching past the
// table are cut to it.
TEST(ProjectJointsAtStep, RangesProjectTheirJointsOnly)
{
    AnimationData animation;
    ProjectedModel pixels;
    Model model = JointsAt({{10, 0, 0}, {20, 0, 0}, {30, 0, 0}, {40, 0, 0}});
    for (std::int64_t j = 1; j <= 4; ++j)
        StepsOf(animation, j).AnimDispX = {0, static_cast<double>(j)};
    ViewTransform view;
    view.Zoom = 1;
    view.DeformScale = 1;
    const AreaSize area{0, 0};
    const auto unprojected = [&] {
        FitJoints(pixels, model);
        for (std::int64_t j = 1; j <= 4; ++j)
            pixels.Joints[static_cast<std::size_t>(j)] = {-7, -7};
    };

    unprojected();
    ProjectJointsAtStep(model, animation, pixels, view, area, 1, 2, 3);
    EXPECT_EQ(PixelOf(pixels, 1), (Point{-7, -7}));
    EXPECT_EQ(PixelOf(pixels, 2), (Point{22, 0}));
    EXPECT_EQ(PixelOf(pixels, 3), (Point{33, 0}));
    EXPECT_EQ(PixelOf(pixels, 4), (Point{-7, -7}));

    unprojected();
    ProjectJointsAtStep(model, animation, pixels, view, area, 1, -5, 1);
    ProjectJointsAtStep(model, animation, pixels, view, area, 1, 2, 100);
    for (std::int64_t j = 1; j <= 4; ++j)
        EXPECT_EQ(PixelOf(pixels, j), (Point{static_cast<std::int32_t>(11 * j), 0})) << j;

    unprojected();
    ProjectJointsAtStep(model, animation, pixels, view, area, 1, 3, 2);
    ProjectJointsAtStep(model, animation, pixels, view, area, 1, 5, 9);
    Model empty;
    ProjectJointsAtStep(empty, animation, pixels, view, area, 1, 1, 1);
    for (std::int64_t j = 1; j <= 4; ++j)
        EXPECT_EQ(PixelOf(pixels, j), (Point{-7, -7})) << j;
}

TEST(ProjectFrameMarks, MidpointAxisTipAndHingePoints)
{
    Results results;
    ProjectedModel pixels;
    Model model = JointsAt({{0, 0, 0}, {18.5, -11.5, 0}});
    DispOf(results, 2).DispX = 5;
    model.Frames.Reset(1);
    TFrameElem& frame = model.Frames.Edit(1);
    frame.NodeI = 1;
    frame.NodeJ = 2;
    frame.VecXZ2 = -1;
    ViewTransform view;
    view.Zoom = 0.5;
    view.DeformScale = 1;
    const AreaSize area{0, 0};
    ProjectJoints(model, results, pixels, view, area);
    ProjectFrameMarks(model, pixels, view, area);
    ASSERT_EQ(PixelOf(pixels, 2), (Point{47, 23})); // with the displacement

    const FrameMarks& marks = pixels.Frames.at(1);
    // The midpoint (9.25, -5.75) of the undeformed frame: pixel 18.5, 11.5.
    EXPECT_EQ(marks.Mid, (Point{18, 12}));
    // 40 * 0.5 = 20 model units along -Y: 40 pixels further down.
    EXPECT_EQ(marks.Axis, (Point{18, 52}));
    // A fifth and four fifths of the way between the pixels: 9.4, 4.6 and 37.6, 18.4.
    EXPECT_EQ(marks.HingeI, (Point{9, 5}));
    EXPECT_EQ(marks.HingeJ, (Point{38, 18}));
}

struct Extent
{
    std::int32_t MinX, MaxX, MinY, MaxY;
};

Extent PixelExtent(const ProjectedModel& pixels)
{
    Extent e{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
             std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()};
    for (std::size_t j = 1; j < pixels.Joints.size(); ++j) {
        const Point pixel = pixels.Joints[j];
        e.MinX = std::min(e.MinX, pixel.X);
        e.MaxX = std::max(e.MaxX, pixel.X);
        e.MinY = std::min(e.MinY, pixel.Y);
        e.MaxY = std::max(e.MaxY, pixel.Y);
    }
    return e;
}

// After ZoomAll the pixel extent is centred and the larger side fills 80 % of the area.
void ExpectFitted(const ProjectedModel& pixels, AreaSize area)
{
    const Extent e = PixelExtent(pixels);
    EXPECT_NEAR((e.MinX + e.MaxX) / 2.0, area.W / 2.0, 1.0);
    EXPECT_NEAR((e.MinY + e.MaxY) / 2.0, area.H / 2.0, 1.0);
    const double fillX = (e.MaxX - e.MinX) / (0.8 * area.W);
    const double fillY = (e.MaxY - e.MinY) / (0.8 * area.H);
    EXPECT_NEAR(std::max(fillX, fillY), 1.0, 0.01);
    EXPECT_LE(std::min(fillX, fillY), std::max(fillX, fillY));
}

// A box of 600 x 200 x 300 with one corner at `origin`.
Model BoxAt(double x, double y, double z)
{
    std::vector<Coordinates> corners;
    for (double dx : {0.0, 600.0})
        for (double dy : {0.0, 200.0})
            for (double dz : {0.0, 300.0})
                corners.push_back({x + dx, y + dy, z + dz});
    return JointsAt(corners);
}

TEST(ZoomAll, CentresAndFitsInEveryView)
{
    Results results;
    ProjectedModel pixels;
    const AreaSize area{1069, 639};
    struct Case
    {
        const char* Name;
        double Plan, Tilt;
        Coordinates Origin;
    };
    const Case cases[] = {
        {"XY", 0, 0, {0, 0, 0}},
        {"YZ", 90, -90, {0, 0, 0}},
        {"rotated", 30, -60, {0, 0, 0}},
        {"away from the origin", 0, 0, {50000, -20000, 800}},
        {"rotated away from the origin", 215, 40, {50000, -20000, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Model model = BoxAt(c.Origin[0], c.Origin[1], c.Origin[2]);
        ViewTransform view;
        view.PlanAngle = c.Plan;
        view.TiltAngle = c.Tilt;
        ZoomAll(model, results, pixels, view, area);
        ExpectFitted(pixels, area);
        EXPECT_EQ(view.PlanAngle, c.Plan);
        EXPECT_EQ(view.TiltAngle, c.Tilt);
    }
}

TEST(ZoomAll, ProjectsItselfAndLeavesFreshCaches)
{
    Results results;
    ProjectedModel pixels;
    Model model = BoxAt(100, 100, 0);
    model.Frames.Reset(1);
    model.Frames.Edit(1).NodeI = 1;
    model.Frames.Edit(1).NodeJ = 8;
    // Stale pixels of some other picture must not be used.
    pixels.Joints.assign(static_cast<std::size_t>(model.JointCount()) + 1, Point{5, 5});
    ViewTransform view;
    view.Zoom = 1e6; // every joint on one pixel at first
    const AreaSize area{400, 300};
    ZoomAll(model, results, pixels, view, area);
    ExpectFitted(pixels, area);

    ProjectedModel fresh;
    ProjectJoints(model, results, fresh, view, area);
    ProjectFrameMarks(model, fresh, view, area);
    for (std::int64_t i = 1; i <= model.JointCount(); ++i)
        EXPECT_EQ(PixelOf(pixels, i), PixelOf(fresh, i)) << i;
    EXPECT_EQ(pixels.Frames.at(1).Mid, fresh.Frames.at(1).Mid);
    EXPECT_EQ(pixels.Frames.at(1).Axis, fresh.Frames.at(1).Axis);
    EXPECT_EQ(pixels.Frames.at(1).HingeJ, fresh.Frames.at(1).HingeJ);
}

TEST(ZoomAll, DegenerateModelsAndAreas)
{
    Results results;
    ProjectedModel pixels;
    // One joint: nothing to fit, the view starts over.
    Model single = JointsAt({{300, 400, 500}});
    ViewTransform view;
    view.PanX = 12;
    view.PanY = -3;
    ZoomAll(single, results, pixels, view, {800, 600});
    EXPECT_EQ(view.PanX, 0);
    EXPECT_EQ(view.PanY, 0);
    EXPECT_EQ(view.Zoom, 1.0);

    // A zoom or pan that is not a number, or no zoom at all, is no obstacle.
    Model box = BoxAt(0, 0, 0);
    for (double zoom : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        view.Zoom = zoom;
        view.PanX = std::numeric_limits<double>::infinity();
        ZoomAll(box, results, pixels, view, {800, 600});
        ExpectFitted(pixels, {800, 600});
    }

    // No joints, or an area without size: the view stays.
    const ViewTransform before = [] {
        ViewTransform v;
        v.PanX = 12;
        v.Zoom = 3;
        return v;
    }();
    Model empty;
    view = before;
    ZoomAll(empty, results, pixels, view, {800, 600});
    EXPECT_EQ(view.PanX, 12);
    EXPECT_EQ(view.Zoom, 3);
    for (AreaSize area : {AreaSize{0, 600}, AreaSize{800, 0}}) {
        view = before;
        ZoomAll(box, results, pixels, view, area);
        EXPECT_EQ(view.PanX, 12);
        EXPECT_EQ(view.Zoom, 3);
    }
}

TEST(ViewSteps, WheelPanAndRotate)
{
    ViewTransform view;
    ZoomStep(view, true);
    EXPECT_DOUBLE_EQ(view.Zoom, 4.5);
    ZoomStep(view, false);
    EXPECT_DOUBLE_EQ(view.Zoom, 5.0);

    PanBy(view, 3, -2);
    EXPECT_DOUBLE_EQ(view.PanX, -15);
    EXPECT_DOUBLE_EQ(view.PanY, 10);

    // A drag across the whole width turns the plan by half a turn.
    RotateBy(view, {400, 300}, 100, -30);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 45);
    EXPECT_DOUBLE_EQ(view.TiltAngle, -18);
    RotateBy(view, {0, 300}, 100, 100);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 45);
    EXPECT_DOUBLE_EQ(view.TiltAngle, -18);
}

TEST(ViewSteps, AnglesPastAFullTurnStartAgain)
{
    ViewTransform view;
    view.PlanAngle = 350;
    view.TiltAngle = -350;
    RotateBy(view, {180, 180}, 15, -10); // 365 and -360
    EXPECT_EQ(view.PlanAngle, 0);
    EXPECT_EQ(view.TiltAngle, -360);
    view.PlanAngle = 350;
    RotateBy(view, {180, 180}, 10, -1); // 360 and -361
    EXPECT_EQ(view.PlanAngle, 360);
    EXPECT_EQ(view.TiltAngle, 0);
}

} // namespace
} // namespace vek
