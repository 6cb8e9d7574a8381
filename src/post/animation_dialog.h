#pragma once

#include "app/two_band_painting.h"
#include "model/model.h"
#include "post/animation.h"
#include "post/post_dialog_parts.h"
#include "view/view_transform.h"

#include <QDialog>
#include <QElapsedTimer>

#include <cstdint>
#include <functional>
#include <optional>

class QImage;
class QLineEdit;
class QTimer;

namespace vek {

// Paints one animation picture into the image: DrawAnimationStep on a QPainterCanvas, or on
// two threads with `twoBands`.
void PaintAnimationStep(QImage& image, Model& model, const ViewTransform& view, std::int32_t step,
                        TwoBandPainting* twoBands = nullptr);

// "Animation": loads the joint displacements of consecutive steps from the node displacement
// files and plays them in the main window, driven by the main window's timer. Modeless.
//
// The animation shows one step per timer interval, counted from the moment it was started:
// when drawing a step takes longer than an interval, the next tick shows the step that is due
// by then, so the animation keeps its pace instead of falling behind.
class TForm12 : public QDialog
{
    Q_OBJECT

public:
    TForm12(Model& model, QTimer& timer1, QWidget* parent = nullptr);

    void SetMessageReporter(DialogErrorReporter reporter) { reporter_ = std::move(reporter); }
    void SetFileChooser(RecorderFileChooser chooser) { chooser_ = std::move(chooser); }
    // Milliseconds from any fixed origin; by default a monotonic clock.
    using Clock = std::function<std::int64_t()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    const AnimationState& State() const { return state_; }

    // For a tick of the timer: the step to draw now, or nothing when a step was drawn already
    // in the current interval.
    std::optional<std::int32_t> NextStep();

private:
    // Button2, Button3.
    void LoadAnimationData();
    void ToggleAnimation();

    Model& model_;
    QTimer& timer1_;
    DialogErrorReporter reporter_;
    RecorderFileChooser chooser_;
    QElapsedTimer monotonic_;
    Clock clock_;
    AnimationState state_;
    // When the animation was started, on clock_; whether a step was drawn since, and in
    // which interval after the start.
    std::int64_t started_ = 0;
    bool drawn_ = false;
    std::int64_t drawnAt_ = 0;

    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
};

} // namespace vek
