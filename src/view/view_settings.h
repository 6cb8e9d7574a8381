#pragma once

#include <cstdint>

namespace vek {

// What the mouse does on the model view. The mode commands arm panning or rotating (a drag
// then pans or rotates until the button is released), select a frame or switch the mouse off.
enum class MouseMode : std::int32_t {
    None = 0,
    PanArmed = 1,
    Panning = 2,
    RotateArmed = 3,
    Rotating = 4,
    SelectElem = 101,
    NoAction = 102,
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
    vek::MouseMode MouseMode = vek::MouseMode::None;
    std::int32_t SelectedFrame = 0;
    // The result colour scale.
    double ScaleMax = 1.0E-4;
    double ScaleMin = -1.0E-4;

    bool operator==(const ViewSettings&) const = default;
};

} // namespace vek
