#pragma once

#include <cstdint>
#include <map>

namespace vek {

// Mouse modes of the model view.
enum MouseModeValue : std::int32_t {
    MouseNone = 0,
    MousePanArmed = 1,
    MouseRotateArmed = 3,
    MouseSelectElem = 101,
    MouseNoAction = 102,
};

// The material of the solids that name a SectionTag: an isotropic elastic material.
struct SolidMaterial
{
    double E = 0;
    double Poisson = 0;
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

// The program-wide settings, with their start-up values. Each is changed only by the dialog
// or command that owns it; none is saved.
struct Settings
{
    // What the model view draws.
    bool ShowNodes = true;
    bool ShowFrames = true;
    bool ShowSupports = true;
    bool ShowShells = true;
    bool ShowReleases = true;
    bool ShowSolids = true;
    bool ShowNodeLabels = false;
    bool ShowFrameLabels = false;
    bool ShowFrameAxis = false;
    bool ShowDiaphragms = false;
    bool ShowHingeCircles = false;
    bool ShowShellLabels = false;
    bool ShowSolidLabels = false;
    // The load case whose loads are drawn (1-based; 0 draws none) and the kind of load.
    std::int32_t ShownLoadCase = 0;
    std::int32_t ShownLoadType = 0;
    std::int32_t MouseMode = MouseNone;
    std::int32_t SelectedFrame = 0;
    // The result colour scale.
    double ScaleMax = 1.0E-4;
    double ScaleMin = -1.0E-4;

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
};

} // namespace vek
