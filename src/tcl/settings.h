#pragma once

#include <cstdint>
#include <map>

namespace vek {

// The material of the solids that name a SectionTag: an isotropic elastic material.
struct SolidMaterial
{
    double E = 0;
    double Poisson = 0;

    bool operator==(const SolidMaterial&) const = default;
};

// The analysis types, in the order of the analysis settings' list.
enum AnalysisKind : std::int32_t {
    SingleLoadControl = 1,
    SingleDisplacementControl = 2,
    GravityPushover = 3,
    Modal = 4,
    TimeHistory = 5,
    GravityTimeHistory = 6,
    MultipleSupportExcitation = 7,
};

// The analysis, recorder and script settings, with their start-up values. Each is changed
// only by the dialog or command that owns it; none is saved.
struct Settings
{
    // Recorders.
    bool RecordNodeDisp = true;
    bool RecordFrameForce = false;
    bool RecordSectionDeform = false;
    bool RecordSectionStressStrain = false;
    bool RecordModeShapes = false;

    // Analysis. AnalysisType 1..7: Single Load Control, Single Displacement Control,
    // Gravity+PushOver, Modal Analysis, Time History Analysis, D+L+Time Hist Analysis,
    // MultipleSupport Excitation. The load cases are 1-based indices into LoadCaseNames.
    std::int32_t AnalysisType = 1;
    std::int32_t LoadControlCase = 1;
    std::int32_t DispControlCase = 1;
    std::int32_t LoadSteps = 100;
    std::int32_t AnalysisSteps = 100;
    double LoadFactor = 1.0;
    double ControlDisp = 0.1;
    std::int32_t ControlDof = 1;
    std::int32_t ControlNode = 1;
    std::int32_t ModeCount = 12;
    std::int32_t RebarMaterialTag = 1;
    std::int32_t NumIntegrationPoints = 3;
    bool UseSectionAggregator = false;
    bool GenPlateFiber = true;
    bool GenNodeMass = true;

    // The material of each SectionTag the solids name; a tag without an entry has none yet.
    // Filled after each import (InitSolidMaterials), then changed by the Solid Material dialog
    // or --solid-material.
    std::map<std::int32_t, SolidMaterial> SolidMaterials;

    bool operator==(const Settings&) const = default;
};

} // namespace vek
