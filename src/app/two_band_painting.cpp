#include "app/two_band_painting.h"

#include "app/qpainter_canvas.h"
#include "view/band_canvas.h"

#include <QImage>

namespace vek {

void PaintInTwoBands(QImage& image, HelperThread& helper, const std::function<void(Canvas&)>& draw)
{
    QPainterCanvas canvas(image);
    const std::int32_t height = canvas.Height();
    if (canvas.Pixels() == nullptr || height < 2) {
        draw(canvas);
        return;
    }
    const std::int32_t split = height / 2;
    BandCanvas lower(canvas.Pixels(), canvas.Stride(), canvas.Width(), height, DiagonalCrossRows(),
                     split, height - 1);
    canvas.SetBand(0, split - 1);
    const bool shared = helper.Share([&] { draw(lower); }, [&] { draw(canvas); });
    if (shared && !lower.Missed())
        return;
    canvas.SetBand(split, height - 1);
    draw(canvas);
}

} // namespace vek
