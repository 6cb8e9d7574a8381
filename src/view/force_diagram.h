#pragma once

#include "model/model.h"
#include "model/results.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vek {

// The force diagrams along the frames.
//
// A frame's local axes are those of the script's "geomTransf": x from joint I to joint J,
// y = vecxz x x, z = x x y. OpenSees' "localForce" gives the forces and moments that the nodes
// exert on the element in these axes, F_I and M_I at end I, then F_J and M_J at end J. The
// frame's uniform load w = (wx, wy, wz) per length acts on the element between them. The
// internal force at distance s from I is what the part beyond s exerts on the part from I to s;
// the equilibrium of that part gives
//     N(s)  = -FxI - wx s          Vy(s) = -FyI - wy s          Vz(s) = -FzI - wz s
//     T(s)  = -MxI                 My(s) = -MyI - FzI s - wz s^2/2
//     Mz(s) = -MzI + FyI s + wy s^2/2
// and at s = L they are end J's FxJ, FyJ, FzJ, MxJ, MyJ, MzJ. So N > 0 is tension; Vy, Vz > 0
// when the part beyond a cut pushes the part on the I side towards +y, +z; T > 0 turns right-
// handed about x; My > 0 stretches the +z side and Mz > 0 the -y side (the stress is
// N/A + My z/Iy - Mz y/Iz, as in OpenSees' sections). Moments are drawn on the side they
// stretch: My along +z, Mz along -y; Vy along +y; N, Vz and T along +z.

// The quantities in the order of the dialog's list (index 0 is FrameQuantity::N).
std::span<const std::string_view> FrameQuantityNames();
FrameQuantity FrameQuantityAt(std::int32_t index);

// The sign convention above in words, as the dialog shows it.
std::string_view ForceSignConvention();

// A frame's local axes, unit vectors in global axes.
struct LocalAxes
{
    std::array<double, 3> X{}, Y{}, Z{};
};

// The axes and length of the frame from its joints and VecXZ; false for a frame naming a joint
// outside the model, of no length, or whose vecxz is parallel to it (OpenSees refuses those).
bool FrameLocalAxes(const Model& model, const TFrameElem& frame, LocalAxes& axes, double& length);

// A uniform load per length in the local axes of OpenSees' element.
struct LocalLoad
{
    double Wx = 0, Wy = 0, Wz = 0;
};

// The distributed loads of load case `loadCase` (1-based; another number has none) on each
// frame, numbered as the model's frames, summed, in OpenSees' local axes as the script's
// "eleLoad -beamUniform" lines give them: direction 1 is wx, 2 is wz, 3 is -wy.
std::vector<LocalLoad> CaseFrameLoads(const Model& model, std::int32_t loadCase);

// How much of the load `w` acts on the element at the step: the factor that balances the
// recorded end forces along x, y and z in the least-squares sense (the load factor of a load
// step; 1 for a load held constant). 0 without a load or for forces that are not finite.
double StepLoadFactor(const std::array<double, 12>& local, double length, LocalLoad w);

// The diagram of the quantity from the end forces of I and the load (the formulas above);
// ValueJ is the J end's recorded value. Length and Dir are left to the caller.
FrameDiagram DiagramFromEnds(FrameQuantity quantity, const std::array<double, 12>& local,
                             LocalLoad w);

// The value at distance s from end I.
inline double DiagramValue(const FrameDiagram& d, double s)
{
    return d.A + (d.B + d.C * s) * s;
}

// The largest magnitude along the frame: at the ends or at the vertex of the parabola.
double DiagramPeak(const FrameDiagram& d);

// The diagrams of `forces.Quantity` for every frame from its end forces (numbered as the
// model's frames) and the frame loads of `forces.LoadCase` times their StepLoadFactor. A frame
// without recorded forces, without local axes, or whose values are not finite, is not drawn.
void ComputeForceDiagrams(const Model& model, const std::vector<FrameEndForces>& endForces,
                          ForceDiagrams& forces);

// The scale that draws the largest value of the diagrams a tenth of the model's largest extent
// away from its frame; 0 when every value is 0 or the model has no extent.
double AutoForceScale(const Model& model, const ForceDiagrams& forces);

// What the Force dialog asks for.
struct ForceRequest
{
    FrameQuantity Quantity = FrameQuantity::N;
    std::int64_t Step = 1;
    std::int32_t LoadCase = 0;
    bool AutoScale = true;
    double Scale = 0;
    bool ShowValues = true;
};

// The request from the dialog's controls: the list's index of the quantity, the step and
// scale texts (the scale is read only without auto scale), the load case (1-based; 0 for
// none). A step below 1, a scale that is negative or not finite, or text that is not a number
// is an error.
ForceRequest ReadForceRequest(std::int32_t quantityIndex, std::string_view stepText,
                              std::int32_t loadCase, bool autoScale, std::string_view scaleText,
                              bool showValues);

// Draw: the diagrams of the request from the end forces of its step go into results.Forces;
// returns the scale used.
double ApplyForceRequest(const Model& model, Results& results, const ForceRequest& request,
                         const std::vector<FrameEndForces>& endForces);

// The points of a diagram's outline from end I to end J: 2 for a straight diagram, 9 for a
// parabola; the point of (s, value) lies at s along the frame and scale * value along Dir.
struct DiagramPoint
{
    double S = 0, Value = 0;
};
std::span<const DiagramPoint> DiagramPoints(const FrameDiagram& d,
                                            std::array<DiagramPoint, 9>& out);

} // namespace vek
