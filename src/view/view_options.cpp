#include "view/view_options.h"

#include <algorithm>

namespace vek {

ViewFlagValues ReadViewFlags(const Settings& settings)
{
    ViewFlagValues values{};
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        values[i] = settings.*ViewFlagTable[i].Flag;
    return values;
}

void WriteViewFlags(Settings& settings, const ViewFlagValues& values)
{
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        settings.*ViewFlagTable[i].Flag = values[i];
}

std::vector<std::string> LoadCaseList(const Model& model)
{
    const auto count = std::clamp<std::int32_t>(model.LoadCaseCount, 0, MaxLoadCases);
    return {model.LoadCaseNames.begin(), model.LoadCaseNames.begin() + count};
}

void ApplyShowLoadChoice(Settings& settings, int casePosition, int typePosition)
{
    settings.ShownLoadCase = std::max(casePosition, -1) + 1;
    settings.ShownLoadType = std::max(typePosition, -1) + 1;
}

} // namespace vek
