#pragma once

#include "model/model.h"
#include "tcl/settings.h"

#include <array>
#include <string>
#include <vector>

namespace vek {

// The items of the Analysis Type box; item n - 1 is AnalysisType n.
inline constexpr std::array<const char*, 7> AnalysisTypeCaptions{
    "Single Load Control",        "Single Displacement Control",
    "Gravity+PushOver",           "Modal Analysis",
    "Time History Analysis",      "D+L+Time Hist Analysis",
    "MultipleSupport Excitation",
};

// What the controls of the Analysis Setting dialog hold: the texts of the edits, the selected
// item of each box (-1 for none) and the check boxes.
struct AnalysisForm
{
    // The items of both load case boxes: the model's load cases in order.
    std::vector<std::string> LoadCases;
    int AnalysisType = -1;
    int LoadControlCase = -1;
    int DispControlCase = -1;
    std::string LoadSteps;
    std::string LoadFactor;
    std::string ControlNode;
    std::string ControlDisp;
    std::string ControlDof;
    std::string AnalysisSteps;
    std::string NumIntegrationPoints;
    std::string RebarMaterialTag;
    // Never filled from the settings: the edit keeps what it last held.
    std::string ModeCount = "12";
    bool UseSectionAggregator = false;
    bool GenPlateFiber = false;
    bool GenNodeMass = false;
};

// Fills the form as showing the dialog does: the load case lists from the model, each box at
// the item of its setting (none when the setting names no item), integers as "%D", the two
// reals as "%0.3E". The Modal Number text is left as it is.
void LoadAnalysisForm(const Model& model, const Settings& settings, AnalysisForm& form);

// Stores the form in the settings in the dialog's order, each value at once: Load Steps, Load
// Factor, the two load cases, the analysis type, Rebar Material Number, numIntgrPts, Analysis
// Step, Control Dof, Control Disp, Control Node, the aggregator, Modal Number, plate fibres,
// masses. A text that is not a number, or an integer outside its setting's range (Load Steps,
// Analysis Step, Modal Number and numIntgrPts 1 or more, see SetSettingByName), raises
// VekError; the values read before it stay stored, the refused one and the later ones keep
// their old values.
//
// A real whose text is the "%0.3E" text of its setting keeps its exact value, since three
// digits would otherwise round it away on every OK. A box with no selected item keeps its
// setting, since 0 names no load case and no analysis type.
void StoreAnalysisForm(const AnalysisForm& form, Settings& settings);

} // namespace vek
