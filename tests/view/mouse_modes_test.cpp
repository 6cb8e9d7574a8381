#include "view/mouse_modes.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vek {
namespace {

// Frames whose midpoint pixels are given; all name the model's two joints.
struct FramesWithMidpoints
{
    explicit FramesWithMidpoints(const std::vector<std::array<std::int32_t, 2>>& mids)
    {
        model.Joints.Reset(2);
        model.Frames.Reset(static_cast<std::int32_t>(mids.size()));
        pixels.Frames.resize(mids.size() + 1);
        for (std::size_t k = 0; k < mids.size(); ++k) {
            TFrameElem& frame = model.Frames.Edit(static_cast<std::int64_t>(k) + 1);
            frame.NodeI = 1;
            frame.NodeJ = 2;
            pixels.Frames[k + 1].Mid = {mids[k][0], mids[k][1]};
        }
    }
    std::int32_t FrameAt(std::int32_t x, std::int32_t y) const
    {
        return vek::FrameAt(model, pixels, x, y);
    }

    Model model;
    ProjectedModel pixels;
};

TEST(FrameAt, BoxAroundTheMidpointWithoutItsRightAndBottomEdges)
{
    const FramesWithMidpoints model({{50, 60}});
    EXPECT_EQ(model.FrameAt(50, 60), 1);
    EXPECT_EQ(model.FrameAt(45, 55), 1);
    EXPECT_EQ(model.FrameAt(54, 64), 1);
    EXPECT_EQ(model.FrameAt(44, 60), 0);
    EXPECT_EQ(model.FrameAt(55, 60), 0);
    EXPECT_EQ(model.FrameAt(50, 54), 0);
    EXPECT_EQ(model.FrameAt(50, 65), 0);
    EXPECT_EQ(FrameAt(Model{}, ProjectedModel{}, 0, 0), 0);
}

TEST(FrameAt, LastMatchWinsAndFramesOffTheModelAreNotPicked)
{
    FramesWithMidpoints model({{50, 60}, {53, 62}, {100, 100}, {51, 61}});
    EXPECT_EQ(model.FrameAt(52, 61), 4);
    EXPECT_EQ(model.FrameAt(57, 62), 2);
    // Frame 4 names a joint outside the model: it is not drawn, so it is not picked.
    model.model.Frames.Edit(4).NodeJ = 3;
    EXPECT_EQ(model.FrameAt(52, 61), 2);
    model.model.Frames.Edit(2).NodeI = 0;
    EXPECT_EQ(model.FrameAt(52, 61), 1);
}

// Frames whose midpoints project, in the plan view of zoom 1 on a 360 x 180 area, to the
// pixels given: each runs 10 pixels across its midpoint.
Model FramesAroundMidpoints(const std::vector<std::array<std::int32_t, 2>>& mids)
{
    Model model;
    model.Joints.Reset(static_cast<std::int32_t>(2 * mids.size()));
    model.Frames.Reset(static_cast<std::int32_t>(mids.size()));
    for (std::size_t k = 0; k < mids.size(); ++k) {
        const auto i = static_cast<std::int32_t>(2 * k + 1);
        for (const std::int32_t end : {i, i + 1}) {
            TJoint& joint = model.Joints.Edit(end);
            joint.X = mids[k][0] - 180 + (end == i ? -5 : 5);
            joint.Y = 90 - mids[k][1];
        }
        TFrameElem& frame = model.Frames.Edit(static_cast<std::int64_t>(k) + 1);
        frame.NodeI = i;
        frame.NodeJ = i + 1;
    }
    return model;
}

ViewTransform PlanAtZoomOne()
{
    ViewTransform view;
    view.Zoom = 1;
    return view;
}

class MouseTest : public ::testing::Test
{
protected:
    MouseResult Down(MouseButton button, std::int32_t x, std::int32_t y)
    {
        return mouse.Down(model, pixels, settings, view, area, button, x, y);
    }
    MouseResult Move(std::int32_t x, std::int32_t y)
    {
        return mouse.Move(settings, view, area, x, y);
    }
    MouseResult Up(std::int32_t x, std::int32_t y) { return mouse.Up(settings, view, area, x, y); }

    static bool Quiet(const MouseResult& r)
    {
        return !r.Redraw && !r.ShowFrameProperties && !r.Status;
    }

    Model model = FramesAroundMidpoints({{50, 60}, {120, 80}});
    ProjectedModel pixels;
    ViewSettings settings;
    ViewTransform view = PlanAtZoomOne();
    AreaSize area{360, 180};
    MouseController mouse;
};

TEST_F(MouseTest, SelectModePicksTheFrameUnderThePress)
{
    settings.MouseMode = MouseMode::SelectElem;
    MouseResult r = Down(MouseButton::Left, 121, 79);
    EXPECT_EQ(settings.SelectedFrame, 2);
    EXPECT_TRUE(r.ShowFrameProperties);
    EXPECT_TRUE(r.Redraw);
    EXPECT_FALSE(r.Status);
    EXPECT_EQ(settings.MouseMode, MouseMode::SelectElem);

    // A miss clears the selection but asks for nothing.
    r = Down(MouseButton::Left, 10, 10);
    EXPECT_EQ(settings.SelectedFrame, 0);
    EXPECT_TRUE(Quiet(r));
    EXPECT_EQ(settings.MouseMode, MouseMode::SelectElem);

    // A right press picks, then ends the mode.
    r = Down(MouseButton::Right, 50, 60);
    EXPECT_EQ(settings.SelectedFrame, 1);
    EXPECT_TRUE(r.ShowFrameProperties);
    EXPECT_EQ(settings.MouseMode, MouseMode::None);
    EXPECT_EQ(r.Status, "None");
}

// The press finds the midpoints of the view it is given, undeformed, whatever the frames'
// marks held before.
TEST_F(MouseTest, SelectModePicksAtTheUndeformedMidpointsOfTheView)
{
    settings.MouseMode = MouseMode::SelectElem;
    pixels.Frames.resize(3);
    pixels.Frames[1].Mid = {120, 80};
    view.DeformScale = 1;
    Down(MouseButton::Left, 50, 60);
    EXPECT_EQ(settings.SelectedFrame, 1);

    PanBy(view, 30, 0);
    Down(MouseButton::Left, 50, 60);
    EXPECT_EQ(settings.SelectedFrame, 0);
    Down(MouseButton::Left, 80, 60);
    EXPECT_EQ(settings.SelectedFrame, 1);
}

TEST_F(MouseTest, OtherModesNeitherPickNorMove)
{
    for (MouseMode mode : {MouseMode::None, MouseMode::NoAction}) {
        settings.MouseMode = mode;
        settings.SelectedFrame = 2;
        EXPECT_TRUE(Quiet(Down(MouseButton::Left, 50, 60)));
        EXPECT_TRUE(Quiet(Move(80, 90)));
        EXPECT_TRUE(Quiet(Up(80, 90)));
        EXPECT_EQ(settings.SelectedFrame, 2);
        EXPECT_EQ(settings.MouseMode, mode);
    }
    EXPECT_EQ(view.PanX, 0);
    EXPECT_EQ(view.PlanAngle, 0);
}

TEST_F(MouseTest, PanDragMovesThePanByZoomPerPixel)
{
    settings.MouseMode = MouseMode::PanArmed;
    view.Zoom = 2;
    EXPECT_TRUE(Quiet(Down(MouseButton::Left, 100, 100)));
    EXPECT_EQ(settings.MouseMode, MouseMode::Panning);

    MouseResult r = Move(110, 95);
    EXPECT_TRUE(r.Redraw);
    EXPECT_FALSE(r.Status);
    EXPECT_DOUBLE_EQ(view.PanX, -20);
    EXPECT_DOUBLE_EQ(view.PanY, 10);
    EXPECT_EQ(mouse.LastMouseX, 110);
    EXPECT_EQ(mouse.LastMouseY, 95);

    r = Up(107, 95);
    EXPECT_TRUE(r.Redraw);
    EXPECT_EQ(r.Status, "Pan");
    EXPECT_EQ(settings.MouseMode, MouseMode::PanArmed);
    EXPECT_DOUBLE_EQ(view.PanX, -14);
    EXPECT_DOUBLE_EQ(view.PanY, 10);
    EXPECT_EQ(mouse.LastMouseX, 107);

    // Moving after the release does not pan.
    EXPECT_TRUE(Quiet(Move(300, 300)));
    EXPECT_DOUBLE_EQ(view.PanX, -14);
    EXPECT_EQ(view.PlanAngle, 0);
}

TEST_F(MouseTest, RotateDragTurnsByTheFractionOfTheArea)
{
    settings.MouseMode = MouseMode::RotateArmed;
    EXPECT_TRUE(Quiet(Down(MouseButton::Left, 10, 20)));
    EXPECT_EQ(settings.MouseMode, MouseMode::Rotating);

    MouseResult r = Move(100, 20); // a quarter of the width
    EXPECT_TRUE(r.Redraw);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 45);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 0);

    r = Up(100, 65); // a quarter of the height
    EXPECT_TRUE(r.Redraw);
    EXPECT_EQ(r.Status, "Rotate View");
    EXPECT_EQ(settings.MouseMode, MouseMode::RotateArmed);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 45);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 45);
    EXPECT_EQ(view.PanX, 0);
    EXPECT_EQ(view.Zoom, 1.0);
}

TEST_F(MouseTest, RightPressEndsAnArmedOrRunningDrag)
{
    for (MouseMode armed : {MouseMode::PanArmed, MouseMode::RotateArmed}) {
        SCOPED_TRACE(static_cast<int>(armed));
        view = ViewTransform{};
        settings.MouseMode = armed;
        // The press starts the drag and at once ends the mode.
        MouseResult r = Down(MouseButton::Right, 10, 10);
        EXPECT_EQ(settings.MouseMode, MouseMode::None);
        EXPECT_EQ(r.Status, "None");
        EXPECT_EQ(mouse.LastMouseX, 10);
        // The release then does nothing.
        EXPECT_TRUE(Quiet(Move(50, 50)));
        EXPECT_TRUE(Quiet(Up(50, 50)));
        EXPECT_EQ(settings.MouseMode, MouseMode::None);
        EXPECT_EQ(view.PanX, 0);
        EXPECT_EQ(view.PlanAngle, 0);
    }

    // During a drag the right press stops it too.
    settings.MouseMode = MouseMode::PanArmed;
    Down(MouseButton::Left, 10, 10);
    Down(MouseButton::Right, 20, 20);
    EXPECT_EQ(settings.MouseMode, MouseMode::None);
    EXPECT_TRUE(Quiet(Up(30, 30)));
}

} // namespace
} // namespace vek
