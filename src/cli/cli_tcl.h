#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// vek-cli tcl FILE [-o OUT] [--set Name=Value] [--section N:Field=Value]
// [--shell-section N:Field=Value]; `args` starts with "tcl".
int TclCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
