#pragma once

#include "draw/canvas.h"
#include "model/model.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

namespace vek {

// Paints the whole model view: background and title, the projection (joints and frame marks
// are projected again, so the pixels of `projected` are those of this picture), every layer
// the view flags switch on, in a fixed order, and the force diagrams the results hold.
void RedrawModel(Canvas& canvas, const Model& model, const Results& results,
                 ProjectedModel& projected, const ViewSettings& settings,
                 const ViewTransform& view);

// The background and title, then the nodes, the supports and the frames at the joints'
// projected pixels, whatever the view flags say (no selection highlight, no other layer).
// Nothing is projected.
void DrawBareModel(Canvas& canvas, const Model& model, const ProjectedModel& projected);

// The palette entry (11..16) of a result on the colour scale ScaleMin..ScaleMax.
std::int32_t ResultColor(const TPalette& palette, double value, double scaleMin, double scaleMax);

} // namespace vek
