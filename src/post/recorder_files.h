#pragma once

#include "tcl/recorder_groups.h"
#include "util/text_lines.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// `name` in `folder`; a folder that does not end with a separator gets one.
std::string RecorderPath(std::string_view folder, std::string_view name);

// Line `step` (from 1) of a file read into lines; raises VekError("List index out of bounds
// (<step - 1>)") when the file has no such line.
std::string_view StepLine(const TextLines& lines, std::int64_t step);

} // namespace vek
