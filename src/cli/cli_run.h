#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// vek-cli run FILE.s2k|FILE.vek -d FOLDER [--solver PATH] [model options of tcl]: writes the
// script (and the ground-motion files it names, from beside the model file) into FOLDER, runs
// the solver there, prints a line for each stage and the verdict, "finished" or
// "failed: REASON", as the last line. Returns 0 for finished, 1 for failed, 2 for a usage
// error. An interrupt (Ctrl-C) or SIGTERM cancels the solver and everything it started.
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
