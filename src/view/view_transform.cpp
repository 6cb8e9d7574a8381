#include "view/view_transform.h"

#include "util/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace vek {

namespace {
constexpr double DegreesToRadians = 0.017453292519943295;
} // namespace

Projection::Projection(const ViewTransform& view, AreaSize area)
    : cosPlan_(std::cos(view.PlanAngle * DegreesToRadians)),
      sinPlan_(std::sin(view.PlanAngle * DegreesToRadians)),
      cosTilt_(std::cos(view.TiltAngle * DegreesToRadians)),
      sinTilt_(std::sin(view.TiltAngle * DegreesToRadians)), panX_(view.PanX), panY_(view.PanY),
      zoom_(view.Zoom), halfW_(area.W / 2.0), halfH_(area.H / 2.0)
{
}

namespace {

// The valid records 1..Count of a table as one run.
template <class Record> std::span<const Record> ValidRecords(const Table<Record>& table)
{
    return {table.begin(), static_cast<std::size_t>(table.end() - table.begin())};
}

// Entry `step` of an animation array; a step the array does not reach has no displacement.
double StepValue(const std::vector<double>& values, std::int32_t step)
{
    if (step < 0 || static_cast<std::size_t>(step) >= values.size())
        return 0;
    return values[static_cast<std::size_t>(step)];
}

// Angles beyond a full turn either way start again from 0; a full turn itself stays.
double WrapAngle(double angle)
{
    return std::fabs(angle) > 360 ? 0 : angle;
}

} // namespace

void ProjectJoints(const Model& model, const Results& results, ProjectedModel& projected,
                   const ViewTransform& view, AreaSize area)
{
    FitJoints(projected, model);
    const Projection projection(view, area);
    const double s = view.DeformScale;
    Point* pixel = projected.Joints.data() + 1;
    std::int64_t j = 0;
    for (const TJoint& joint : ValidRecords(model.Joints)) {
        ++j;
        // A zero scale leaves the coordinates alone, even when a displacement is not finite.
        if (s == 0) {
            projection.Pixel(joint.X, joint.Y, joint.Z, *pixel);
        } else {
            const JointDisplacement d = EntryOf(results.Joints, j);
            projection.Pixel(joint.X + s * d.DispX, joint.Y + s * d.DispY, joint.Z + s * d.DispZ,
                             *pixel);
        }
        ++pixel;
    }
}

void ProjectJointsAtStep(const Model& model, const AnimationData& animation,
                         ProjectedModel& projected, const ViewTransform& view, AreaSize area,
                         std::int32_t step)
{
    FitJoints(projected, model);
    ProjectJointsAtStep(model, animation, projected, view, area, step, 1, model.JointCount());
}

void ProjectJointsAtStep(const Model& model, const AnimationData& animation,
                         ProjectedModel& projected, const ViewTransform& view, AreaSize area,
                         std::int32_t step, std::int64_t first, std::int64_t last)
{
    const Projection projection(view, area);
    const double s = view.DeformScale;
    const std::span<const TJoint> joints = ValidRecords(model.Joints);
    const auto count = std::min(static_cast<std::int64_t>(joints.size()),
                                static_cast<std::int64_t>(projected.Joints.size()) - 1);
    first = std::max<std::int64_t>(first, 1);
    last = std::min(last, count);
    if (first > last)
        return;
    Point* pixel = projected.Joints.data() + first;
    const JointSteps none;
    const auto stepped = static_cast<std::int64_t>(animation.Joints.size());
    for (std::int64_t j = first; j <= last; ++j) {
        const TJoint& joint = joints[static_cast<std::size_t>(j - 1)];
        if (s == 0) {
            projection.Pixel(joint.X, joint.Y, joint.Z, *pixel);
        } else {
            const JointSteps& steps =
                j < stepped ? animation.Joints[static_cast<std::size_t>(j)] : none;
            projection.Pixel(joint.X + s * StepValue(steps.AnimDispX, step),
                             joint.Y + s * StepValue(steps.AnimDispY, step),
                             joint.Z + s * StepValue(steps.AnimDispZ, step), *pixel);
        }
        ++pixel;
    }
}

void ProjectFrameMarks(const Model& model, ProjectedModel& projected, const ViewTransform& view,
                       AreaSize area)
{
    FitFrames(projected, model);
    const Projection projection(view, area);
    const double axisLength = 40 * view.Zoom;
    const Table<TJoint>& joints = model.Joints;
    // A frame naming a joint outside the table gets its marks from the all-zero record 0;
    // the drawing layers skip such frames.
    FrameMarks* marks = projected.Frames.data() + 1;
    for (const TFrameElem& frame : ValidRecords(model.Frames)) {
        const TJoint& i = joints[frame.NodeI];
        const TJoint& j = joints[frame.NodeJ];
        const double mx = (i.X + j.X) / 2;
        const double my = (i.Y + j.Y) / 2;
        const double mz = (i.Z + j.Z) / 2;
        projection.Pixel(mx, my, mz, marks->Mid);
        projection.Pixel(mx + axisLength * frame.VecXZ1, my + axisLength * frame.VecXZ2,
                         mz + axisLength * frame.VecXZ3, marks->Axis);

        const Point pi = projected.Joint(model, frame.NodeI);
        const Point pj = projected.Joint(model, frame.NodeJ);
        const double dx = static_cast<double>(pj.X) - pi.X;
        const double dy = static_cast<double>(pj.Y) - pi.Y;
        marks->HingeI = {RoundHalfEvenToInt(pi.X + 0.2 * dx), RoundHalfEvenToInt(pi.Y + 0.2 * dy)};
        marks->HingeJ = {RoundHalfEvenToInt(pi.X + 0.8 * dx), RoundHalfEvenToInt(pi.Y + 0.8 * dy)};
        ++marks;
    }
}

void SetPresetView(ViewTransform& view, PresetView preset)
{
    switch (preset) {
    case PresetView::XY:
        view.PlanAngle = 0;
        view.TiltAngle = 0;
        break;
    case PresetView::XZ:
        view.PlanAngle = 0;
        view.TiltAngle = -90;
        break;
    case PresetView::YZ:
        view.PlanAngle = 90;
        view.TiltAngle = -90;
        break;
    }
}

void ZoomAll(const Model& model, const Results& results, ProjectedModel& projected,
             ViewTransform& view, AreaSize area)
{
    if (model.JointCount() <= 0 || model.Joints.begin() == model.Joints.end())
        return;
    if (area.W <= 0 || area.H <= 0)
        return;
    // A zoom or pan that is not a usable number could never be scaled to fit; start afresh.
    if (!std::isfinite(view.Zoom) || view.Zoom <= 0)
        view.Zoom = 1.0;
    if (!std::isfinite(view.PanX))
        view.PanX = 0;
    if (!std::isfinite(view.PanY))
        view.PanY = 0;
    // The second pass corrects the first when the old zoom put every joint on a few pixels.
    for (int pass = 0; pass < 2; ++pass) {
        ProjectJoints(model, results, projected, view, area);
        std::int32_t minX = std::numeric_limits<std::int32_t>::max();
        std::int32_t maxX = std::numeric_limits<std::int32_t>::min();
        std::int32_t minY = minX, maxY = maxX;
        for (std::size_t j = 1; j < projected.Joints.size(); ++j) {
            const Point pixel = projected.Joints[j];
            minX = std::min(minX, pixel.X);
            maxX = std::max(maxX, pixel.X);
            minY = std::min(minY, pixel.Y);
            maxY = std::max(maxY, pixel.Y);
        }
        const double spanX = static_cast<double>(maxX) - minX;
        const double spanY = static_cast<double>(maxY) - minY;
        const double f = std::max(spanX / (0.8 * area.W), spanY / (0.8 * area.H));
        if (f == 0) {
            view.PanX = 0;
            view.PanY = 0;
            view.Zoom = 1.0;
            continue;
        }
        // The projected coordinates of the pixel at the centre of the model's extent.
        const double centreX = (static_cast<double>(minX) + maxX) / 2;
        const double centreY = (static_cast<double>(minY) + maxY) / 2;
        view.PanX = (centreX - area.W / 2.0) * view.Zoom + view.PanX;
        view.PanY = (centreY - area.H / 2.0) * view.Zoom + view.PanY;
        view.Zoom *= f;
    }
    ProjectJoints(model, results, projected, view, area);
    ProjectFrameMarks(model, projected, view, area);
}

void ZoomStep(ViewTransform& view, bool in)
{
    if (in)
        view.Zoom *= 0.9;
    else
        view.Zoom /= 0.9;
}

void PanBy(ViewTransform& view, std::int32_t dx, std::int32_t dy)
{
    view.PanX -= dx * view.Zoom;
    view.PanY -= dy * view.Zoom;
}

void RotateBy(ViewTransform& view, AreaSize area, std::int32_t dx, std::int32_t dy)
{
    // An area without size gives no drag fraction; the view stays as it is.
    if (area.W <= 0 || area.H <= 0)
        return;
    view.PlanAngle = WrapAngle(view.PlanAngle + static_cast<double>(dx) / area.W * 180);
    view.TiltAngle = WrapAngle(view.TiltAngle + static_cast<double>(dy) / area.H * 180);
}

} // namespace vek
