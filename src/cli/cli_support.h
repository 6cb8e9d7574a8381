#pragma once

#include "model/model.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace vek {

// Shared by the vek-cli commands: prints the usage error's message and a line pointing to the
// help of the command (to the whole help without a command), and returns the exit code 2.
int UsageError(std::string_view command, const std::string& message, std::ostream& err);

// Loads and imports the file; on an error prints its message alone on the first line of
// `err` (and the file's line on the second) and returns false.
bool ImportForCli(Model& model, const std::string& path, std::ostream& err);

} // namespace vek
