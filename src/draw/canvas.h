#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vek {

// A pixel position: origin at the top-left corner, y growing downwards.
struct Point
{
    std::int32_t X = 0, Y = 0;
    bool operator==(const Point&) const = default;
};

enum class BrushStyle { Solid, Clear, DiagonalCross };

// The drawing surface of the model view and the section pictures. Colours are 0x00BBGGRR.
// Ellipses and rectangles are given by the corners of their bounding box, the right and
// bottom edges excluded. The screen draws with QPainter into a persistent image; the tests
// record the operations.
class Canvas
{
public:
    virtual ~Canvas() = default;

    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;

    // A solid pen of the colour and width; width 0 draws no outline.
    virtual void SetPen(std::int32_t color, std::int32_t width) = 0;
    virtual void SetBrush(std::int32_t color, BrushStyle style) = 0;

    virtual void Line(Point from, Point to) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) = 0;
    virtual void Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom) = 0;
    virtual void Polygon(const std::vector<Point>& points) = 0;

    // Text with its top-left corner at (x, y), in the font and colour given. With a
    // background colour (not negative) the text cell is filled with it; with -1 the text is
    // drawn on what is there.
    virtual void Text(std::int32_t x, std::int32_t y, std::string_view text,
                      std::string_view fontName, std::int32_t fontSize, std::int32_t color,
                      std::int32_t background) = 0;
};

// Transparent text background for Canvas::Text.
constexpr std::int32_t NoBackground = -1;

} // namespace vek
