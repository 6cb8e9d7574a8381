#pragma once

#include "tcl/settings.h"
#include "util/named_member.h"

#include <string>
#include <string_view>
#include <vector>

namespace vek {

// Sets a setting given by its name from its text: integers and reals in the strict forms of
// the program, flags as 1, 0, true or false. An unknown name, a value that does not convert,
// or an integer with which no script can run raises VekError and leaves the setting as it is:
// AnalysisType lies in 1..7; LoadSteps, AnalysisSteps, ModeCount and NumIntegrationPoints are
// 1 or more.
void SetSettingByName(Settings& settings, std::string_view name, std::string_view value);

// The names SetSettingByName knows, in a fixed order.
std::vector<std::string_view> SettingNames();

// The value of the setting of that name, of its own type (a flag, an integer or a real); an
// unknown name raises VekError.
MemberValue SettingValue(const Settings& settings, std::string_view name);

// The same as text that SetSettingByName reads back to the same value (MemberValueText).
std::string SettingText(const Settings& settings, std::string_view name);

} // namespace vek
