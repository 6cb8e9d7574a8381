#pragma once

#include "util/named_member.h"
#include "view/view_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace vek {

// Whether SetViewSettingByName knows the name.
bool IsViewSettingName(std::string_view name);

// Sets a view setting given by its name from its text: integers and reals in the strict forms
// of the program, flags as 1, 0, true or false. An unknown name or a value that does not
// convert raises VekError and leaves the setting as it is.
void SetViewSettingByName(ViewSettings& settings, std::string_view name, std::string_view value);

// The view settings a project keeps, in a fixed order: the Show* flags, ShownLoadCase and
// ShownLoadType (not the colour scale, which belongs to the results shown).
std::vector<std::string_view> ViewSettingNames();

// The value of the view setting of that name, of its own type; an unknown name raises
// VekError.
MemberValue ViewSettingValue(const ViewSettings& settings, std::string_view name);

// The same as text that SetViewSettingByName reads back to the same value.
std::string ViewSettingText(const ViewSettings& settings, std::string_view name);

} // namespace vek
