#pragma once

#include <cstdint>

namespace vek {

// Mouse modes of the model view.
enum MouseModeValue : std::int32_t {
    MouseNone = 0,
    MousePanArmed = 1,
    MouseRotateArmed = 3,
    MouseSelectElem = 101,
    MouseNoAction = 102,
};

// What the model view draws and how the mouse acts on it, with the start-up values. Each is
// changed only by the dialog or command that owns it; none is saved.
struct ViewSettings
{
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
};

} // namespace vek
