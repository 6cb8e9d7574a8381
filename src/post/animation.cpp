#include "post/animation.h"

#include "post/recorder_files.h"
#include "post/recorder_line.h"
#include "tcl/settings.h"
#include "util/error.h"
#include "util/format.h"
#include "view/model_drawing.h"

#include <algorithm>
#include <limits>

namespace vek {

namespace {

constexpr std::int32_t Black = RgbColor(0, 0, 0);
constexpr std::int32_t NodeColor = RgbColor(0, 0, 255);
constexpr std::int32_t NodeRadius = 4;
constexpr std::int32_t SupportRadius = 5;
constexpr std::int32_t FrameWidth = 2;

// v + d, held within the pixel range so boxes around far-off pixels never overflow.
std::int32_t Shift(std::int32_t v, std::int32_t d)
{
    const std::int64_t sum = static_cast<std::int64_t>(v) + d;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Steps 1..stepCount of joints First..Last from the lines of one node file.
void ReadAnimationFile(Model& model, const std::string& path, std::int32_t stepCount,
                       const RecorderFile& file, RecorderFields& fields)
{
    const TextLines lines = LoadTextFile(path);
    for (std::int32_t s = 1; s <= stepCount; ++s) {
        SplitRecorderLine(StepLine(lines, s), fields);
        const auto step = static_cast<std::size_t>(s);
        for (std::int64_t j = file.First; j <= file.Last; ++j) {
            const auto k = static_cast<std::size_t>(j - file.First + 1);
            TJoint& joint = model.Joints.Edit(j);
            joint.AnimDispX[step] = RecorderValue(fields, 3 * k - 2);
            joint.AnimDispY[step] = RecorderValue(fields, 3 * k - 1);
            joint.AnimDispZ[step] = RecorderValue(fields, 3 * k);
        }
    }
}

void DrawBackground(Canvas& canvas, const ViewTransform& view)
{
    // A model without tables draws the background and the title alone.
    Model empty;
    RedrawModel(canvas, empty, Settings(), view);
}

void DrawNodes(Canvas& canvas, const Model& model)
{
    canvas.SetBrush(NodeColor, BrushStyle::Solid);
    canvas.SetPen(Black, 0);
    for (const TJoint& joint : model.Joints)
        canvas.Ellipse(Shift(joint.ScreenX, -NodeRadius), Shift(joint.ScreenY, -NodeRadius),
                       Shift(joint.ScreenX, NodeRadius), Shift(joint.ScreenY, NodeRadius));
}

// A supported joint is a square in the palette colour of its number of fixed directions.
void DrawSupports(Canvas& canvas, const Model& model)
{
    canvas.SetPen(Black, 0);
    std::int32_t brush = -1;
    for (const TJoint& joint : model.Joints) {
        std::int32_t fixed = 0;
        for (int d = 1; d <= 6; ++d)
            fixed += joint.Restraint[static_cast<std::size_t>(d)] != 0 ? 1 : 0;
        if (fixed == 0)
            continue;
        const std::int32_t color = model.Palette[static_cast<std::size_t>(fixed)];
        if (color != brush) {
            canvas.SetBrush(color, BrushStyle::Solid);
            brush = color;
        }
        canvas.Rectangle(Shift(joint.ScreenX, -SupportRadius), Shift(joint.ScreenY, -SupportRadius),
                         Shift(joint.ScreenX, SupportRadius), Shift(joint.ScreenY, SupportRadius));
    }
}

// Release links are not lines; a frame naming a joint outside the model is skipped.
void DrawFrames(Canvas& canvas, const Model& model)
{
    std::int32_t pen = -1;
    for (const TFrameElem& frame : model.Frames) {
        const TFrameSection& section = model.FrameSections[frame.Section];
        if (section.ElemType == ElemReleaseLink || !model.Joints.Contains(frame.NodeI) ||
            !model.Joints.Contains(frame.NodeJ))
            continue;
        if (section.Color != pen) {
            canvas.SetPen(section.Color, FrameWidth);
            pen = section.Color;
        }
        const TJoint& i = model.Joints[frame.NodeI];
        const TJoint& j = model.Joints[frame.NodeJ];
        canvas.Line({i.ScreenX, i.ScreenY}, {j.ScreenX, j.ScreenY});
    }
}

} // namespace

void ResizeAnimationSteps(Model& model, std::int32_t stepCount)
{
    if (stepCount < 0)
        throw VekError("Range check error");
    const auto size = static_cast<std::size_t>(stepCount) + 1;
    for (std::int64_t j = 1; model.Joints.Contains(j); ++j) {
        TJoint& joint = model.Joints.Edit(j);
        joint.AnimDispX.resize(size);
        joint.AnimDispY.resize(size);
        joint.AnimDispZ.resize(size);
    }
}

void LoadAnimationSteps(Model& model, std::string_view folder, std::int32_t stepCount)
{
    ResizeAnimationSteps(model, stepCount);
    RecorderFields fields;
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount()))
        ReadAnimationFile(model, RecorderPath(folder, Format("node%d.out", {file.Number})),
                          stepCount, file, fields);
}

std::int32_t AnimationStepAt(std::int64_t elapsed, std::int32_t stepCount)
{
    if (stepCount < 1)
        return 0;
    if (elapsed < 0)
        return 1;
    return static_cast<std::int32_t>(1 + elapsed % stepCount);
}

void DrawAnimationStep(Canvas& canvas, Model& model, const ViewTransform& view, std::int32_t step)
{
    DrawBackground(canvas, view);
    ProjectJointsAtStep(model, view, AreaSize{canvas.Width(), canvas.Height()}, step);
    DrawNodes(canvas, model);
    DrawSupports(canvas, model);
    DrawFrames(canvas, model);
}

} // namespace vek
