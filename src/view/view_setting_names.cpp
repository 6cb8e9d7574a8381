#include "view/view_setting_names.h"

#include "util/error.h"
#include "util/named_member.h"
#include "util/number_parse.h"

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

const NamedViewSetting* FindViewSetting(std::string_view name)
{
    for (const NamedViewSetting& named : namedViewSettings)
        if (named.name == name)
            return &named;
    return nullptr;
}

} // namespace

bool IsViewSettingName(std::string_view name)
{
    return FindViewSetting(name) != nullptr;
}

void SetViewSettingByName(ViewSettings& settings, std::string_view name, std::string_view value)
{
    const NamedViewSetting* named = FindViewSetting(name);
    if (!named)
        throw VekError("Unknown setting '" + std::string(name) + "'");
    SetMemberFromText(settings, named->member, value, StrToInt);
}

} // namespace vek
