#include "tcl/settings.h"

#include "tcl/settings_names.h"
#include "util/error.h"
#include "util/format.h"
#include "util/named_member.h"
#include "util/number_parse.h"

#include <limits>
#include <string>
#include <variant>

namespace vek {

namespace {

using SettingMember = std::variant<bool Settings::*, std::int32_t Settings::*, double Settings::*>;

struct NamedSetting
{
    std::string_view name;
    SettingMember member;
    // The integers the setting may take: outside them no script can run.
    std::int32_t least = std::numeric_limits<std::int32_t>::min();
    std::int32_t most = std::numeric_limits<std::int32_t>::max();
};

// The settings that scripts and batch runs may change, under their own names.
const NamedSetting namedSettings[] = {
    {"RecordNodeDisp", &Settings::RecordNodeDisp},
    {"RecordFrameForce", &Settings::RecordFrameForce},
    {"RecordSectionDeform", &Settings::RecordSectionDeform},
    {"RecordSectionStressStrain", &Settings::RecordSectionStressStrain},
    {"RecordModeShapes", &Settings::RecordModeShapes},
    {"AnalysisType", &Settings::AnalysisType, SingleLoadControl, MultipleSupportExcitation},
    {"LoadControlCase", &Settings::LoadControlCase},
    {"DispControlCase", &Settings::DispControlCase},
    {"LoadSteps", &Settings::LoadSteps, 1},
    {"AnalysisSteps", &Settings::AnalysisSteps, 1},
    {"LoadFactor", &Settings::LoadFactor},
    {"ControlDisp", &Settings::ControlDisp},
    {"ControlDof", &Settings::ControlDof},
    {"ControlNode", &Settings::ControlNode},
    {"ModeCount", &Settings::ModeCount, 1},
    {"RebarMaterialTag", &Settings::RebarMaterialTag},
    {"NumIntegrationPoints", &Settings::NumIntegrationPoints, 1},
    {"UseSectionAggregator", &Settings::UseSectionAggregator},
    {"GenPlateFiber", &Settings::GenPlateFiber},
    {"GenNodeMass", &Settings::GenNodeMass},
};

std::int32_t IntegerIn(const NamedSetting& named, std::string_view value)
{
    const std::int32_t x = StrToInt(value);
    if (x >= named.least && x <= named.most)
        return x;
    const std::string range =
        named.most == std::numeric_limits<std::int32_t>::max()
            ? " must be " + FormatInt(named.least) + " or more"
            : " must lie in " + FormatInt(named.least) + ".." + FormatInt(named.most);
    throw VekError(std::string(named.name) + range + ", not " + FormatInt(x));
}

const NamedSetting& FindSetting(std::string_view name)
{
    for (const NamedSetting& named : namedSettings)
        if (named.name == name)
            return named;
    throw VekError("Unknown setting '" + std::string(name) + "'");
}

} // namespace

void SetSettingByName(Settings& settings, std::string_view name, std::string_view value)
{
    const NamedSetting& named = FindSetting(name);
    SetMemberFromText(settings, named.member, value,
                      [&](std::string_view text) { return IntegerIn(named, text); });
}

MemberValue SettingValue(const Settings& settings, std::string_view name)
{
    return MemberValueOf(settings, FindSetting(name).member);
}

std::string SettingText(const Settings& settings, std::string_view name)
{
    return MemberValueText(SettingValue(settings, name));
}

std::vector<std::string_view> SettingNames()
{
    std::vector<std::string_view> names;
    for (const NamedSetting& named : namedSettings)
        names.push_back(named.name);
    return names;
}

} // namespace vek
