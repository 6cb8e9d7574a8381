#pragma once

#include "view/view_settings.h"

#include <string_view>

namespace vek {

// Whether SetViewSettingByName knows the name.
bool IsViewSettingName(std::string_view name);

// Sets a view setting given by its name from its text: integers and reals in the strict forms
// of the program, flags as 1, 0, true or false. An unknown name or a value that does not
// convert raises VekError and leaves the setting as it is.
void SetViewSettingByName(ViewSettings& settings, std::string_view name, std::string_view value);

} // namespace vek
