#include "draw/recording_canvas.h"
#include "post/animation.h"
#include "post/scale_legend.h"
#include "recorder_test_files.h"
#include "util/error.h"
#include "view/model_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::JointModel;
using testing::JointValue;
using testing::TempFolder;
using testing::WriteNodeFiles;
using Ops = std::vector<std::string>;

std::string ErrorOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const VekError& error) {
        return error.what();
    }
    return "";
}

TEST(AnimationSteps, LoadsEveryStepOfEveryJoint)
{
    AnimationData animation;
    TempFolder folder("anim150");
    WriteNodeFiles(folder, 150, 130);
    Model model = JointModel(150);
    LoadAnimationSteps(model, animation, folder.Path(), 120);
    for (std::int64_t j : {1, 100, 101, 150}) {
        const JointSteps& joint = animation.Joints.at(static_cast<std::size_t>(j));
        ASSERT_EQ(joint.AnimDispX.size(), 121u);
        for (std::int32_t s : {1, 60, 120}) {
            EXPECT_EQ(joint.AnimDispX[static_cast<std::size_t>(s)], JointValue(j, s, 1));
            EXPECT_EQ(joint.AnimDispY[static_cast<std::size_t>(s)], JointValue(j, s, 2));
            EXPECT_EQ(joint.AnimDispZ[static_cast<std::size_t>(s)], JointValue(j, s, 3));
        }
        EXPECT_EQ(joint.AnimDispX[0], 0);
    }
}

TEST(AnimationSteps, AShortFileStopsWithTheStepsReadKept)
{
    AnimationData animation;
    TempFolder folder("animshort");
    WriteNodeFiles(folder, 3, 50);
    Model model = JointModel(3);
    EXPECT_EQ(ErrorOf([&] { LoadAnimationSteps(model, animation, folder.Path(), 100); }),
              "List index out of bounds (50)");
    EXPECT_EQ(animation.Joints.at(3).AnimDispZ[50], JointValue(3, 50, 3));
    EXPECT_EQ(animation.Joints.at(3).AnimDispZ[51], 0);
    EXPECT_EQ(animation.Joints.at(3).AnimDispZ.size(), 101u);
}

TEST(AnimationSteps, FullHundredsNeedNoFurtherFile)
{
    AnimationData animation;
    TempFolder folder("anim100");
    WriteNodeFiles(folder, 100, 3);
    Model model = JointModel(100);
    EXPECT_EQ(ErrorOf([&] { LoadAnimationSteps(model, animation, folder.Path(), 3); }), "");
}

TEST(AnimationSteps, ResizingKeepsTheValues)
{
    AnimationData animation;
    Model model = JointModel(2);
    ResizeAnimationSteps(model, animation, 3);
    animation.Joints.at(2).AnimDispY[3] = 4.5;
    ResizeAnimationSteps(model, animation, 5);
    EXPECT_EQ(animation.Joints.at(2).AnimDispY.size(), 6u);
    EXPECT_EQ(animation.Joints.at(2).AnimDispY[3], 4.5);
    EXPECT_EQ(ErrorOf([&] { ResizeAnimationSteps(model, animation, -2); }), "Range check error");
    EXPECT_EQ(animation.Joints.at(2).AnimDispY.size(), 6u);
}

// The steps of `ticks` ticks after the start at step 1.
std::vector<std::int32_t> Cycle(std::int32_t stepCount, std::int64_t ticks)
{
    std::vector<std::int32_t> steps;
    std::int32_t step = 1;
    for (std::int64_t t = 1; t <= ticks; ++t)
        steps.push_back(step = NextAnimationStep(step, stepCount));
    return steps;
}

TEST(NextAnimationStep, PlaysEveryStepLoadedInACycle)
{
    EXPECT_EQ(Cycle(5, 7), (std::vector<std::int32_t>{2, 3, 4, 5, 1, 2, 3}));
    const auto of150 = Cycle(150, 150);
    std::vector<std::int32_t> sorted = of150;
    std::sort(sorted.begin(), sorted.end());
    for (std::int32_t s = 1; s <= 150; ++s)
        EXPECT_EQ(sorted[static_cast<std::size_t>(s - 1)], s);
    EXPECT_EQ(of150[148], 150);
    EXPECT_EQ(of150[149], 1);
    // A step past the steps loaded (fewer loaded since) goes on at 1.
    EXPECT_EQ(NextAnimationStep(12, 5), 1);
    EXPECT_EQ(NextAnimationStep(-4, 5), 1);
    // Nothing loaded: the model at rest.
    EXPECT_EQ(NextAnimationStep(7, 0), 0);
    EXPECT_EQ(NextAnimationStep(7, -3), 0);
}

TEST(AnimationIntervalMs, IsTheTimeOfOneStepAtThePace)
{
    const std::pair<int, int> cases[] = {{1, 1000}, {10, 100}, {3, 333}, {7, 143},
                                         {1000, 1}, {0, 1000}, {5000, 1}};
    for (const auto& [pace, ms] : cases)
        EXPECT_EQ(AnimationIntervalMs(pace), ms) << pace << " steps per second";
}

// Two joints 100 pixels apart in a plan view at zoom 1 (joint (x, y) at pixel (x, 50 - y)),
// the first fixed in three directions, one frame between them and a release link.
Model TwoJoints()
{
    Model model = JointModel(2);
    model.Joints.Edit(1).X = 0;
    model.Joints.Edit(2).X = 100;
    for (int d = 1; d <= 3; ++d)
        model.Joints.Edit(1).Restraint[static_cast<std::size_t>(d)] = 1;
    model.FrameSections.Reset(2);
    model.FrameSections.Edit(1).ElemType = ElementKind::NonlinearBeamColumn;
    model.FrameSections.Edit(1).Color = RgbColor(0, 94, 31);
    model.FrameSections.Edit(2).ElemType = ElementKind::ReleaseLink;
    model.Frames.Reset(3);
    model.Frames.Edit(1) = {};
    model.Frames.Edit(1).Section = 1;
    model.Frames.Edit(1).NodeI = 1;
    model.Frames.Edit(1).NodeJ = 2;
    model.Frames.Edit(2).Section = 2;
    model.Frames.Edit(2).NodeI = 1;
    model.Frames.Edit(2).NodeJ = 2;
    // A frame naming a joint outside the model is skipped.
    model.Frames.Edit(3).Section = 1;
    model.Frames.Edit(3).NodeI = 1;
    model.Frames.Edit(3).NodeJ = 7;
    return model;
}

// Two steps of the joints of TwoJoints: joint 2 moves by (1, 2) in step 2.
AnimationData TwoJointSteps(const Model& model)
{
    AnimationData animation;
    ResizeAnimationSteps(model, animation, 2);
    animation.Joints.at(2).AnimDispX[2] = 1;
    animation.Joints.at(2).AnimDispY[2] = 2;
    return animation;
}

ViewTransform PixelView(double scale)
{
    ViewTransform view;
    view.Zoom = 1;
    view.PanX = 100;
    view.PanY = 0;
    view.DeformScale = scale;
    return view;
}

Ops Without(const Ops& all, std::size_t first)
{
    return Ops(all.begin() + static_cast<std::ptrdiff_t>(first), all.end());
}

Ops BackgroundOps()
{
    RecordingCanvas canvas(200, 100);
    Model empty;
    ProjectedModel pixels;
    RedrawModel(canvas, empty, Results(), pixels, ViewSettings(), PixelView(0));
    return canvas.Operations;
}

TEST(DrawAnimationStep, DrawsNodesSupportsAndFramesOfTheStep)
{
    Model model = TwoJoints();
    AnimationData animation = TwoJointSteps(model);
    const Ops background = BackgroundOps();
    RecordingCanvas canvas(200, 100);
    ProjectedModel pixels;
    DrawAnimationStep(canvas, model, animation, pixels, PixelView(10), 2);
    ASSERT_GE(canvas.Operations.size(), background.size());
    EXPECT_EQ(Ops(canvas.Operations.begin(),
                  canvas.Operations.begin() + static_cast<std::ptrdiff_t>(background.size())),
              background);
    // Joint 2 moves by 10 times (1, 2): 10 pixels right and 20 up.
    EXPECT_EQ(Without(canvas.Operations, background.size()),
              (Ops{"brush 16711680 solid", "pen 0 0", "ellipse -4 46 4 54", "ellipse 106 26 114 34",
                   "pen 0 0", "brush 0 solid", "rectangle -5 45 5 55", "pen 2055680 2",
                   "line 0 50 110 30"}));
}

TEST(DrawAnimationStep, AnyFlagsAndAnyStep)
{
    Model model = TwoJoints();
    AnimationData animation = TwoJointSteps(model);
    ViewSettings ignored;
    // The frame marks keep the pixels of the last redraw.
    RecordingCanvas first(200, 100);
    ProjectedModel pixels;
    pixels.Frames.resize(2);
    pixels.Frames[1].Mid = {7, 8};
    RedrawModel(first, model, Results(), pixels, ignored, PixelView(0));
    const FrameMarks marks = pixels.Frames.at(1);

    const std::size_t background = BackgroundOps().size();
    for (const std::int32_t step : {0, 3, 1000, -1}) {
        SCOPED_TRACE(step);
        RecordingCanvas canvas(200, 100);
        DrawAnimationStep(canvas, model, animation, pixels, PixelView(10), step);
        // Outside the steps loaded the joints are at rest.
        EXPECT_EQ(Without(canvas.Operations, background),
                  (Ops{"brush 16711680 solid", "pen 0 0", "ellipse -4 46 4 54",
                       "ellipse 96 46 104 54", "pen 0 0", "brush 0 solid", "rectangle -5 45 5 55",
                       "pen 2055680 2", "line 0 50 100 50"}));
    }
    EXPECT_EQ(pixels.Frames.at(1).HingeJ, marks.HingeJ);
    EXPECT_EQ(pixels.Frames.at(1).Mid, marks.Mid);
}

TEST(DrawAnimationStep, JointsOfANewImportHaveNoSteps)
{
    Model model = TwoJoints();
    AnimationData animation = TwoJointSteps(model);
    animation.Joints.at(2).AnimDispX.clear();
    animation.Joints.at(2).AnimDispY.clear();
    RecordingCanvas canvas(200, 100);
    ProjectedModel pixels;
    DrawAnimationStep(canvas, model, animation, pixels, PixelView(10), 2);
    EXPECT_EQ(canvas.Operations.back(), "line 0 50 100 50");
}

TEST(ScaleLegend, SixBoxesFromMinToMax)
{
    const TPalette palette = InitialPalette();
    RecordingCanvas canvas(LegendWidth, LegendHeight);
    DrawScaleLegend(canvas, palette);
    std::vector<std::string> boxes;
    for (std::size_t k = 0; k < canvas.Operations.size(); ++k)
        if (canvas.Operations[k].rfind("rectangle", 0) == 0 && k > 0)
            boxes.push_back(canvas.Operations[k - 1] + " / " + canvas.Operations[k]);
    ASSERT_EQ(boxes.size(), 7u);
    EXPECT_EQ(boxes[1], "brush 255 solid / rectangle 2 2 27 22");
    EXPECT_EQ(boxes[6], "brush 16711935 solid / rectangle 127 2 152 22");
    EXPECT_EQ(canvas.Operations[canvas.Operations.size() - 2],
              "text 2 24 Comic Sans MS 8 0 -1 min");
    EXPECT_EQ(canvas.Operations.back(), "text 127 24 Comic Sans MS 8 0 -1 max");
}

} // namespace
} // namespace vek
