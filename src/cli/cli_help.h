#pragma once

#include <iosfwd>
#include <string_view>

namespace vek {

// The help texts of vek-cli: the whole help, and each command's own.

// Whether vek-cli has a command of this name.
bool IsCliCommand(std::string_view command);

// "Usage: vek-cli COMMAND [ARGUMENTS]", every command with its arguments and what it does, and
// what the exit codes mean.
void WriteCliHelp(std::ostream& out);

// "Usage: vek-cli " and the command's arguments, then what it does and its options. Nothing
// for a name that is not a command.
void WriteCommandHelp(std::ostream& out, std::string_view command);

} // namespace vek
