#pragma once

#include "draw/canvas.h"
#include "model/model.h"
#include "model/results.h"
#include "view/view_transform.h"

#include <cstdint>
#include <string_view>

namespace vek {

// The animation of the joint displacements of consecutive recorded steps.
struct AnimationState
{
    // Steps loaded (AnimStepCount): the joints' animation displacements hold steps
    // 1..StepCount.
    std::int32_t StepCount = 0;
    // Displacement scale of the animation (AnimScale).
    double Scale = 0;
    // The step shown (AnimFrame).
    std::int32_t Frame = 0;
};

// Gives the animation an entry for every joint of the model and every joint's AnimDispX,
// AnimDispY, AnimDispZ stepCount + 1 entries; the values of entries that were there are kept,
// new ones are 0. A count below 0 raises "Range check error" and changes nothing.
void ResizeAnimationSteps(const Model& model, AnimationData& animation, std::int32_t stepCount);

// Steps 1..stepCount of every joint from lines 1..stepCount of the node displacement files
// node<k>.out in `folder` (the arrays are sized first). The first error stops the load; the
// steps read until then keep their values.
void LoadAnimationSteps(const Model& model, AnimationData& animation, std::string_view folder,
                        std::int32_t stepCount);

// The step after `step` in the cycle of the steps loaded, 1..stepCount: every step is shown,
// one a tick. A step outside 1..stepCount (fewer steps loaded since) goes on at step 1; with
// no step loaded it is step 0, the model at rest.
std::int32_t NextAnimationStep(std::int32_t step, std::int32_t stepCount);

// The animation's pace in steps per second: the range of its box and its first value.
inline constexpr int MinStepsPerSecond = 1;
inline constexpr int MaxStepsPerSecond = 1000;
inline constexpr int DefaultStepsPerSecond = 10;

// The timer interval in milliseconds of a pace, at least 1.
int AnimationIntervalMs(int stepsPerSecond);

// One picture of the animation: the background and title, the joints projected with their
// displacements of `step` times view.DeformScale, then the nodes, the supports and the frames,
// whatever the view flags say (no selection highlight, no other layer). The frames' marks are
// left as they are.
void DrawAnimationStep(Canvas& canvas, const Model& model, const AnimationData& animation,
                       ProjectedModel& projected, const ViewTransform& view, std::int32_t step);

} // namespace vek
