#pragma once

#include "model/model.h"
#include "tcl/settings.h"
#include "util/text_lines.h"

#include <string>
#include <vector>

namespace vek {

// Readies the model for its script, the step before GenerateTclScript: copies the integration
// points of the settings into every frame, recomputes the section properties, rebuilds the
// fibre lists, and gives a model without a FRAME table an empty one (its shells are numbered
// from 1). The values stay in the model, where the section editors show them. A section
// whose properties cannot be worked out raises VekError.
void PrepareForScript(Model& model, const Settings& settings);

// Writes the OpenSees Tcl script of a model readied by PrepareForScript into `tclLines`,
// cleared first. Settings that make the solver fail, and lines left out, are reported in
// `warnings`, cleared first, while the script is still written. An error stops the generation
// with the lines appended so far left in `tclLines`.
void GenerateTclScript(const Model& model, const Settings& settings, TextLines& tclLines,
                       std::vector<std::string>& warnings);

// The script as it is saved: every line followed by CR LF.
void SaveTclScript(const TextLines& tclLines, const std::string& path);

} // namespace vek
