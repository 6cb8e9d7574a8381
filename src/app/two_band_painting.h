#pragma once

#include "view/canvas.h"
#include "view/helper_thread.h"

#include <functional>

class QImage;

namespace vek {

// Paints a picture into the image on two threads: the upper half here, on a QPainterCanvas
// held to its rows, and the lower half on the helper, on a BandCanvas. The result is the
// picture `draw` paints on one QPainterCanvas, pixel for pixel. `draw` runs on both threads at
// once, so it may only read what it draws from (the model, with its joints projected); and it
// must start by covering the whole picture, as every model picture does with its background,
// since the lower half is painted again here when the helper did not come in time or met a
// shape only QPainter draws there (text, say). Images that are not 32-bit are painted here
// alone.
void PaintInTwoBands(QImage& image, HelperThread& helper, const std::function<void(Canvas&)>& draw);

} // namespace vek
