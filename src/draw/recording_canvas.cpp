#include "draw/recording_canvas.h"

#include <string>

namespace vek {
namespace {

const char* StyleName(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Solid:
        return "solid";
    case BrushStyle::Clear:
        return "clear";
    case BrushStyle::DiagonalCross:
        return "diagcross";
    }
    return "solid";
}

// "name v1 v2 ...".
template <class... Values> std::string Record(const char* name, Values... values)
{
    std::string line = name;
    ((line += ' ', line += std::to_string(values)), ...);
    return line;
}

} // namespace

void RecordingCanvas::SetPen(std::int32_t color, std::int32_t width)
{
    Operations.push_back(Record("pen", color, width));
}

void RecordingCanvas::SetBrush(std::int32_t color, BrushStyle style)
{
    std::string line = Record("brush", color);
    line += ' ';
    line += StyleName(style);
    Operations.push_back(std::move(line));
}

void RecordingCanvas::Line(Point from, Point to)
{
    Operations.push_back(Record("line", from.X, from.Y, to.X, to.Y));
}

void RecordingCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom)
{
    Operations.push_back(Record("ellipse", left, top, right, bottom));
}

void RecordingCanvas::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom)
{
    Operations.push_back(Record("rectangle", left, top, right, bottom));
}

void RecordingCanvas::Polygon(const std::vector<Point>& points)
{
    std::string line = "polygon";
    for (const Point& p : points) {
        line += ' ';
        line += std::to_string(p.X);
        line += ' ';
        line += std::to_string(p.Y);
    }
    Operations.push_back(std::move(line));
}

void RecordingCanvas::Text(std::int32_t x, std::int32_t y, std::string_view text,
                           std::string_view fontName, std::int32_t fontSize, std::int32_t color,
                           std::int32_t background)
{
    std::string line = Record("text", x, y);
    line += ' ';
    line += fontName;
    line += ' ';
    line += std::to_string(fontSize);
    line += ' ';
    line += std::to_string(color);
    line += ' ';
    line += std::to_string(background);
    line += ' ';
    line += text;
    Operations.push_back(std::move(line));
}

} // namespace vek
