#pragma once

#include "model/model.h"
#include "model/results.h"
#include "tcl/settings.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vek {

// The values the recorder "localForce" writes for frame `frame`, as OpenSees 3.8 does for the
// element the script makes of it: 12 for a beam-column (elastic, force- and
// displacement-based, beam with hinges) and for a truss (its axial force as N at both ends,
// the other ten zero); 3 for a release link (the forces of its three rotational springs,
// "-dir 4 5 6"); none for a corotational truss and a frame without an element.
std::int32_t LocalForceCount(const Model& model, std::int64_t frame);

// The end forces of every frame at load step `step` (from 1), numbered as the model's frames
// (entry 0 and frames whose element kind records none: Recorded false), from the element
// force recorder files ("localForce") in `folder`, written with `settings`. A release link's
// three spring forces are not the end forces of a beam-column: it is left out (Recorded
// false) like a frame that writes nothing. A file with another number of values in the line
// than the frames record, a missing line or a field that is not a number raises VekError
// naming the file and the line.
std::vector<FrameEndForces> ReadFrameEndForces(const Model& model, const Settings& settings,
                                               std::string_view folder, std::int64_t step);

} // namespace vek
