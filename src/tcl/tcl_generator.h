#pragma once

#include "model/model.h"
#include "tcl/settings.h"
#include "util/text_lines.h"

#include <string>
#include <vector>

namespace vek {

// Writes the OpenSees Tcl script of a model into `tclLines`, cleared first. The section
// properties and fibres are worked out on the way; the model is left as it was. Settings
// that make the solver fail, and lines left out, are reported in `warnings`, cleared first,
// while the script is still written. An error stops the generation with the lines appended
// so far left in `tclLines`.
void GenerateTclScript(const Model& model, const Settings& settings, TextLines& tclLines,
                       std::vector<std::string>& warnings);

// The script as it is saved: every line followed by CR LF.
void SaveTclScript(const TextLines& tclLines, const std::string& path);

} // namespace vek
