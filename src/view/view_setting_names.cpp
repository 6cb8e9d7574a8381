#include "view/view_setting_names.h"

#include "util/error.h"
#include "util/named_member.h"
#include "util/number_parse.h"

#include <cstddef>
#include <string>
#include <variant>

namespace vek {

namespace {

using ViewSettingMember =
    std::variant<bool ViewSettings::*, std::int32_t ViewSettings::*, double ViewSettings::*>;

struct NamedViewSetting
{
    std::string_view name;
    ViewSettingMember member;
};

// The view settings that batch runs may change, under their own names.
const NamedViewSetting namedViewSettings[] = {
    {"ShowNodes", &ViewSettings::ShowNodes},
    {"ShowFrames", &ViewSettings::ShowFrames},
    {"ShowSupports", &ViewSettings::ShowSupports},
    {"ShowShells", &ViewSettings::ShowShells},
    {"ShowReleases", &ViewSettings::ShowReleases},
    {"ShowSolids", &ViewSettings::ShowSolids},
    {"ShowNodeLabels", &ViewSettings::ShowNodeLabels},
    {"ShowFrameLabels", &ViewSettings::ShowFrameLabels},
    {"ShowFrameAxis", &ViewSettings::ShowFrameAxis},
    {"ShowDiaphragms", &ViewSettings::ShowDiaphragms},
    {"ShowHingeCircles", &ViewSettings::ShowHingeCircles},
    {"ShowShellLabels", &ViewSettings::ShowShellLabels},
    {"ShowSolidLabels", &ViewSettings::ShowSolidLabels},
    {"ShownLoadCase", &ViewSettings::ShownLoadCase},
    {"ShownLoadType", &ViewSettings::ShownLoadType},
    {"ScaleMax", &ViewSettings::ScaleMax},
    {"ScaleMin", &ViewSettings::ScaleMin},
};

// The first of namedViewSettings that a project keeps: all up to the colour scale.
constexpr std::size_t ProjectViewSettingCount = 15;

const NamedViewSetting* FindViewSetting(std::string_view name)
{
    for (const NamedViewSetting& named : namedViewSettings)
        if (named.name == name)
            return &named;
    return nullptr;
}

const NamedViewSetting& KnownViewSetting(std::string_view name)
{
    const NamedViewSetting* named = FindViewSetting(name);
    if (!named)
        throw VekError("Unknown setting '" + std::string(name) + "'");
    return *named;
}

} // namespace

bool IsViewSettingName(std::string_view name)
{
    return FindViewSetting(name) != nullptr;
}

void SetViewSettingByName(ViewSettings& settings, std::string_view name, std::string_view value)
{
    SetMemberFromText(settings, KnownViewSetting(name).member, value, StrToInt);
}

std::vector<std::string_view> ViewSettingNames()
{
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < ProjectViewSettingCount; ++i)
        names.push_back(namedViewSettings[i].name);
    return names;
}

MemberValue ViewSettingValue(const ViewSettings& settings, std::string_view name)
{
    return MemberValueOf(settings, KnownViewSetting(name).member);
}

std::string ViewSettingText(const ViewSettings& settings, std::string_view name)
{
    return MemberValueText(ViewSettingValue(settings, name));
}

} // namespace vek
