#include "view/view_options.h"

#include <algorithm>

namespace vek {

ViewFlagValues ReadViewFlags(const ViewSettings& settings)
{
    ViewFlagValues values{};
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        values[i] = settings.*ViewFlagTable[i].Flag;
    return values;
}

void WriteViewFlags(ViewSettings& settings, const ViewFlagValues& values)
{
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        settings.*ViewFlagTable[i].Flag = values[i];
}

std::vector<std::string> LoadCaseList(const Model& model)
{
    const auto count = std::clamp<std::int32_t>(model.LoadCaseCount, 0, MaxLoadCases);
    return {model.LoadCaseNames.begin(), model.LoadCaseNames.begin() + count};
}

void ApplyShowLoadChoice(ViewSettings& settings, int casePosition, int typePosition)
{
    settings.ShownLoadCase = std::max(casePosition, -1) + 1;
    settings.ShownLoadType = std::max(typePosition, -1) + 1;
}

} // namespace vek
