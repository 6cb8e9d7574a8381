#pragma once

#include "model/model.h"

#include <string>

namespace vek {

// The imported model as a JSON object: every count under its name, the load case names,
// and each table as an array of its records 1..Count with their fields under their names.
// Screen positions, displacements and animation data are left out. Reals are written in
// the shortest form that reads back exactly (0.0 for zero), a real that is not finite as
// null; the text is ASCII, characters above 127 as \u escapes and each byte that is not
// part of valid UTF-8 as U+FFFD.
std::string ModelToJson(const Model& model);

} // namespace vek
