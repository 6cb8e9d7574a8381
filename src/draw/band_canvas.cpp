#include "draw/band_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace vek {

BandCanvas::BandCanvas(Pixel* pixels, std::ptrdiff_t stride, std::int32_t width,
                       std::int32_t height, const HatchRows& hatch, std::int32_t firstRow,
                       std::int32_t lastRow)
    : writer_(pixels, stride, width, height, hatch), firstRow_(firstRow), lastRow_(lastRow)
{
    writer_.SetBand(firstRow, lastRow);
}

void BandCanvas::SetPen(std::int32_t color, std::int32_t width)
{
    penWidth_ = std::max(width, 0);
    writer_.SetPen(OpaquePixel(color), width);
}

void BandCanvas::SetBrush(std::int32_t color, BrushStyle style)
{
    writer_.SetBrush(OpaquePixel(color), style);
}

void BandCanvas::Skipped(std::int64_t top, std::int64_t bottom)
{
    if (bottom >= firstRow_ && top <= lastRow_)
        missed_ = true;
}

void BandCanvas::Line(Point from, Point to)
{
    writer_.Line(from, to);
}

void BandCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom)
{
    if (penWidth_ == 1) {
        Skipped(std::int64_t{top} - 2, std::int64_t{bottom} + 2);
        return;
    }
    writer_.Ellipse(left, top, std::int64_t{right} - left, std::int64_t{bottom} - top);
}

void BandCanvas::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom)
{
    const CutBox box = CutRectangle(left, top, right, bottom, penWidth_, Width(), Height());
    if (penWidth_ <= 1 && box.Right > box.Left && box.Bottom > box.Top) {
        writer_.Box(box.Left, box.Top, box.Right, box.Bottom);
        return;
    }
    Skipped(std::int64_t{std::min(box.Top, box.Bottom)} - penWidth_ - 1,
            std::int64_t{std::max(box.Top, box.Bottom)} + penWidth_ + 1);
}

void BandCanvas::Polygon(const std::vector<Point>& points)
{
    if (penWidth_ <= 1) {
        writer_.Polygon(points.data(), points.size());
        return;
    }
    if (points.empty())
        return;
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](const Point& a, const Point& b) { return a.Y < b.Y; });
    Skipped(std::int64_t{low->Y} - penWidth_ - 1, std::int64_t{high->Y} + penWidth_ + 1);
}

// Text is never drawn here. Its cell is at most three times its size high, with room for the
// font's leading; a pixel size is given as a negative one.
void BandCanvas::Text(std::int32_t, std::int32_t y, std::string_view, std::string_view,
                      std::int32_t fontSize, std::int32_t, std::int32_t)
{
    const std::int64_t size = std::llabs(std::int64_t{fontSize});
    Skipped(std::int64_t{y} - 2, std::int64_t{y} + 3 * (size == 0 ? 12 : size) + 8);
}

} // namespace vek
