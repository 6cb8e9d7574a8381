#pragma once

#include "model/model.h"
#include "view/view_settings.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vek {

// One check box of the View Option dialog: its caption and the view flag it shows.
struct ViewFlagEntry
{
    const char* Caption;
    bool ViewSettings::*Flag;
};

inline constexpr std::size_t ViewFlagCount = 13;

// The check boxes of the View Option dialog, top to bottom.
inline constexpr std::array<ViewFlagEntry, ViewFlagCount> ViewFlagTable{{
    {"Node", &ViewSettings::ShowNodes},
    {"Node Labels", &ViewSettings::ShowNodeLabels},
    {"Frame", &ViewSettings::ShowFrames},
    {"Frame Labels", &ViewSettings::ShowFrameLabels},
    {"Frame Axis", &ViewSettings::ShowFrameAxis},
    {"Node Support", &ViewSettings::ShowSupports},
    {"Diaphragms", &ViewSettings::ShowDiaphragms},
    {"Hinge Circle", &ViewSettings::ShowHingeCircles},
    {"Shell Element", &ViewSettings::ShowShells},
    {"Shell Labels", &ViewSettings::ShowShellLabels},
    {"Moment Release", &ViewSettings::ShowReleases},
    {"Solid Element", &ViewSettings::ShowSolids},
    {"Solid Label", &ViewSettings::ShowSolidLabels},
}};

// The view flags in the order of ViewFlagTable.
using ViewFlagValues = std::array<bool, ViewFlagCount>;

ViewFlagValues ReadViewFlags(const ViewSettings& settings);
void WriteViewFlags(ViewSettings& settings, const ViewFlagValues& values);

// The kinds of load the Show Load dialog offers; position p is ShownLoadType p + 1.
inline constexpr std::array<const char*, 2> ShownLoadTypeCaptions{"Point Force", "Element Load"};

// The load cases of the model in order: LoadCaseNames[0 .. LoadCaseCount - 1].
std::vector<std::string> LoadCaseList(const Model& model);

// Applies the Show Load choice: the position of the chosen load case in LoadCaseList (-1 for
// none, which draws no loads) and the position of the chosen load type.
void ApplyShowLoadChoice(ViewSettings& settings, int casePosition, int typePosition);

} // namespace vek
