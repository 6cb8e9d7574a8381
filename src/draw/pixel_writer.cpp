#include "draw/pixel_writer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vek {

namespace {

// The vertex after and before k of a polygon of n vertices; no division, which would cost
// more than the rest of a small polygon's walk.
std::size_t NextVertex(std::size_t k, std::size_t n)
{
    return k + 1 == n ? 0 : k + 1;
}
std::size_t PreviousVertex(std::size_t k, std::size_t n)
{
    return k == 0 ? n - 1 : k - 1;
}

// The smallest integer not below v, for the pixel positions of the fills: inline, where
// std::ceil is a library call on the baseline x86-64. Values beyond +-2^62 are held there.
std::int64_t CeilToInt(double v)
{
    constexpr double limit = 4611686018427387904.0;
    v = std::clamp(v, -limit, limit);
    const auto whole = static_cast<std::int64_t>(v);
    return whole + static_cast<std::int64_t>(static_cast<double>(whole) < v);
}

// The largest integer not above v, held within +-2^62 as CeilToInt is.
std::int64_t FloorToInt(double v)
{
    return -CeilToInt(-v);
}

} // namespace

// Liang-Barsky.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, double minX, double minY,
                 double maxX, double maxY)
{
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - minX, maxX - x0, y0 - minY, maxY - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double sx = x0, sy = y0;
    x0 = sx + t0 * dx;
    y0 = sy + t0 * dy;
    x1 = sx + t1 * dx;
    y1 = sy + t1 * dy;
    return true;
}

CutBox CutRectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                    std::int32_t penWidth, std::int32_t width, std::int32_t height)
{
    const std::int64_t margin = std::max(penWidth, 0) + 2;
    const auto cut = [margin](std::int64_t v, std::int64_t size) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -margin, size + margin));
    };
    return {cut(left, width), cut(top, height), cut(right, width), cut(bottom, height)};
}

bool EllipseRow(double cx, double cy, double rx, double ry, std::int64_t y, std::int64_t& first,
                std::int64_t& last)
{
    if (rx <= 0 || ry <= 0)
        return false;
    const double dy = (static_cast<double>(y) + 0.5 - cy) / ry;
    if (dy < -1 || dy > 1)
        return false;
    const double half = rx * std::sqrt(1 - dy * dy);
    first = static_cast<std::int64_t>(std::ceil(cx - half - 0.5));
    last = static_cast<std::int64_t>(std::floor(cx + half - 0.5));
    return first <= last;
}

void EllipseSpans(std::int32_t width, std::int32_t height, std::vector<EllipseSpan>& spans)
{
    spans.clear();
    const double rx = width / 2.0, ry = height / 2.0;
    for (std::int32_t row = 0; row < height; ++row) {
        std::int64_t first = 0, last = 0;
        if (!EllipseRow(rx, ry, rx, ry, row, first, last))
            continue;
        const auto x0 = static_cast<std::int32_t>(first), x1 = static_cast<std::int32_t>(last);
        if (!spans.empty() && spans.back().Left == x0 && spans.back().Right == x1 &&
            spans.back().Bottom == row - 1)
            spans.back().Bottom = row;
        else
            spans.push_back({x0, x1, row, row});
    }
}

PixelWriter::PixelWriter(Pixel* pixels, std::ptrdiff_t stride, std::int32_t width,
                         std::int32_t height, const HatchRows& hatch)
    : pixels_(pixels), stride_(stride), width_(std::max(width, 0)), height_(std::max(height, 0)),
      firstRow_(0), lastRow_(std::int64_t{height_} - 1), hatch_(hatch)
{
}

void PixelWriter::SetBand(std::int64_t first, std::int64_t last)
{
    firstRow_ = std::max<std::int64_t>(first, 0);
    lastRow_ = std::min<std::int64_t>(last, std::int64_t{height_} - 1);
}

void PixelWriter::SetPen(Pixel pixel, std::int32_t width)
{
    penPixel_ = pixel;
    penWidth_ = std::max(width, 0);
}

void PixelWriter::SetBrush(Pixel pixel, BrushStyle style)
{
    brushPixel_ = pixel;
    brushStyle_ = style;
}

void PixelWriter::FillRow(std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel color,
                          bool hatched)
{
    if (y < firstRow_ || y > lastRow_)
        return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, width_ - 1);
    if (x0 > x1)
        return;
    Pixel* row = pixels_ + y * stride_;
    if (!hatched) {
        std::fill(row + x0, row + x1 + 1, color);
        return;
    }
    // Only the hatch's own pixels, a few in every eight, each column of the pattern in steps
    // of eight.
    for (unsigned bits = hatch_[static_cast<std::size_t>(y & 7)]; bits != 0; bits &= bits - 1) {
        const auto column = static_cast<std::int64_t>(std::countr_zero(bits));
        for (std::int64_t x = x0 + ((column - x0) & 7); x <= x1; x += 8)
            row[x] = color;
    }
}

void PixelWriter::BrushRow(std::int64_t y, std::int64_t x0, std::int64_t x1)
{
    if (brushStyle_ != BrushStyle::Clear)
        FillRow(y, x0, x1, brushPixel_, brushStyle_ == BrushStyle::DiagonalCross);
}

void PixelWriter::FillBox(std::int64_t left, std::int64_t right, std::int64_t top,
                          std::int64_t bottom, Pixel color)
{
    const std::ptrdiff_t stride = stride_;
    Pixel* row = pixels_ + top * stride + left;
    Pixel* const end = pixels_ + (bottom + 1) * stride + left;
    // The columns of a building: two or three pixels wide, a store each, no loop per row.
    switch (right - left) {
    case 0:
        for (; row < end; row += stride)
            row[0] = color;
        return;
    case 1:
        for (; row < end; row += stride)
            row[0] = row[1] = color;
        return;
    case 2:
        for (; row < end; row += stride)
            row[0] = row[1] = row[2] = color;
        return;
    default:
        for (; row < end; row += stride)
            std::fill(row, row + (right - left + 1), color);
    }
}

void PixelWriter::Line(Point from, Point to)
{
    if (penWidth_ == 1)
        ThinLine(from, to);
    else if (penWidth_ >= 2)
        WideLine(from, to);
}

void PixelWriter::ThinLine(Point from, Point to)
{
    if (width_ <= 0 || firstRow_ > lastRow_)
        return;
    std::int64_t x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
    const std::int64_t maxX = width_ - 1, maxY = height_ - 1;
    if (x0 < 0 || x0 > maxX || y0 < 0 || y0 > maxY || x1 < 0 || x1 > maxX || y1 < 0 || y1 > maxY) {
        // The part of the segment over the pixel centres of the picture: its rounded ends lie
        // in the picture, and so does every pixel between them.
        double cx0 = static_cast<double>(x0), cy0 = static_cast<double>(y0);
        double cx1 = static_cast<double>(x1), cy1 = static_cast<double>(y1);
        if (!ClipSegment(cx0, cy0, cx1, cy1, 0, 0, static_cast<double>(maxX),
                         static_cast<double>(maxY)))
            return;
        const auto clip = [](double v, std::int64_t max) {
            return std::clamp<std::int64_t>(std::llround(v), 0, max);
        };
        x0 = clip(cx0, maxX);
        y0 = clip(cy0, maxY);
        x1 = clip(cx1, maxX);
        y1 = clip(cy1, maxY);
    }
    const std::int64_t top = std::min(y0, y1), bottom = std::max(y0, y1);
    if (bottom < firstRow_ || top > lastRow_)
        return;
    // Bresenham along the longer axis, both ends included; a line reaching out of the band
    // walks all its pixels and writes those in the band.
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const std::int64_t ax = std::llabs(dx), ay = std::llabs(dy);
    const std::ptrdiff_t stepX = dx < 0 ? -1 : 1, stepY = dy < 0 ? -stride_ : stride_;
    const std::int64_t signY = dy < 0 ? -1 : 1;
    const std::int64_t major = std::max(ax, ay), minor = std::min(ax, ay);
    const std::ptrdiff_t majorStep = ax >= ay ? stepX : stepY, minorStep = ax >= ay ? stepY : stepX;
    const std::int64_t majorRise = ax >= ay ? 0 : signY, minorRise = ax >= ay ? signY : 0;
    const bool inBand = top >= firstRow_ && bottom <= lastRow_;
    Pixel* pixel = pixels_ + y0 * stride_ + x0;
    std::int64_t y = y0;
    std::int64_t error = 2 * minor - major;
    for (std::int64_t i = 0;; ++i) {
        if (inBand || (y >= firstRow_ && y <= lastRow_))
            *pixel = penPixel_;
        if (i == major)
            break;
        if (error > 0) {
            pixel += minorStep;
            y += minorRise;
            error -= 2 * major;
        }
        error += 2 * minor;
        pixel += majorStep;
        y += majorRise;
    }
}

void PixelWriter::WideLine(Point from, Point to)
{
    const double half = penWidth_ / 2.0;
    double x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
    // No pixel of the line lies more than the pen's width above or below its ends.
    if (std::max(y0, y1) + penWidth_ < static_cast<double>(firstRow_) ||
        std::min(y0, y1) - penWidth_ > static_cast<double>(lastRow_))
        return;
    // Ends far off the picture are brought in to just outside it, beyond the pen's reach.
    const double margin = half + 2;
    const double minX = -margin, minY = -margin, maxX = width_ + margin, maxY = height_ + margin;
    const auto near = [&](double x, double y) {
        return x >= minX && x <= maxX && y >= minY && y <= maxY;
    };
    if (!(near(x0, y0) && near(x1, y1)) && !ClipSegment(x0, y0, x1, y1, minX, minY, maxX, maxY))
        return;
    const double dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 || dy == 0) {
        // Upright (every column of a building, in any view) or level: a box, the centres
        // (low, high] of both ways in it.
        const auto from = [half](double a, double b) {
            return FloorToInt(std::min(a, b) - half + 0.5);
        };
        const auto to = [half](double a, double b) {
            return FloorToInt(std::max(a, b) + half - 0.5);
        };
        const std::int64_t left = std::max<std::int64_t>(from(x0, x1), 0);
        const std::int64_t right = std::min<std::int64_t>(to(x0, x1), width_ - 1);
        const std::int64_t lastRow = std::min<std::int64_t>(to(y0, y1), lastRow_);
        if (left > right)
            return;
        FillBox(left, right, std::max<std::int64_t>(from(y0, y1), firstRow_), lastRow, penPixel_);
        return;
    }
    const double length = std::sqrt(dx * dx + dy * dy);

    // A pixel centre lies in the rectangle when its distance across the segment is at most
    // `half` and its distance along it, from the first end, between -half and length + half.
    // Over the centre line of a row each gives a range of x, both ends of it linear in the
    // row: x = start + step * (rows from the first).
    // The rows whose centres lie within the rectangle's height, the centre on its upper edge
    // out and on its lower edge in, as QPainter has it. A slanting rectangle reaches less
    // than half the width times the square root of 2 beyond its ends; the rows it does not
    // reach come out empty. The rows are counted from the picture's first, whatever the band,
    // so that every band walks them alike.
    const double reachY = half * 1.4142135623730951;
    const std::int64_t firstRow =
        std::max<std::int64_t>(FloorToInt(std::min(y0, y1) - reachY - 0.5) + 1, 0);
    const std::int64_t lastRow =
        std::min<std::int64_t>(FloorToInt(std::max(y0, y1) + reachY - 0.5), height_ - 1);
    if (firstRow > lastRow)
        return;
    const double rise = static_cast<double>(firstRow) + 0.5 - y0;
    // Two divisions, started before the square root is done.
    const double perDy = 1 / dy, perDx = 1 / dx;
    // Across: |dy (x - x0) - dx (y - y0)| <= half * length.
    const double acrossSlope = dx * perDy, reach = std::fabs(half * length * perDy);
    const RowBound acrossLow{x0 + rise * acrossSlope - reach, acrossSlope};
    const RowBound acrossHigh{x0 + rise * acrossSlope + reach, acrossSlope};
    // Along: -half * length <= dx (x - x0) + dy (y - y0) <= (length + half) * length.
    const double alongSlope = -dy * perDx;
    const double back = -half * length * perDx, ahead = (length + half) * length * perDx;
    const RowBound alongLow{x0 + rise * alongSlope + std::min(back, ahead), alongSlope};
    const RowBound alongHigh{x0 + rise * alongSlope + std::max(back, ahead), alongSlope};
    FillBounds(firstRow, lastRow, {acrossLow, alongLow}, {acrossHigh, alongHigh});
}

void PixelWriter::FillBounds(std::int64_t firstRow, std::int64_t lastRow,
                             const std::array<RowBound, 2>& low,
                             const std::array<RowBound, 2>& high)
{
    // The rows of the band; the bounds still count from firstRow.
    const std::int64_t bandFirst = std::max(firstRow, firstRow_);
    const std::int64_t bandLast = std::min(lastRow, lastRow_);
    if (bandFirst > bandLast)
        return;
    // Copies, so the compiler need not fear that a pixel written is one of these.
    const std::int64_t lastColumn = width_ - 1;
    const Pixel pixel = penPixel_;
    const std::ptrdiff_t stride = stride_;
    const auto fill = [lastColumn, pixel](Pixel* row, std::int64_t first, std::int64_t last) {
        for (std::int64_t x = std::max<std::int64_t>(first, 0),
                          end = std::min<std::int64_t>(last, lastColumn);
             x <= end; ++x)
            row[x] = pixel;
    };
    // The centres c of a row with low < c <= high are the pixels x with x + 0.5 in
    // (low, high]: from floor(low + 0.5) to floor(high - 0.5).
    const double rows = static_cast<double>(lastRow - firstRow);
    const auto fits = [rows](const RowBound& b) {
        return std::fabs(b.Start) + std::fabs(b.Step) * rows < 1e9;
    };
    if (!(fits(low[0]) && fits(low[1]) && fits(high[0]) && fits(high[1]))) {
        // A segment all but level or upright after clipping: row by row in doubles.
        Pixel* row = pixels_ + bandFirst * stride;
        for (std::int64_t y = bandFirst; y <= bandLast; ++y, row += stride) {
            const auto k = static_cast<double>(y - firstRow);
            const double from =
                std::max(low[0].Start + k * low[0].Step, low[1].Start + k * low[1].Step);
            const double to =
                std::min(high[0].Start + k * high[0].Step, high[1].Start + k * high[1].Step);
            fill(row, FloorToInt(from + 0.5), FloorToInt(to - 0.5));
        }
        return;
    }
    // Otherwise in fixed point, 32 bits of fraction: whole additions, and the pixel numbers
    // come out of a shift. Every value stays below 2^30 pixels, 2^62 in fixed point. The high
    // bounds step as their low ones do (the sides of the band are parallel): each keeps its
    // distance, one sum a bound and row. A band starting further down takes its rows' steps
    // at once, which adds up to the same values.
    constexpr double unit = 4294967296.0;
    const auto fixed = [](double v) { return static_cast<std::int64_t>(v * unit); };
    constexpr std::int64_t halfPixel = std::int64_t(1) << 31;
    std::int64_t lowA = fixed(low[0].Start) + halfPixel;
    std::int64_t lowB = fixed(low[1].Start) + halfPixel;
    const std::int64_t spanA = fixed(high[0].Start) - halfPixel - lowA;
    const std::int64_t spanB = fixed(high[1].Start) - halfPixel - lowB;
    const std::int64_t stepA = fixed(low[0].Step), stepB = fixed(low[1].Step);
    lowA += (bandFirst - firstRow) * stepA;
    lowB += (bandFirst - firstRow) * stepB;
    Pixel* row = pixels_ + bandFirst * stride;
    for (std::int64_t y = bandFirst; y <= bandLast; ++y, row += stride) {
        fill(row, std::max(lowA, lowB) >> 32, std::min(lowA + spanA, lowB + spanB) >> 32);
        lowA += stepA;
        lowB += stepB;
    }
}

void PixelWriter::Ellipse(std::int64_t left, std::int64_t top, std::int64_t width,
                          std::int64_t height)
{
    if (penWidth_ == 0)
        FillEllipse(left, top, width, height);
    else if (penWidth_ >= 2)
        WideOutlinedEllipse(left, top, width, height);
}

void PixelWriter::FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                              std::int64_t height)
{
    if (width <= 0 || height <= 0 || brushStyle_ == BrushStyle::Clear)
        return;
    if (left + width <= 0 || left >= width_ || top + height <= firstRow_ || top > lastRow_)
        return;
    if (width > MaxCachedEllipse || height > MaxCachedEllipse) {
        // A big one, row by row over the band only.
        const double rx = width / 2.0, ry = height / 2.0;
        const std::int64_t firstRow = std::max<std::int64_t>(top, firstRow_);
        const std::int64_t lastRow = std::min<std::int64_t>(top + height - 1, lastRow_);
        for (std::int64_t y = firstRow; y <= lastRow; ++y) {
            std::int64_t first = 0, last = 0;
            if (EllipseRow(rx, ry, rx, ry, y - top, first, last))
                BrushRow(y, left + first, left + last);
        }
        return;
    }
    // The many small ones of a picture share a size: their rows are worked out once.
    if (width != spanWidth_ || height != spanHeight_) {
        spanWidth_ = static_cast<std::int32_t>(width);
        spanHeight_ = static_cast<std::int32_t>(height);
        EllipseSpans(spanWidth_, spanHeight_, spans_);
    }
    if (brushStyle_ == BrushStyle::Solid && left >= 0 && left + width <= width_ &&
        top >= firstRow_ && top + height - 1 <= lastRow_) {
        // Wholly in the band, as nearly all the nodes of a model are: the spans need no
        // cutting.
        for (const EllipseSpan& span : spans_)
            FillBox(left + span.Left, left + span.Right, top + span.Top, top + span.Bottom,
                    brushPixel_);
        return;
    }
    for (const EllipseSpan& span : spans_)
        for (std::int64_t row = span.Top; row <= span.Bottom; ++row)
            BrushRow(top + row, left + span.Left, left + span.Right);
}

void PixelWriter::WideOutlinedEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                                      std::int64_t height)
{
    if (width < 0 || height < 0)
        return;
    const double half = penWidth_ / 2.0;
    const double cx = left + width / 2.0, cy = top + height / 2.0;
    const double outerX = width / 2.0 + half, outerY = height / 2.0 + half;
    const double innerX = width / 2.0 - half, innerY = height / 2.0 - half;
    const auto firstRow = static_cast<std::int64_t>(
        std::max(static_cast<double>(firstRow_), std::floor(cy - outerY) - 1));
    const auto lastRow = static_cast<std::int64_t>(
        std::min(static_cast<double>(lastRow_), std::ceil(cy + outerY) + 1));
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        std::int64_t o0 = 0, o1 = 0, i0 = 0, i1 = 0;
        if (!EllipseRow(cx, cy, outerX, outerY, y, o0, o1))
            continue;
        if (!EllipseRow(cx, cy, innerX, innerY, y, i0, i1)) {
            FillRow(y, o0, o1, penPixel_, false);
            continue;
        }
        FillRow(y, o0, i0 - 1, penPixel_, false);
        BrushRow(y, i0, i1);
        FillRow(y, i1 + 1, o1, penPixel_, false);
    }
}

void PixelWriter::Box(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    const std::int64_t inset = std::min(penWidth_, 1);
    const std::int64_t firstRow = std::max<std::int64_t>(top + inset, firstRow_);
    const std::int64_t lastRow = std::min<std::int64_t>(bottom - 1, lastRow_);
    for (std::int64_t y = firstRow; y <= lastRow; ++y)
        BrushRow(y, left + inset, right - 1);
    if (inset == 0)
        return;
    FillRow(top, left, right, penPixel_, false);
    FillRow(bottom, left, right, penPixel_, false);
    for (std::int64_t y = std::max<std::int64_t>(top + 1, firstRow_); y <= lastRow; ++y) {
        FillRow(y, left, left, penPixel_, false);
        FillRow(y, right, right, penPixel_, false);
    }
}

void PixelWriter::Polygon(const Point* points, std::size_t count)
{
    FillPolygon(points, count);
    if (penWidth_ == 1)
        for (std::size_t k = 0; k < count; ++k)
            ThinLine(points[k], points[NextVertex(k, count)]);
}

// The pixels whose centres lie inside the polygon by the odd-even rule, QPainter's default.
void PixelWriter::FillPolygon(const Point* points, std::size_t count)
{
    if (count < 3 || brushStyle_ == BrushStyle::Clear)
        return;
    if (!FillMonotonePolygon(points, count))
        FillAnyPolygon(points, count);
}

// Fills the span of row y between two crossings of its centre line: the pixels whose centres
// x + 0.5 lie in [from, to).
void PixelWriter::FillBetween(std::int64_t y, double from, double to)
{
    if (from > to)
        std::swap(from, to);
    const std::int64_t first = CeilToInt(from - 0.5);
    const std::int64_t last = CeilToInt(to - 0.5) - 1;
    if (last < 0 || first >= width_ || first > last)
        return;
    BrushRow(y, std::max<std::int64_t>(first, 0), std::min<std::int64_t>(last, width_ - 1));
}

// A polygon that every row crosses at most twice (every convex one): its two chains from the
// top vertex down to the bottom one are walked together, row by row. False, with nothing
// drawn, for any other polygon.
bool PixelWriter::FillMonotonePolygon(const Point* points, std::size_t n)
{
    std::size_t top = 0, bottom = 0;
    for (std::size_t k = 1; k < n; ++k) {
        if (points[k].Y < points[top].Y)
            top = k;
        if (points[k].Y > points[bottom].Y)
            bottom = k;
    }
    // y must not fall going forwards from the top to the bottom, nor rise from there on.
    for (std::size_t k = top; k != bottom; k = NextVertex(k, n))
        if (points[NextVertex(k, n)].Y < points[k].Y)
            return false;
    for (std::size_t k = bottom; k != top; k = NextVertex(k, n))
        if (points[NextVertex(k, n)].Y > points[k].Y)
            return false;

    // Rows whose centres y + 0.5 lie in [top, bottom): the vertices are whole pixels.
    const std::int64_t firstRow = std::max<std::int64_t>(points[top].Y, firstRow_);
    const std::int64_t lastRow = std::min<std::int64_t>(points[bottom].Y - 1LL, lastRow_);
    // Each chain's current edge runs from vertex a to vertex b, forwards and backwards; x on
    // it is x0 + slope * y. The chains are followed down to the first row of the band.
    struct Chain
    {
        std::size_t A, B;
        double X0 = 0, Slope = 0;
    };
    const auto follow = [&](Chain& chain) {
        const Point& a = points[chain.A];
        const Point& b = points[chain.B];
        chain.Slope =
            b.Y == a.Y ? 0 : (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y);
        chain.X0 = a.X - a.Y * chain.Slope;
    };
    Chain forwards{top, NextVertex(top, n)}, backwards{top, PreviousVertex(top, n)};
    follow(forwards);
    follow(backwards);
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        const double centre = static_cast<double>(y) + 0.5;
        if (points[forwards.B].Y <= centre && forwards.B != bottom) {
            do {
                forwards.A = forwards.B;
                forwards.B = NextVertex(forwards.B, n);
            } while (points[forwards.B].Y <= centre && forwards.B != bottom);
            follow(forwards);
        }
        if (points[backwards.B].Y <= centre && backwards.B != bottom) {
            do {
                backwards.A = backwards.B;
                backwards.B = PreviousVertex(backwards.B, n);
            } while (points[backwards.B].Y <= centre && backwards.B != bottom);
            follow(backwards);
        }
        FillBetween(y, forwards.X0 + forwards.Slope * centre,
                    backwards.X0 + backwards.Slope * centre);
    }
    return true;
}

void PixelWriter::FillAnyPolygon(const Point* points, std::size_t count)
{
    // The edges that are not level, each over the rows top <= y + 0.5 < bottom.
    edges_.clear();
    double top = points[0].Y, bottom = points[0].Y;
    for (std::size_t k = 0; k < count; ++k) {
        const Point& a = points[k];
        const Point& b = points[NextVertex(k, count)];
        top = std::min<double>(top, a.Y);
        bottom = std::max<double>(bottom, a.Y);
        if (a.Y == b.Y)
            continue;
        const double slope = (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y);
        edges_.push_back(
            {std::min<double>(a.Y, b.Y), std::max<double>(a.Y, b.Y), a.X - a.Y * slope, slope});
    }
    const auto firstRow =
        static_cast<std::int64_t>(std::max(std::ceil(top - 0.5), static_cast<double>(firstRow_)));
    const auto lastRow = static_cast<std::int64_t>(
        std::min(std::ceil(bottom - 0.5) - 1, static_cast<double>(lastRow_)));
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        const double centre = static_cast<double>(y) + 0.5;
        crossings_.clear();
        for (const PolygonEdge& edge : edges_)
            if (edge.Top <= centre && centre < edge.Bottom)
                crossings_.push_back(edge.X0 + centre * edge.Slope);
        std::sort(crossings_.begin(), crossings_.end());
        for (std::size_t k = 0; k + 1 < crossings_.size(); k += 2)
            FillBetween(y, crossings_[k], crossings_[k + 1]);
    }
}

} // namespace vek
