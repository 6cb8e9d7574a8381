#pragma once

#include "model/model.h"

#include <string>

namespace vek {

// The imported model as a JSON object: every count under its name, the load case names,
// and each table as an array of its records 1..Count with their fields under their names.
// Screen positions, displacements and animation data are left out. Reals are written in
// the shortest form that reads back exactly; strings byte by byte, bytes above 127
// as the characters of the same code.
std::string ModelToJson(const Model& model);

} // namespace vek
