#pragma once

#include "model/model.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vek {

enum class MouseButton { Left, Right, Middle };

// What the main window must do after a mouse event.
struct MouseResult
{
    bool Redraw = false;
    bool ShowFrameProperties = false;
    // The new text of status panel 1, when it changes.
    std::optional<std::string> Status;
};

// The mouse state machine of the model view: pan, rotate and frame selection. It changes
// ViewSettings::MouseMode and SelectedFrame and the view transform.
class MouseController
{
public:
    MouseResult Down(const Model& model, ProjectedModel& projected, ViewSettings& settings,
                     ViewTransform& view, AreaSize area, MouseButton button, std::int32_t x,
                     std::int32_t y);
    MouseResult Move(ViewSettings& settings, ViewTransform& view, AreaSize area, std::int32_t x,
                     std::int32_t y);
    MouseResult Up(ViewSettings& settings, ViewTransform& view, AreaSize area, std::int32_t x,
                   std::int32_t y);

    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
};

// The frame whose midpoint pixel box (midpoint - 5 .. midpoint + 5, right and bottom edges
// excluded) holds the point; the last such frame wins; 0 when none.
std::int32_t FrameAt(const Model& model, const ProjectedModel& projected, std::int32_t x,
                     std::int32_t y);

} // namespace vek
