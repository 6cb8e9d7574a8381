#pragma once

#include "draw/canvas.h"
#include "draw/helper_thread.h"

#include <functional>

class QImage;

namespace vek {

// Paints pictures into images on two threads: the upper rows here, on a QPainterCanvas held
// to them, and the lower rows on a helper thread, on a BandCanvas. The result is the picture
// `draw` paints on one QPainterCanvas, pixel for pixel. The row where the halves meet follows
// the work: it moves so that both threads take about as long on the next picture.
class TwoBandPainting
{
public:
    // The helper wakes now, ready for a picture that is coming.
    void Prepare() { helper_.Prepare(); }

    // Paints `draw` into the image. `draw` runs on both threads at once, so it may only read
    // what it draws from (the model, with its joints projected); and it must start by covering
    // the whole picture, as every model picture does with its background, since the lower
    // rows are painted again here when the helper did not come in time or met a shape only
    // QPainter draws there (text, say). Images that are not 32-bit are painted here alone.
    void Paint(QImage& image, const std::function<void(Canvas&)>& draw);

    // Runs `mine` here and `theirs` on the helper, both at once; `theirs` here afterwards if
    // the helper did not come for it.
    void Share(const std::function<void()>& theirs, const std::function<void()>& mine);

    // The share of the rows painted here, 0.2 to 0.8.
    double Split() const { return split_; }

private:
    // Moves the split towards the row where both halves would have taken as long.
    void Balance(double mine, double theirs);

    HelperThread helper_;
    double split_ = 0.5;
};

} // namespace vek
