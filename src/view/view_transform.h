#pragma once

#include "model/model.h"
#include "model/results.h"
#include "util/rounding.h"
#include "view/projected_model.h"

#include <cstdint>

namespace vek {

// The parallel projection of the model view: two angles, a zoom and a pan.
struct ViewTransform
{
    // Rotation about the global Z axis and tilt of the picture plane, in degrees.
    double PlanAngle = 0;
    double TiltAngle = 0;
    // Model length units per pixel: a larger value gives a smaller picture.
    double Zoom = 5.0;
    // The projected coordinates shown at the centre of the drawing area.
    double PanX = 0;
    double PanY = 0;
    // Multiplier of the joint displacements; 0 shows the undeformed model.
    double DeformScale = 0;
};

// The size of the drawing area in pixels.
struct AreaSize
{
    std::int32_t W = 0, H = 0;
};

enum class PresetView { XY, XZ, YZ };

// The projection of one view transform onto one drawing area, with its sines and cosines
// worked out once.
class Projection
{
public:
    Projection(const ViewTransform& view, AreaSize area);

    // The pixel of a point in model coordinates.
    void Pixel(double x, double y, double z, Point& pixel) const
    {
        const double u = cosPlan_ * x - sinPlan_ * y;
        const double v = sinPlan_ * x + cosPlan_ * y;
        const double w = sinTilt_ * z - cosTilt_ * v;
        pixel.X = RoundHalfEvenToInt((u - panX_) / zoom_ + halfW_);
        pixel.Y = RoundHalfEvenToInt((w - panY_) / zoom_ + halfH_);
    }
    // The pixel movement (not rounded) of a movement in model coordinates.
    void Offset(double x, double y, double z, double& dx, double& dy) const
    {
        const double v = sinPlan_ * x + cosPlan_ * y;
        dx = (cosPlan_ * x - sinPlan_ * y) / zoom_;
        dy = (sinTilt_ * z - cosTilt_ * v) / zoom_;
    }

private:
    double cosPlan_, sinPlan_, cosTilt_, sinTilt_;
    double panX_, panY_, zoom_, halfW_, halfH_;
};

// The joints' pixels from their coordinates plus DeformScale times their displacements.
void ProjectJoints(const Model& model, const Results& results, ProjectedModel& projected,
                   const ViewTransform& view, AreaSize area);
// The same with the animation displacements of one step.
void ProjectJointsAtStep(const Model& model, const AnimationData& animation,
                         ProjectedModel& projected, const ViewTransform& view, AreaSize area,
                         std::int32_t step);
// The same for joints first..last only (cut to the table), which two threads can share; the
// joints' entries are fitted to the model first (FitJoints).
void ProjectJointsAtStep(const Model& model, const AnimationData& animation,
                         ProjectedModel& projected, const ViewTransform& view, AreaSize area,
                         std::int32_t step, std::int64_t first, std::int64_t last);
// The frames' marks; the hinge circles lie between the joints' pixels of the last projection.
void ProjectFrameMarks(const Model& model, ProjectedModel& projected, const ViewTransform& view,
                       AreaSize area);

// Sets the angles of a preset view; zoom and pan stay (the caller runs ZoomAll).
void SetPresetView(ViewTransform& view, PresetView preset);
// Fits the model into 80 % of the area and centres it, projecting the joints again; with no
// joints nothing happens.
void ZoomAll(const Model& model, const Results& results, ProjectedModel& projected,
             ViewTransform& view, AreaSize area);
// One wheel step: in (wheel down) makes the picture grow, out shrink.
void ZoomStep(ViewTransform& view, bool in);
// Pixel movements of a drag.
void PanBy(ViewTransform& view, std::int32_t dx, std::int32_t dy);
void RotateBy(ViewTransform& view, AreaSize area, std::int32_t dx, std::int32_t dy);

} // namespace vek
