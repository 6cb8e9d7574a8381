#pragma once

#include "gui/error_boundary.h"
#include "gui/file_choice.h"
#include "gui/two_band_painting.h"
#include "model/model.h"
#include "post/animation.h"
#include "tcl/settings.h"
#include "view/view_transform.h"

#include <QDialog>

#include <cstdint>

class QImage;
class QLineEdit;
class QSpinBox;
class QTimer;

namespace vek {

// Paints one animation picture into the image: DrawAnimationStep on a QPainterCanvas, or on
// two threads with `twoBands`.
void PaintAnimationStep(QImage& image, const Model& model, const AnimationData& animation,
                        ProjectedModel& projected, const ViewTransform& view, std::int32_t step,
                        TwoBandPainting* twoBands = nullptr);

// "Animation": loads the joint displacements of consecutive steps from the node displacement
// files, read as the run's script record says when there is one, and plays them in the main
// window, driven by the main window's timer. Modeless.
//
// Every tick of the timer shows the next step, so every step loaded is drawn; the "Steps per
// second" box sets the timer's interval. A step that takes longer to draw than an interval
// slows the animation down rather than being skipped.
class AnimationDialog : public QDialog
{
    Q_OBJECT

public:
    AnimationDialog(const Model& model, const Settings& settings, AnimationData& animation,
                    QTimer& timer, QWidget* parent = nullptr);

    void SetMessageReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void SetFileChooser(OpenFileChooser chooser) { chooser_ = std::move(chooser); }

    const AnimationState& State() const { return state_; }

    // For a tick of the timer: moves on to the next step and gives it.
    std::int32_t NextStep();

private:
    // LOAD DISP DATA, Run Animation / Stop Animation.
    void LoadAnimationData();
    void ToggleAnimation();
    void SetPace(int stepsPerSecond);

    const Model& model_;
    const Settings& settings_;
    AnimationData& animation_;
    QTimer& timer_;
    ErrorReporter reporter_;
    OpenFileChooser chooser_;
    AnimationState state_;

    QLineEdit* stepCountEdit_ = nullptr;
    QLineEdit* scaleEdit_ = nullptr;
    QSpinBox* stepsPerSecond_ = nullptr;
};

} // namespace vek
