#pragma once

#include "draw/canvas.h"
#include "model/model.h"

#include <cstdint>
#include <vector>

namespace vek {

// The pixels a frame's marks were last projected to: the midpoint, the tip of its local
// axis, and the hinge circles at a fifth of the way from each end.
struct FrameMarks
{
    Point Mid, Axis, HingeI, HingeJ;
};

// The model's pixels on the picture last drawn, numbered as the model's tables: entry 0 is
// the all-zero entry that a number outside the table reads. The view owns it beside its
// transform; the projections write it and the drawing, the frame pick and Zoom All read it.
// The pixels of each kind stay until they are projected again.
struct ProjectedModel
{
    std::vector<Point> Joints = std::vector<Point>(1);
    std::vector<FrameMarks> Frames = std::vector<FrameMarks>(1);

    // The pixel of joint i, the zero entry's for a number outside the model's table.
    Point Joint(const Model& model, std::int64_t i) const
    {
        return model.Joints.Contains(i) && i < static_cast<std::int64_t>(Joints.size())
                   ? Joints[static_cast<std::size_t>(i)]
                   : Point{};
    }
    const FrameMarks& Frame(std::int64_t i) const
    {
        return i >= 1 && i < static_cast<std::int64_t>(Frames.size())
                   ? Frames[static_cast<std::size_t>(i)]
                   : Frames[0];
    }
};

// Entries for every valid joint; those that were there keep their pixels, new ones are 0.
void FitJoints(ProjectedModel& projected, const Model& model);
// The same for the frames.
void FitFrames(ProjectedModel& projected, const Model& model);

} // namespace vek
