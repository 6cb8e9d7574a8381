#pragma once

#include "draw/canvas.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vek {

// A 32-bit pixel, 0xAARRGGBB as Qt's RGB32 images hold it.
using Pixel = std::uint32_t;

// The opaque pixel of a 0x00BBGGRR colour.
constexpr Pixel OpaquePixel(std::int32_t color)
{
    const auto c = static_cast<Pixel>(color);
    return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
}

// A rectangle's corners, cut to just beyond the picture (further than the pen reaches), where
// what is drawn stays the same.
struct CutBox
{
    std::int32_t Left, Top, Right, Bottom;
};
CutBox CutRectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                    std::int32_t penWidth, std::int32_t width, std::int32_t height);

// The diagonal cross hatch: bit x of entry y set where it covers pixel (x, y), repeated every
// eight pixels both ways from the picture's origin.
using HatchRows = std::array<std::uint8_t, 8>;

// Cuts the segment down to its part within [minX, maxX] x [minY, maxY]; false when none of it
// lies there.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double minX, double minY,
                 double maxX, double maxY);

// The pixels x of row y whose centres lie inside the ellipse of centre (cx, cy) and half axes
// rx, ry: first..last, or false when the row misses the ellipse.
bool EllipseRow(double cx, double cy, double rx, double ry, std::int64_t y, std::int64_t& first,
                std::int64_t& last);

// Rows Top..Bottom of an ellipse filling a box, pixels Left..Right, relative to its corner.
struct EllipseSpan
{
    std::int32_t Left, Right, Top, Bottom;
};

// The spans of the ellipse filling a box of the size, rows of the same pixels joined.
void EllipseSpans(std::int32_t width, std::int32_t height, std::vector<EllipseSpan>& spans);

// Ellipses up to this size keep the spans of their size for the next one.
constexpr std::int64_t MaxCachedEllipse = 256;

// Writes shapes straight into the pixels of a picture, as QPainter draws them without
// antialiasing: lines of any width (square ends), ellipses without outline or with a wide one,
// boxes and polygons with no or a one-pixel outline, in a solid or hatched brush. The pixels
// written are those whose centres lie inside the shape, QPainter's own rule.
//
// A writer may be held to a band of the picture's rows: it then writes the pixels of that band
// only, exactly those it would write there in the whole picture, so bands drawn apart (on
// different threads) make up the same picture.
class PixelWriter
{
public:
    PixelWriter() = default;
    PixelWriter(Pixel* pixels, std::ptrdiff_t stride, std::int32_t width, std::int32_t height,
                const HatchRows& hatch);

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }

    // Writes rows first..last only (cut to the picture); the whole picture at the start.
    void SetBand(std::int64_t first, std::int64_t last);

    void SetPen(Pixel pixel, std::int32_t width);
    void SetBrush(Pixel pixel, BrushStyle style);

    // A line of the pen; none without a pen.
    void Line(Point from, Point to);
    // The ellipse filling the box of corner (left, top) and the size: filled with the brush
    // when there is no pen, or outlined with a pen two or more pixels wide.
    void Ellipse(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);
    // A rectangle of no or a one-pixel pen, corners already cut to near the picture: without a
    // pen the brush fills columns left..right - 1 and rows top..bottom - 1; a one-pixel pen
    // outlines columns left..right and rows top..bottom, and the brush fills the inside.
    void Box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    // A polygon filled by the odd-even rule, outlined when the pen is one pixel wide.
    void Polygon(const Point* points, std::size_t count);

private:
    // Pixels x0..x1 of row y in the colour, every pixel or those of the hatch; clipped.
    void FillRow(std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel color, bool hatched);
    void BrushRow(std::int64_t y, std::int64_t x0, std::int64_t x1);
    // Columns left..right of rows top..bottom, all within the band and the picture.
    void FillBox(std::int64_t left, std::int64_t right, std::int64_t top, std::int64_t bottom,
                 Pixel color);
    // A one-pixel line with both ends, clipped to the picture.
    void ThinLine(Point from, Point to);
    // A line of the pen's width (two pixels or more) with square ends, as QPainter strokes
    // it: the pixels whose centres lie in the rectangle around the segment, half the width on
    // each side and beyond each end. Clipped to the picture.
    void WideLine(Point from, Point to);
    // A bound of the pixels of a row, x = Start + Step * (rows from the first).
    struct RowBound
    {
        double Start, Step;
    };
    // Rows firstRow..lastRow of the picture, each from the greater of the low bounds to the
    // smaller of the high ones; the step of high[k] must be that of low[k].
    void FillBounds(std::int64_t firstRow, std::int64_t lastRow, const std::array<RowBound, 2>& low,
                    const std::array<RowBound, 2>& high);
    void FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);
    // An ellipse outlined with a pen wider than one pixel: the pen covers half its width on
    // each side of the box's ellipse, the brush fills the rest.
    void WideOutlinedEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                             std::int64_t height);
    void FillPolygon(const Point* points, std::size_t count);
    bool FillMonotonePolygon(const Point* points, std::size_t count);
    void FillAnyPolygon(const Point* points, std::size_t count);
    void FillBetween(std::int64_t y, double from, double to);

    Pixel* pixels_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    std::int32_t width_ = 0, height_ = 0;
    // The rows written.
    std::int64_t firstRow_ = 0, lastRow_ = -1;
    HatchRows hatch_{};

    std::int32_t penWidth_ = 1;
    Pixel penPixel_ = 0xFF000000;
    Pixel brushPixel_ = 0xFF000000;
    BrushStyle brushStyle_ = BrushStyle::Clear;

    // The spans of the last ellipse size filled without outline.
    std::int32_t spanWidth_ = -1, spanHeight_ = -1;
    std::vector<EllipseSpan> spans_;
    // The edges of the polygon being filled, x = X0 + Slope * y over Top <= y < Bottom, and
    // where they cross the row being filled.
    struct PolygonEdge
    {
        double Top, Bottom, X0, Slope;
    };
    std::vector<PolygonEdge> edges_;
    std::vector<double> crossings_;
};

} // namespace vek
