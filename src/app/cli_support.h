#pragma once

#include "model/model.h"

#include <iosfwd>
#include <string>

namespace vek {

// Shared by the vek-cli commands: prints a usage error with the usage text and returns the
// exit code 2.
int UsageError(const std::string& message, std::ostream& err);

// Loads and imports the file; on an error prints its message alone on the first line of
// `err` (and the file's line on the second) and returns false.
bool ImportForCli(Model& model, const std::string& path, std::ostream& err);

} // namespace vek
