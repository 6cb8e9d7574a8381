#include "view/mouse_modes.h"

namespace vek {

MouseResult MouseController::Down(const Model& model, ProjectedModel& projected,
                                  ViewSettings& settings, ViewTransform& view, AreaSize area,
                                  MouseButton button, std::int32_t x, std::int32_t y)
{
    MouseResult result;
    // Every button picks in select mode; a miss clears the selection without a redraw. The
    // midpoints are those of the view on the screen, which the redraw does not always keep.
    if (settings.MouseMode == MouseMode::SelectElem) {
        ProjectFrameMarks(model, projected, view, area);
        settings.SelectedFrame = FrameAt(model, projected, x, y);
        if (settings.SelectedFrame != 0) {
            result.ShowFrameProperties = true;
            result.Redraw = true;
        }
    }
    if (settings.MouseMode == MouseMode::PanArmed) {
        LastMouseX = x;
        LastMouseY = y;
        settings.MouseMode = MouseMode::Panning;
    }
    if (settings.MouseMode == MouseMode::RotateArmed) {
        LastMouseX = x;
        LastMouseY = y;
        settings.MouseMode = MouseMode::Rotating;
    }
    // The right button ends whatever mode there was, a drag it has just started included.
    if (button == MouseButton::Right) {
        settings.MouseMode = MouseMode::None;
        result.Status = "None";
    }
    return result;
}

MouseResult MouseController::Move(ViewSettings& settings, ViewTransform& view, AreaSize area,
                                  std::int32_t x, std::int32_t y)
{
    MouseResult result;
    if (settings.MouseMode == MouseMode::Panning)
        PanBy(view, x - LastMouseX, y - LastMouseY);
    else if (settings.MouseMode == MouseMode::Rotating)
        RotateBy(view, area, x - LastMouseX, y - LastMouseY);
    else
        return result;
    LastMouseX = x;
    LastMouseY = y;
    result.Redraw = true;
    return result;
}

// The release ends the drag and arms its mode again; outside a drag it does nothing, and the
// last mouse position is left as it was.
MouseResult MouseController::Up(ViewSettings& settings, ViewTransform& view, AreaSize area,
                                std::int32_t x, std::int32_t y)
{
    MouseResult result;
    if (settings.MouseMode == MouseMode::Panning) {
        PanBy(view, x - LastMouseX, y - LastMouseY);
        settings.MouseMode = MouseMode::PanArmed;
        result.Status = "Pan";
    } else if (settings.MouseMode == MouseMode::Rotating) {
        RotateBy(view, area, x - LastMouseX, y - LastMouseY);
        settings.MouseMode = MouseMode::RotateArmed;
        result.Status = "Rotate View";
    } else {
        return result;
    }
    LastMouseX = x;
    LastMouseY = y;
    result.Redraw = true;
    return result;
}

// A frame naming a joint outside the model is not drawn, so it cannot be picked either.
std::int32_t FrameAt(const Model& model, const ProjectedModel& projected, std::int32_t x,
                     std::int32_t y)
{
    const std::int64_t px = x, py = y;
    std::int32_t found = 0;
    std::int32_t k = 0;
    for (const TFrameElem& frame : model.Frames) {
        const Point mid = projected.Frame(++k).Mid;
        if (px < mid.X - 5LL || px >= mid.X + 5LL || py < mid.Y - 5LL || py >= mid.Y + 5LL)
            continue;
        if (model.Joints.Contains(frame.NodeI) && model.Joints.Contains(frame.NodeJ))
            found = k;
    }
    return found;
}

} // namespace vek
