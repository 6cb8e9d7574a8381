#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// vek-cli convert IN.s2k OUT.s2k: rewrites a SAP2000 V14 s2k solid model in the version 6
// layout, every line ended by CR LF, and prints the conversion's log. `args` starts with
// "convert".
int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
