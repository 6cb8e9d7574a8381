#include "post/capacity_curve.h"

#include "post/joint_history.h"
#include "post/recorder_files.h"
#include "util/error.h"
#include "util/format.h"

#include <array>
#include <cmath>

namespace vek {

namespace {

using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Length(const Vec& a)
{
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

Vec Scaled(const Vec& a, double s)
{
    return {a[0] * s, a[1] * s, a[2] * s};
}

// Component `axis` (0..2) of the whole of a uniform load on frame `f`: the load's local
// direction as beamUniform takes it (local y = vecxz x local x, local z = local x x local y,
// as geomTransf defines them) times the frame's length. A frame of zero length or without
// an orientation carries nothing.
double DistributedComponent(const Model& model, const TLoad& load, std::size_t axis)
{
    if (!model.Frames.Contains(load.Target))
        return 0;
    const TFrameElem& frame = model.Frames[load.Target];
    const TJoint& a = model.Joints[frame.NodeI];
    const TJoint& b = model.Joints[frame.NodeJ];
    const Vec d = {b.X - a.X, b.Y - a.Y, b.Z - a.Z};
    const double length = Length(d);
    if (length == 0)
        return 0;
    const Vec x = Scaled(d, 1 / length);
    const Vec yRaw = Cross({frame.VecXZ1, frame.VecXZ2, frame.VecXZ3}, x);
    const double yLength = Length(yRaw);
    if (yLength == 0)
        return 0;
    const Vec y = Scaled(yRaw, 1 / yLength);
    const Vec z = Cross(x, y);
    // The script writes direction 1 as Wx, 2 as Wz and 3 as -Wy.
    switch (load.Direction) {
    case 1:
        return load.Value() * x[axis] * length;
    case 2:
        return load.Value() * z[axis] * length;
    case 3:
        return -load.Value() * y[axis] * length;
    default:
        return 0;
    }
}

} // namespace

double PushLoadTotal(const Model& model, const Settings& settings)
{
    const std::int32_t c = settings.DispControlCase;
    if (c < 1 || c > model.LoadCaseCount || settings.ControlDof < 1 || settings.ControlDof > 3)
        return 0;
    const std::string_view name = model.LoadCaseName(c);
    const auto axis = static_cast<std::size_t>(settings.ControlDof - 1);
    double total = 0;
    for (std::int64_t l = 1; l <= model.LoadCount(); ++l) {
        const TLoad& load = model.Loads[l];
        if (load.CaseName != name)
            continue;
        if (load.LoadType == LoadKind::JointForce)
            total += std::array{load.UX, load.UY, load.UZ}[axis];
        else if (load.LoadType == LoadKind::Distributed)
            total += DistributedComponent(model, load, axis);
    }
    return total;
}

CapacityCurve ReadCapacityCurve(const Model& model, const Settings& settings,
                                std::string_view folder)
{
    if (settings.AnalysisType != SingleDisplacementControl &&
        settings.AnalysisType != GravityPushover)
        throw VekError(Format("A capacity curve needs a pushover (Analysis Type 2 or 3), not "
                              "Analysis Type %d",
                              {settings.AnalysisType}));
    if (settings.ControlDof < 1 || settings.ControlDof > 3)
        throw VekError(Format("The node files record U1, U2 and U3: control DOF %d is not "
                              "among them",
                              {settings.ControlDof}));
    const JointHistory history =
        ReadJointHistory(model, folder, settings.ControlNode, settings.ControlDof);
    const std::int64_t lines = static_cast<std::int64_t>(history.Times.size());
    const std::int64_t gravity = settings.AnalysisType == GravityPushover ? settings.LoadSteps : 0;
    const std::string file = RecorderPath(
        folder, Format("node%d.out", {NodeFileOf(model, settings.ControlNode).Number}));
    if (lines < gravity)
        throw VekError(Format("File \"%s\" has %d lines, fewer than the %d of the gravity stage: "
                              "the push stage did not start",
                              {file, lines, gravity}));
    if (lines > gravity + settings.AnalysisSteps)
        throw VekError(Format(
            "File \"%s\" has %d lines, but the script records %d (%d gravity "
            "and %d push steps): it is not this model's run",
            {file, lines, gravity + settings.AnalysisSteps, gravity, settings.AnalysisSteps}));
    const double load = PushLoadTotal(model, settings);
    CapacityCurve curve;
    curve.PlannedSteps = settings.AnalysisSteps;
    for (std::int64_t k = gravity; k < lines; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double lambda = history.Times[i];
        curve.Points.push_back({k - gravity + 1, history.Values[i], lambda, lambda * load});
    }
    return curve;
}

std::string CapacityCurveTitle(const CapacityCurve& curve)
{
    if (!curve.Stopped())
        return "Capacity curve";
    return Format("Capacity curve: stopped at step %d of %d",
                  {static_cast<std::int64_t>(curve.Points.size()), curve.PlannedSteps});
}

} // namespace vek
