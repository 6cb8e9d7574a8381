#pragma once

#include "model/model.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// The items of the shell section dialog's element list; the position is ShellElemType.
inline constexpr std::array<const char*, 2> ShellElemTypeItems{"ShellMITC4", "ShellDKGQ"};

// What the shell section dialog shows of a section: its name, the thickness as a whole
// number, its material's name and the element list's position (-1 for a type outside it).
struct ShellSectionForm
{
    std::string Name, Thickness, Material;
    std::int32_t ElemType = -1;
};

// The names of the shell sections 1..ShellSectionCount in order; records the import left
// empty give empty names.
std::vector<std::string> ShellSectionNames(const Model& model);

// The form of shell section `index` (1-based); a number outside the table shows the zero
// record.
ShellSectionForm ShellSectionFormOf(const Model& model, std::int64_t index);

// Stores the element list's position `item` as the ShellElemType of section `index`. False,
// with nothing stored, when `index` is not a section of the model or no item is chosen.
bool ModifyShellSection(Model& model, std::int64_t index, std::int32_t item);

} // namespace vek
