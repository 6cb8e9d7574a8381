#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// vek-cli project FILE -o P.vek [--set Name=Value] [--section N:Field=Value]
// [--shell-section N:Field=Value] [--solid-material T:E=Value,Poisson=Value]: imports the s2k
// file (or opens a project), applies the options as `tcl` does and saves the project file,
// the s2k file named relative to its folder. `args` starts with "project".
int ProjectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
