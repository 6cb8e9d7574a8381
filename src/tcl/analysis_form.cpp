#include "tcl/analysis_form.h"

#include "tcl/settings_names.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <cstdint>

namespace vek {

namespace {

// The item of a box that a 1-based setting selects, -1 when it names none of `count` items.
int ItemOf(std::int32_t setting, std::size_t count)
{
    if (setting < 1 || static_cast<std::size_t>(setting) > count)
        return -1;
    return setting - 1;
}

void StoreItem(int item, std::int32_t& setting)
{
    if (item >= 0)
        setting = item + 1;
}

std::string ShownReal(double value)
{
    return FormatScientific(value, 3);
}

void StoreReal(const std::string& text, double& setting)
{
    if (text == ShownReal(setting))
        return;
    setting = StrToFloat(text);
}

} // namespace

void LoadAnalysisForm(const Model& model, const Settings& settings, AnalysisForm& form)
{
    const auto caseCount = std::clamp<std::int32_t>(model.LoadCaseCount, 0, MaxLoadCases);
    form.LoadCases.assign(model.LoadCaseNames.begin(), model.LoadCaseNames.begin() + caseCount);

    form.AnalysisType = ItemOf(settings.AnalysisType, AnalysisTypeCaptions.size());
    form.LoadControlCase = ItemOf(settings.LoadControlCase, form.LoadCases.size());
    form.DispControlCase = ItemOf(settings.DispControlCase, form.LoadCases.size());
    form.LoadSteps = FormatInt(settings.LoadSteps);
    form.LoadFactor = ShownReal(settings.LoadFactor);
    form.ControlNode = FormatInt(settings.ControlNode);
    form.ControlDisp = ShownReal(settings.ControlDisp);
    form.ControlDof = FormatInt(settings.ControlDof);
    form.AnalysisSteps = FormatInt(settings.AnalysisSteps);
    form.NumIntegrationPoints = FormatInt(settings.NumIntegrationPoints);
    form.RebarMaterialTag = FormatInt(settings.RebarMaterialTag);
    form.UseSectionAggregator = settings.UseSectionAggregator;
    form.GenPlateFiber = settings.GenPlateFiber;
    form.GenNodeMass = settings.GenNodeMass;
}

void StoreAnalysisForm(const AnalysisForm& form, Settings& settings)
{
    // The integer edits go through the named settings, which hold their ranges.
    SetSettingByName(settings, "LoadSteps", form.LoadSteps);
    StoreReal(form.LoadFactor, settings.LoadFactor);
    StoreItem(form.LoadControlCase, settings.LoadControlCase);
    StoreItem(form.DispControlCase, settings.DispControlCase);
    StoreItem(form.AnalysisType, settings.AnalysisType);
    SetSettingByName(settings, "RebarMaterialTag", form.RebarMaterialTag);
    SetSettingByName(settings, "NumIntegrationPoints", form.NumIntegrationPoints);
    SetSettingByName(settings, "AnalysisSteps", form.AnalysisSteps);
    SetSettingByName(settings, "ControlDof", form.ControlDof);
    StoreReal(form.ControlDisp, settings.ControlDisp);
    SetSettingByName(settings, "ControlNode", form.ControlNode);
    settings.UseSectionAggregator = form.UseSectionAggregator;
    SetSettingByName(settings, "ModeCount", form.ModeCount);
    settings.GenPlateFiber = form.GenPlateFiber;
    settings.GenNodeMass = form.GenNodeMass;
}

} // namespace vek
