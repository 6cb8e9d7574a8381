#pragma once

#include "draw/canvas.h"

#include <string>
#include <vector>

namespace vek {

// A canvas that records every operation as a line of text, for tests and benchmarks:
// "pen 255 2", "brush 16711680 solid", "line 1 2 3 4", "ellipse 0 0 8 8",
// "rectangle 0 0 10 10", "polygon 1 2 3 4 5 6", "text 8 5 Comic Sans MS 14 0 -1 VEK Program".
class RecordingCanvas : public Canvas
{
public:
    RecordingCanvas(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}

    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }

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

    std::vector<std::string> Operations;

private:
    std::int32_t width_, height_;
};

} // namespace vek
