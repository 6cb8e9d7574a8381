#pragma once

#include "model/model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// The items of the material dialog's type list; the position is MatType - 1.
inline constexpr std::array<const char*, 5> MaterialTypeItems{"Elastic", "Steel01", "Concrete01",
                                                              "Steel02", "Concrete02"};

// What the material dialog shows of a material: the type list's position (-1 for a type
// outside the list), E and G as whole numbers, Poisson's ratio with three decimals.
struct MaterialForm
{
    std::string Name;
    std::int32_t Type = -1;
    std::string E, G, Poisson;
};

// The names of the materials 1..MaterialCount in order.
std::vector<std::string> MaterialNames(const Model& model);

// The form of material `index` (1-based); a number outside the table shows the zero record.
MaterialForm MaterialFormOf(const Model& model, std::int64_t index);

} // namespace vek
