#include "gui/two_band_painting.h"

#include "draw/band_canvas.h"
#include "gui/qpainter_canvas.h"

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vek {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

} // namespace

void TwoBandPainting::Paint(QImage& image, const std::function<void(Canvas&)>& draw)
{
    QPainterCanvas canvas(image);
    const std::int32_t height = canvas.Height();
    if (canvas.Pixels() == nullptr || height < 2) {
        draw(canvas);
        return;
    }
    const auto split =
        std::clamp(static_cast<std::int32_t>(std::lround(split_ * height)), 1, height - 1);
    BandCanvas lower(canvas.Pixels(), canvas.Stride(), canvas.Width(), height, DiagonalCrossRows(),
                     split, height - 1);
    canvas.SetBand(0, split - 1);
    Clock::time_point start, mineDone, theirsStart, theirsDone;
    start = Clock::now();
    const bool shared = helper_.Share(
        [&] {
            theirsStart = Clock::now();
            draw(lower);
            theirsDone = Clock::now();
        },
        [&] {
            draw(canvas);
            mineDone = Clock::now();
        });
    if (shared && !lower.Missed()) {
        Balance(Seconds(start, mineDone), Seconds(theirsStart, theirsDone));
        return;
    }
    canvas.SetBand(split, height - 1);
    draw(canvas);
}

void TwoBandPainting::Share(const std::function<void()>& theirs, const std::function<void()>& mine)
{
    if (!helper_.Share(theirs, mine))
        theirs();
}

void TwoBandPainting::Balance(double mine, double theirs)
{
    if (!(mine > 0 && theirs > 0))
        return;
    // The time a row takes in each half, and the share that gives both the same time.
    const double upper = mine / split_, below = theirs / (1 - split_);
    const double even = below / (upper + below);
    // Half way there at a time: one picture's times are not the next one's.
    split_ = std::clamp((split_ + even) / 2, 0.2, 0.8);
}

} // namespace vek
