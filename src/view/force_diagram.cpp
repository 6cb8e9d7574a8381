#include "view/force_diagram.h"

#include "util/error.h"
#include "util/number_parse.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace vek {
namespace {

constexpr std::string_view QuantityNames[] = {
    "Axial Force N", "Shear Vy", "Shear Vz", "Torsion T", "Moment My", "Moment Mz",
};

using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Norm(const Vec& a)
{
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

bool Normalize(Vec& a)
{
    const double n = Norm(a);
    if (!(n > 0) || !std::isfinite(n))
        return false;
    for (double& c : a)
        c /= n;
    return true;
}

// The direction a quantity is drawn along (see the header).
Vec DrawDirection(FrameQuantity quantity, const LocalAxes& axes)
{
    switch (quantity) {
    case FrameQuantity::Vy:
        return axes.Y;
    case FrameQuantity::Mz:
        return {-axes.Y[0], -axes.Y[1], -axes.Y[2]};
    default:
        return axes.Z;
    }
}

bool Finite(const FrameDiagram& d)
{
    return std::isfinite(d.A) && std::isfinite(d.B) && std::isfinite(d.C) &&
           std::isfinite(d.ValueJ);
}

} // namespace

std::span<const std::string_view> FrameQuantityNames()
{
    return QuantityNames;
}

FrameQuantity FrameQuantityAt(std::int32_t index)
{
    if (index < 0 || index >= static_cast<std::int32_t>(std::size(QuantityNames)))
        throw VekError("There is no force quantity " + std::to_string(index + 1) + ".");
    return static_cast<FrameQuantity>(index + 1);
}

std::string_view ForceSignConvention()
{
    return "Local axes as in the script: x from joint I to joint J, y = vecxz \u00d7 x, "
           "z = x \u00d7 y. N > 0 is tension. Vy, Vz > 0 when the part beyond a cut pushes the "
           "part on the I side towards +y, +z. T > 0 turns right-handed about x. My > 0 "
           "stretches the +z side, Mz > 0 the -y side; moments are drawn on the side they "
           "stretch (the tension side), Vy along +y, N, Vz and T along +z.";
}

bool FrameLocalAxes(const Model& model, const TFrameElem& frame, LocalAxes& axes, double& length)
{
    if (!model.Joints.Contains(frame.NodeI) || !model.Joints.Contains(frame.NodeJ))
        return false;
    const TJoint& i = model.Joints[frame.NodeI];
    const TJoint& j = model.Joints[frame.NodeJ];
    axes.X = {j.X - i.X, j.Y - i.Y, j.Z - i.Z};
    length = Norm(axes.X);
    if (!Normalize(axes.X))
        return false;
    axes.Y = Cross({frame.VecXZ1, frame.VecXZ2, frame.VecXZ3}, axes.X);
    // A vecxz within a hair of x leaves no plane.
    if (!(Norm(axes.Y) > 1e-9 * Norm({frame.VecXZ1, frame.VecXZ2, frame.VecXZ3})) ||
        !Normalize(axes.Y))
        return false;
    axes.Z = Cross(axes.X, axes.Y);
    return true;
}

std::vector<LocalLoad> CaseFrameLoads(const Model& model, std::int32_t loadCase)
{
    std::vector<LocalLoad> loads(static_cast<std::size_t>(std::max(model.FrameCount(), 0)) + 1);
    if (loadCase < 1 || loadCase > model.LoadCaseCount || loadCase > MaxLoadCases)
        return loads;
    const std::string& name = model.LoadCaseNames[static_cast<std::size_t>(loadCase - 1)];
    for (const TLoad& load : model.Loads) {
        if (load.LoadType != LoadKind::Distributed || load.CaseName != name ||
            !model.Frames.Contains(load.Target) ||
            static_cast<std::size_t>(load.Target) >= loads.size())
            continue;
        LocalLoad& w = loads[static_cast<std::size_t>(load.Target)];
        switch (load.Direction) {
        case 1:
            w.Wx += load.Value();
            break;
        case 2:
            w.Wz += load.Value();
            break;
        case 3:
            w.Wy -= load.Value();
            break;
        default:
            break;
        }
    }
    return loads;
}

double StepLoadFactor(const std::array<double, 12>& local, double length, LocalLoad w)
{
    const double ww = (w.Wx * w.Wx + w.Wy * w.Wy + w.Wz * w.Wz) * length;
    if (!(ww > 0) || !std::isfinite(ww))
        return 0;
    // Along each axis F_I + F_J + factor * w * L = 0.
    const double fw =
        (local[0] + local[6]) * w.Wx + (local[1] + local[7]) * w.Wy + (local[2] + local[8]) * w.Wz;
    const double factor = -fw / ww;
    return std::isfinite(factor) ? factor : 0;
}

FrameDiagram DiagramFromEnds(FrameQuantity quantity, const std::array<double, 12>& f, LocalLoad w)
{
    FrameDiagram d;
    switch (quantity) {
    case FrameQuantity::N:
        d.A = -f[0];
        d.B = -w.Wx;
        d.ValueJ = f[6];
        break;
    case FrameQuantity::Vy:
        d.A = -f[1];
        d.B = -w.Wy;
        d.ValueJ = f[7];
        break;
    case FrameQuantity::Vz:
        d.A = -f[2];
        d.B = -w.Wz;
        d.ValueJ = f[8];
        break;
    case FrameQuantity::T:
        d.A = -f[3];
        d.ValueJ = f[9];
        break;
    case FrameQuantity::My:
        d.A = -f[4];
        d.B = -f[2];
        d.C = -w.Wz / 2;
        d.ValueJ = f[10];
        break;
    case FrameQuantity::Mz:
        d.A = -f[5];
        d.B = f[1];
        d.C = w.Wy / 2;
        d.ValueJ = f[11];
        break;
    case FrameQuantity::None:
        break;
    }
    return d;
}

double DiagramPeak(const FrameDiagram& d)
{
    double peak =
        std::max({std::fabs(d.A), std::fabs(DiagramValue(d, d.Length)), std::fabs(d.ValueJ)});
    if (d.C != 0) {
        const double s = -d.B / (2 * d.C);
        if (s > 0 && s < d.Length)
            peak = std::max(peak, std::fabs(DiagramValue(d, s)));
    }
    return peak;
}

void ComputeForceDiagrams(const Model& model, const std::vector<FrameEndForces>& endForces,
                          ForceDiagrams& forces)
{
    forces.Frames.assign(static_cast<std::size_t>(std::max(model.FrameCount(), 0)) + 1,
                         FrameDiagram{});
    if (forces.Quantity == FrameQuantity::None)
        return;
    const std::vector<LocalLoad> loads = CaseFrameLoads(model, forces.LoadCase);
    LocalAxes axes;
    double length = 0;
    std::size_t k = 0;
    for (const TFrameElem& frame : model.Frames) {
        ++k;
        const FrameEndForces ends = EntryOf(endForces, static_cast<std::int64_t>(k));
        if (!ends.Recorded || !FrameLocalAxes(model, frame, axes, length))
            continue;
        LocalLoad w = loads[k];
        const double factor = StepLoadFactor(ends.Local, length, w);
        w = {w.Wx * factor, w.Wy * factor, w.Wz * factor};
        FrameDiagram d = DiagramFromEnds(forces.Quantity, ends.Local, w);
        if (!Finite(d))
            continue;
        const Vec dir = DrawDirection(forces.Quantity, axes);
        d.Length = length;
        d.DirX = dir[0];
        d.DirY = dir[1];
        d.DirZ = dir[2];
        d.Drawn = true;
        forces.Frames[k] = d;
    }
}

double AutoForceScale(const Model& model, const ForceDiagrams& forces)
{
    double peak = 0;
    for (const FrameDiagram& d : forces.Frames)
        if (d.Drawn)
            peak = std::max(peak, DiagramPeak(d));
    if (!(peak > 0) || !std::isfinite(peak))
        return 0;
    constexpr double Inf = std::numeric_limits<double>::infinity();
    Vec lo{Inf, Inf, Inf}, hi{-Inf, -Inf, -Inf};
    for (const TJoint& joint : model.Joints) {
        const Vec p{joint.X, joint.Y, joint.Z};
        for (std::size_t c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], p[c]);
            hi[c] = std::max(hi[c], p[c]);
        }
    }
    double extent = 0;
    for (std::size_t c = 0; c < 3; ++c)
        if (hi[c] >= lo[c])
            extent = std::max(extent, hi[c] - lo[c]);
    const double scale = 0.1 * extent / peak;
    return std::isfinite(scale) ? scale : 0;
}

ForceRequest ReadForceRequest(std::int32_t quantityIndex, std::string_view stepText,
                              std::int32_t loadCase, bool autoScale, std::string_view scaleText,
                              bool showValues)
{
    ForceRequest request;
    request.Quantity = FrameQuantityAt(quantityIndex);
    request.Step = StrToInt(stepText);
    if (request.Step < 1)
        throw VekError("The step must be 1 or more, not " + std::string(stepText) + ".");
    request.LoadCase = loadCase;
    request.AutoScale = autoScale;
    if (!autoScale) {
        request.Scale = StrToFloat(scaleText);
        if (!(request.Scale >= 0) || !std::isfinite(request.Scale))
            throw VekError("The scale must be a number of 0 or more, not " +
                           std::string(scaleText) + ".");
    }
    request.ShowValues = showValues;
    return request;
}

double ApplyForceRequest(const Model& model, Results& results, const ForceRequest& request,
                         const std::vector<FrameEndForces>& endForces)
{
    ForceDiagrams forces;
    forces.Quantity = request.Quantity;
    forces.Step = request.Step;
    forces.LoadCase = request.LoadCase;
    forces.ShowValues = request.ShowValues;
    ComputeForceDiagrams(model, endForces, forces);
    forces.Scale = request.AutoScale ? AutoForceScale(model, forces) : request.Scale;
    results.Forces = std::move(forces);
    return results.Forces.Scale;
}

std::span<const DiagramPoint> DiagramPoints(const FrameDiagram& d, std::array<DiagramPoint, 9>& out)
{
    const std::size_t n = d.C == 0 ? 2 : out.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double s = d.Length * static_cast<double>(k) / static_cast<double>(n - 1);
        out[k] = {s, DiagramValue(d, s)};
    }
    return {out.data(), n};
}

} // namespace vek
