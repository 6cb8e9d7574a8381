#pragma once

#include "model/model.h"
#include "tcl/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One step of a pushover's push stage: the control joint's displacement in the control
// direction, the load factor (OpenSees' time in a displacement-controlled stage) and the base
// shear it gives.
struct CapacityPoint
{
    std::int64_t Step = 0;
    double Displacement = 0;
    double Lambda = 0;
    double BaseShear = 0;
};

// The capacity curve of a pushover run: a point per recorded step of the push stage, and the
// steps the script asked for (AnalysisSteps); fewer points than that: the run stopped early.
struct CapacityCurve
{
    std::vector<CapacityPoint> Points;
    std::int64_t PlannedSteps = 0;

    bool Stopped() const { return static_cast<std::int64_t>(Points.size()) < PlannedSteps; }
};

// The push case's load in the control direction (ControlDof 1, 2 or 3 of the global axes):
// its joint forces in that direction, plus each distributed load as the script writes it
// ("eleLoad -beamUniform", in the frame's local axes) times its frame's length, turned into
// the global axes. The base shear at load factor λ is λ times this.
double PushLoadTotal(const Model& model, const Settings& settings);

// The capacity curve of the pushover in `folder` (AnalysisType 2, or 3 after the gravity
// stage's LoadSteps lines) from the control joint's node file. Raises VekError for another
// analysis type, a control joint outside the model or a rotation as control DOF, and, naming
// the file and the line, for a file with fewer lines than the gravity stage or more than the
// two stages record, a ragged line or a field that is not a number.
CapacityCurve ReadCapacityCurve(const Model& model, const Settings& settings,
                                std::string_view folder);

// "Capacity curve", or "Capacity curve: stopped at step 135 of 200" for a run that stopped.
std::string CapacityCurveTitle(const CapacityCurve& curve);

} // namespace vek
