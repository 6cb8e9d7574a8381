#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// vek-cli: batch use of the core. `args` are the command-line arguments after the program
// name. Returns the exit code: 0 on success, 1 when the command stopped on an error (its
// message on the first line of `err`), 2 on a usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
