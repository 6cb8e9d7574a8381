#pragma once

#include "model/model.h"
#include "sections/material_parameters.h"

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

// One row of the dialog's "Nonlinear Material Setting" group: the parameter's OpenSees name
// (its label), its value as text and, for a row left empty that takes the value of another
// box, what the empty row stands for.
struct MaterialParameterRow
{
    std::string Name;
    std::string Text;
    std::string Hint;
};

// What the engineer typed for a material: its name, the type list's position, the elastic
// boxes and the parameter rows' texts by name.
struct MaterialEntry
{
    std::string Name;
    std::int32_t Type = -1;
    std::string E, G, Poisson;
    MaterialParameterTexts Parameters;
};

// The names of the materials 1..MaterialCount in order.
std::vector<std::string> MaterialNames(const Model& model);

// The form of material `index` (1-based); a number outside the table shows the zero record.
MaterialForm MaterialFormOf(const Model& model, std::int64_t index);

// The rows the nonlinear group shows for material `index` when the type list is at `type`:
// the type's parameters but E (which the elastic boxes show), each with the material's value
// when its type has that parameter, else its start value (R0 18, ...) or an empty text: E0
// then follows the Elastic Modulus box, the others must be typed. None for Elastic or a
// position outside the list.
std::vector<MaterialParameterRow> ParameterRowsOf(const Model& model, std::int64_t index,
                                                  std::int32_t type);

// Stores what was typed as material `index` (1-based): the type and its parameters (an empty
// row takes its start value: E0 the Elastic Modulus, R0 18, ...), and each
// elastic box whose text differs from what MaterialFormOf shows for the stored value (so a
// value the box shows rounded is kept exactly). Numbers are read strictly; on any error
// VekError is raised and nothing is stored. The name is the material's: a changed name is
// refused (Add makes a material of a new name). An index outside the table raises too.
void ModifyMaterial(Model& model, std::int64_t index, const MaterialEntry& entry);

// Adds a material after the others from what was typed: a name no material has, the type,
// E (greater than 0), G, Poisson's ratio and the type's parameters. Returns its number; on any
// error VekError is raised and the model is left as it was.
std::int32_t AddMaterial(Model& model, const MaterialEntry& entry);

} // namespace vek
