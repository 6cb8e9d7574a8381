#include "post/animation.h"

#include "post/recorder_files.h"
#include "post/recorder_line.h"
#include "util/error.h"
#include "util/format.h"
#include "view/model_drawing.h"

#include <algorithm>

namespace vek {

namespace {

// Steps 1..stepCount of joints First..Last from the lines of one node file.
void ReadAnimationFile(AnimationData& animation, const std::string& path, std::int32_t stepCount,
                       const RecorderFile& file, RecorderFields& fields)
{
    const TextLines lines = LoadTextFile(path);
    for (std::int32_t s = 1; s <= stepCount; ++s) {
        SplitRecorderLine(StepLine(lines, s), fields);
        const auto step = static_cast<std::size_t>(s);
        for (std::int64_t j = file.First; j <= file.Last; ++j) {
            const auto k = static_cast<std::size_t>(j - file.First + 1);
            JointSteps& joint = animation.Joints.at(static_cast<std::size_t>(j));
            joint.AnimDispX[step] = RecorderValue(fields, 3 * k - 2);
            joint.AnimDispY[step] = RecorderValue(fields, 3 * k - 1);
            joint.AnimDispZ[step] = RecorderValue(fields, 3 * k);
        }
    }
}

} // namespace

void ResizeAnimationSteps(const Model& model, AnimationData& animation, std::int32_t stepCount)
{
    if (stepCount < 0)
        throw VekError("Range check error");
    const auto size = static_cast<std::size_t>(stepCount) + 1;
    const auto joints = static_cast<std::size_t>(model.Joints.end() - model.Joints.begin());
    animation.Joints.resize(joints + 1);
    for (std::size_t j = 1; j <= joints; ++j) {
        JointSteps& joint = animation.Joints[j];
        joint.AnimDispX.resize(size);
        joint.AnimDispY.resize(size);
        joint.AnimDispZ.resize(size);
    }
}

void LoadAnimationSteps(const Model& model, AnimationData& animation, std::string_view folder,
                        std::int32_t stepCount)
{
    ResizeAnimationSteps(model, animation, stepCount);
    RecorderFields fields;
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount()))
        ReadAnimationFile(animation, RecorderPath(folder, Format("node%d.out", {file.Number})),
                          stepCount, file, fields);
}

std::int32_t NextAnimationStep(std::int32_t step, std::int32_t stepCount)
{
    if (stepCount < 1)
        return 0;
    if (step < 1 || step >= stepCount)
        return 1;
    return step + 1;
}

int AnimationIntervalMs(int stepsPerSecond)
{
    const int pace = std::clamp(stepsPerSecond, MinStepsPerSecond, MaxStepsPerSecond);
    return std::max(1, (1000 + pace / 2) / pace);
}

void DrawAnimationStep(Canvas& canvas, const Model& model, const AnimationData& animation,
                       ProjectedModel& projected, const ViewTransform& view, std::int32_t step)
{
    ProjectJointsAtStep(model, animation, projected, view,
                        AreaSize{canvas.Width(), canvas.Height()}, step);
    DrawBareModel(canvas, model, projected);
}

} // namespace vek
