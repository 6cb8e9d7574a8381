#pragma once

#include "draw/canvas.h"
#include "draw/pixel_writer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vek {

// A canvas that paints one band of rows of a 32-bit picture, writing the pixels itself: the
// lower part of a picture drawn on a second thread while QPainter paints the upper one. It
// draws what the screen's canvas writes straight into the pixels, pixel for pixel; what that
// canvas leaves to QPainter (text, one-pixel ellipse outlines, wide rectangle outlines and
// polygon outlines) it cannot draw: when such a shape may reach into the band, the band is
// missed and must be painted again by the screen's canvas.
class BandCanvas : public Canvas
{
public:
    BandCanvas(Pixel* pixels, std::ptrdiff_t stride, std::int32_t width, std::int32_t height,
               const HatchRows& hatch, std::int32_t firstRow, std::int32_t lastRow);

    // True when a shape it could not draw may reach into the band.
    bool Missed() const { return missed_; }

    std::int32_t Width() const override { return writer_.Width(); }
    std::int32_t Height() const override { return writer_.Height(); }

    void SetPen(std::int32_t color, std::int32_t width) override;
    void SetBrush(std::int32_t color, BrushStyle style) override;
    void Line(Point from, Point to) override;
    void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom) override;
    void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom) override;
    void Polygon(const std::vector<Point>& points) override;
    void Text(std::int32_t x, std::int32_t y, std::string_view text, std::string_view fontName,
              std::int32_t fontSize, std::int32_t color, std::int32_t background) override;

private:
    // A shape left undrawn that may cover rows top..bottom.
    void Skipped(std::int64_t top, std::int64_t bottom);

    PixelWriter writer_;
    std::int32_t firstRow_, lastRow_;
    std::int32_t penWidth_ = 1;
    bool missed_ = false;
};

} // namespace vek
