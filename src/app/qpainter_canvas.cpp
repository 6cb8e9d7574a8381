#include "app/qpainter_canvas.h"

#include <QImage>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace vek {

namespace {

// Labels come from the model's files: UTF-8 when they are valid UTF-8, else 8-bit text.
QString DecodeText(std::string_view text)
{
    const auto size = static_cast<qsizetype>(text.size());
    QString decoded = QString::fromUtf8(text.data(), size);
    if (decoded.contains(QChar::ReplacementCharacter))
        decoded = QString::fromLatin1(text.data(), size);
    return decoded;
}

QBrush CanvasBrush(std::int32_t color, BrushStyle style)
{
    switch (style) {
    case BrushStyle::Solid:
        return QBrush(ToQColor(color), Qt::SolidPattern);
    case BrushStyle::DiagonalCross:
        // Painted in the transparent background mode, so what lies between the hatch lines
        // stays as it is.
        return QBrush(ToQColor(color), Qt::DiagCrossPattern);
    case BrushStyle::Clear:
        break;
    }
    return QBrush(Qt::NoBrush);
}

QRgb OpaquePixel(std::int32_t color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// QPainter's diagonal cross hatch, 8 x 8 pixels from the device's origin: bit x of row y is
// set where the hatch covers pixel (x, y). Taken from QPainter itself, once.
const std::array<std::uint8_t, 8>& DiagonalCrossRows()
{
    static const std::array<std::uint8_t, 8> rows = [] {
        QImage cell(8, 8, QImage::Format_RGB32);
        cell.fill(Qt::white);
        {
            QPainter painter(&cell);
            painter.fillRect(QRect(0, 0, 8, 8), QBrush(Qt::black, Qt::DiagCrossPattern));
        }
        std::array<std::uint8_t, 8> bits{};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (cell.pixel(x, y) != qRgb(255, 255, 255))
                    bits[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(1u << x);
        return bits;
    }();
    return rows;
}

// The pixels of 32-bit images, detached before a painter shares them; null for other formats.
QRgb* WritablePixels(QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return image.isNull() ? nullptr : reinterpret_cast<QRgb*>(image.bits());
    default:
        return nullptr;
    }
}

// The pixels x of row y whose centres lie inside the ellipse of centre (cx, cy) and half
// axes rx, ry: first..last, or false when the row misses the ellipse.
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

// Liang-Barsky: cuts the segment down to its part within [minX, maxX] x [minY, maxY]; false
// when none of it lies there.
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

} // namespace

QPen CanvasPen(std::int32_t color, std::int32_t width)
{
    if (width <= 0)
        return QPen(Qt::NoPen);
    return QPen(QBrush(ToQColor(color)), width, Qt::SolidLine);
}

QPainterCanvas::QPainterCanvas(QImage& image)
    : pixels_(WritablePixels(image)), stride_(image.bytesPerLine() / 4), painter_(&image),
      width_(image.width()), height_(image.height()), hatchRows_(DiagonalCrossRows())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    points_.reserve(8);
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::SetPen(std::int32_t color, std::int32_t width)
{
    const std::pair<std::int32_t, std::int32_t> pen(color, width);
    if (pen_ == pen)
        return;
    pen_ = pen;
    qpen_ = CanvasPen(color, width);
    penWidth_ = std::max(width, 0);
    penPixel_ = OpaquePixel(color);
    painter_.setPen(qpen_);
}

void QPainterCanvas::SetBrush(std::int32_t color, BrushStyle style)
{
    const std::pair<std::int32_t, BrushStyle> brush(color, style);
    if (brush_ == brush)
        return;
    brush_ = brush;
    qbrush_ = CanvasBrush(color, style);
    brushStyle_ = style;
    brushPixel_ = OpaquePixel(color);
    painter_.setBrush(qbrush_);
}

void QPainterCanvas::FillRow(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb color,
                             bool hatched)
{
    if (y < 0 || y >= height_)
        return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, width_ - 1);
    if (x0 > x1)
        return;
    QRgb* row = pixels_ + y * stride_;
    if (!hatched) {
        std::fill(row + x0, row + x1 + 1, color);
        return;
    }
    // Only the hatch's own pixels, a few in every eight, each column of the pattern in steps
    // of eight.
    for (unsigned bits = hatchRows_[static_cast<std::size_t>(y & 7)]; bits != 0; bits &= bits - 1) {
        const auto column = static_cast<std::int64_t>(std::countr_zero(bits));
        for (std::int64_t x = x0 + ((column - x0) & 7); x <= x1; x += 8)
            row[x] = color;
    }
}

void QPainterCanvas::BrushRow(std::int64_t y, std::int64_t x0, std::int64_t x1)
{
    if (brushStyle_ != BrushStyle::Clear)
        FillRow(y, x0, x1, brushPixel_, brushStyle_ == BrushStyle::DiagonalCross);
}

void QPainterCanvas::ThinLine(Point from, Point to, QRgb color)
{
    if (width_ <= 0 || height_ <= 0)
        return;
    std::int64_t x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
    const std::int64_t maxX = width_ - 1, maxY = height_ - 1;
    if (x0 < 0 || x0 > maxX || y0 < 0 || y0 > maxY || x1 < 0 || x1 > maxX || y1 < 0 || y1 > maxY) {
        // The part of the segment over the pixel centres of the image: its rounded ends lie
        // in the image, and so does every pixel between them.
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
    // Bresenham along the longer axis, both ends included.
    const std::int64_t dx = x1 - x0, dy = y1 - y0;
    const std::int64_t ax = std::llabs(dx), ay = std::llabs(dy);
    const qsizetype stepX = dx < 0 ? -1 : 1, stepY = dy < 0 ? -stride_ : stride_;
    const std::int64_t major = std::max(ax, ay), minor = std::min(ax, ay);
    const qsizetype majorStep = ax >= ay ? stepX : stepY, minorStep = ax >= ay ? stepY : stepX;
    QRgb* pixel = pixels_ + y0 * stride_ + x0;
    std::int64_t error = 2 * minor - major;
    for (std::int64_t i = 0;; ++i) {
        *pixel = color;
        if (i == major)
            break;
        if (error > 0) {
            pixel += minorStep;
            error -= 2 * major;
        }
        error += 2 * minor;
        pixel += majorStep;
    }
}

void QPainterCanvas::WideLine(Point from, Point to)
{
    const double half = penWidth_ / 2.0;
    double x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
    // Ends far off the image are brought in to just outside it, beyond the pen's reach.
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
        const std::int64_t lastRow = std::min<std::int64_t>(to(y0, y1), height_ - 1);
        for (std::int64_t y = std::max<std::int64_t>(from(y0, y1), 0); y <= lastRow; ++y) {
            QRgb* row = pixels_ + y * stride_;
            std::fill(row + left, row + right + 1, penPixel_);
        }
        return;
    }
    const double length = std::sqrt(dx * dx + dy * dy);

    // A pixel centre lies in the rectangle when its distance across the segment is at most
    // `half` and its distance along it, from the first end, between -half and length + half.
    // Over the centre line of a row each gives a range of x, both ends of it linear in the
    // row: x = start + step * (rows from the first). A level or upright segment leaves one of
    // them open; the range of rows then decides. A segment of no length is a square of the
    // pen's width, as a level one would be.
    // Within the fixed-point range of FillBounds.
    constexpr double open = 1e8;
    // The rows whose centres lie within the rectangle's height, the centre on its upper edge
    // out and on its lower edge in, as QPainter has it. A slanting rectangle reaches less
    // than half the width times the square root of 2 beyond its ends; the rows it does not
    // reach come out empty.
    const double reachY = dx == 0 || dy == 0 ? half : half * 1.4142135623730951;
    const std::int64_t firstRow =
        std::max<std::int64_t>(FloorToInt(std::min(y0, y1) - reachY - 0.5) + 1, 0);
    const std::int64_t lastRow =
        std::min<std::int64_t>(FloorToInt(std::max(y0, y1) + reachY - 0.5), height_ - 1);
    if (firstRow > lastRow)
        return;
    const double rise = static_cast<double>(firstRow) + 0.5 - y0;
    RowBound acrossLow{-open, 0}, acrossHigh{open, 0}, alongLow{-open, 0}, alongHigh{open, 0};
    // Two divisions, started before the square root is done.
    const double perDy = dy != 0 ? 1 / dy : 0, perDx = dx != 0 ? 1 / dx : 1;
    if (dy != 0) {
        // Across: |dy (x - x0) - dx (y - y0)| <= half * length.
        const double slope = dx * perDy, reach = std::fabs(half * length * perDy);
        acrossLow = {x0 + rise * slope - reach, slope};
        acrossHigh = {x0 + rise * slope + reach, slope};
    }
    if (dx != 0 || dy == 0) {
        // Along: -half * length <= dx (x - x0) + dy (y - y0) <= (length + half) * length.
        const double scale = dx != 0 ? length : 1;
        const double slope = -dy * perDx;
        const double back = -half * scale * perDx, ahead = (length + half) * scale * perDx;
        alongLow = {x0 + rise * slope + std::min(back, ahead), slope};
        alongHigh = {x0 + rise * slope + std::max(back, ahead), slope};
    }
    FillBounds(firstRow, lastRow, {acrossLow, alongLow}, {acrossHigh, alongHigh});
}

// Rows firstRow..lastRow with the pen's pixel, each from the greater of the low bounds to the
// smaller of the high ones.
void QPainterCanvas::FillBounds(std::int64_t firstRow, std::int64_t lastRow,
                                const std::array<RowBound, 2>& low,
                                const std::array<RowBound, 2>& high)
{
    // Copies, so the compiler need not fear that a pixel written is one of these.
    const std::int64_t lastColumn = width_ - 1;
    const QRgb pixel = penPixel_;
    const qsizetype stride = stride_;
    const auto fill = [lastColumn, pixel](QRgb* row, std::int64_t first, std::int64_t last) {
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
        QRgb* row = pixels_ + firstRow * stride;
        for (std::int64_t y = firstRow; y <= lastRow; ++y, row += stride) {
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
    // distance, one sum a bound and row.
    constexpr double unit = 4294967296.0;
    const auto fixed = [](double v) { return static_cast<std::int64_t>(v * unit); };
    constexpr std::int64_t halfPixel = std::int64_t(1) << 31;
    std::int64_t lowA = fixed(low[0].Start) + halfPixel;
    std::int64_t lowB = fixed(low[1].Start) + halfPixel;
    const std::int64_t spanA = fixed(high[0].Start) - halfPixel - lowA;
    const std::int64_t spanB = fixed(high[1].Start) - halfPixel - lowB;
    const std::int64_t stepA = fixed(low[0].Step), stepB = fixed(low[1].Step);
    QRgb* row = pixels_ + firstRow * stride;
    for (std::int64_t y = firstRow; y <= lastRow; ++y, row += stride) {
        fill(row, std::max(lowA, lowB) >> 32, std::min(lowA + spanA, lowB + spanB) >> 32);
        lowA += stepA;
        lowB += stepB;
    }
}

void QPainterCanvas::Line(Point from, Point to)
{
    if (Direct() && penWidth_ == 1) {
        ThinLine(from, to, penPixel_);
        return;
    }
    if (Direct() && penWidth_ >= 2) {
        WideLine(from, to);
        return;
    }
    // Ends far off the image are brought in to just outside it (beyond the pen's reach), where
    // QPainter's coordinates hold them.
    const double margin = penWidth_ + 2.0;
    const double minX = -margin, minY = -margin, maxX = width_ + margin, maxY = height_ + margin;
    const auto near = [&](Point p) {
        return p.X >= minX && p.X <= maxX && p.Y >= minY && p.Y <= maxY;
    };
    if (near(from) && near(to)) {
        painter_.drawLine(from.X, from.Y, to.X, to.Y);
        return;
    }
    double x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
    if (ClipSegment(x0, y0, x1, y1, minX, minY, maxX, maxY))
        painter_.drawLine(
            QLine(static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)),
                  static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1))));
}

// A box of the ellipse's width and height fills exactly the pixels left..right - 1 and
// top..bottom - 1; a pen adds its outline on the box's edge. (QPainter's own filled ellipse
// misses the top row of boxes of even height; the ellipse without outline is filled here.)
void QPainterCanvas::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                             std::int32_t bottom)
{
    const std::int64_t width = static_cast<std::int64_t>(right) - left;
    const std::int64_t height = static_cast<std::int64_t>(bottom) - top;
    if (penWidth_ == 0)
        FillEllipse(left, top, width, height);
    else if (Direct() && penWidth_ >= 2)
        WideOutlinedEllipse(left, top, width, height);
    else if (width <= std::numeric_limits<int>::max() && height <= std::numeric_limits<int>::max())
        painter_.drawEllipse(QRect(left, top, static_cast<int>(width), static_cast<int>(height)));
    else
        painter_.drawEllipse(
            QRectF(left, top, static_cast<double>(width), static_cast<double>(height)));
}

void QPainterCanvas::FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                                 std::int64_t height)
{
    if (width <= 0 || height <= 0 || brushStyle_ == BrushStyle::Clear)
        return;
    if (left + width <= 0 || left >= width_ || top + height <= 0 || top >= height_)
        return;
    const double rx = width / 2.0, ry = height / 2.0;
    if (width > MaxCachedEllipse || height > MaxCachedEllipse) {
        // A big one, row by row over the image only.
        const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
        const std::int64_t lastRow = std::min<std::int64_t>(top + height - 1, height_ - 1);
        for (std::int64_t y = firstRow; y <= lastRow; ++y) {
            std::int64_t first = 0, last = 0;
            if (!EllipseRow(rx, ry, rx, ry, y - top, first, last))
                continue;
            if (Direct()) {
                BrushRow(y, left + first, left + last);
                continue;
            }
            const auto x0 = static_cast<int>(std::clamp<std::int64_t>(left + first, -1, width_));
            const auto x1 = static_cast<int>(std::clamp<std::int64_t>(left + last, -1, width_));
            painter_.fillRect(QRect(x0, static_cast<int>(y), x1 - x0 + 1, 1), qbrush_);
        }
        return;
    }
    // The many small ones of a picture share a size: their rows are worked out once.
    if (width != spanWidth_ || height != spanHeight_) {
        spanWidth_ = static_cast<std::int32_t>(width);
        spanHeight_ = static_cast<std::int32_t>(height);
        spans_.clear();
        for (std::int32_t row = 0; row < spanHeight_; ++row) {
            std::int64_t first = 0, last = 0;
            if (!EllipseRow(rx, ry, rx, ry, row, first, last))
                continue;
            const auto x0 = static_cast<int>(first), x1 = static_cast<int>(last);
            if (!spans_.empty() && spans_.back().left() == x0 && spans_.back().right() == x1 &&
                spans_.back().bottom() == row - 1)
                spans_.back().setBottom(row);
            else
                spans_.emplace_back(x0, row, x1 - x0 + 1, 1);
        }
    }
    for (const QRect& span : spans_) {
        if (!Direct()) {
            painter_.fillRect(span.translated(static_cast<int>(left), static_cast<int>(top)),
                              qbrush_);
            continue;
        }
        for (int row = span.top(); row <= span.bottom(); ++row)
            BrushRow(top + row, left + span.left(), left + span.right());
    }
}

void QPainterCanvas::WideOutlinedEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                                         std::int64_t height)
{
    if (width < 0 || height < 0)
        return;
    const double half = penWidth_ / 2.0;
    const double cx = left + width / 2.0, cy = top + height / 2.0;
    const double outerX = width / 2.0 + half, outerY = height / 2.0 + half;
    const double innerX = width / 2.0 - half, innerY = height / 2.0 - half;
    const auto firstRow = static_cast<std::int64_t>(std::max(0.0, std::floor(cy - outerY) - 1));
    const auto lastRow = static_cast<std::int64_t>(
        std::min(static_cast<double>(height_ - 1), std::ceil(cy + outerY) + 1));
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

// A rectangle far bigger than the image is cut to one just bigger than it, outline and all.
void QPainterCanvas::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom)
{
    const std::int64_t margin = penWidth_ + 2;
    const auto cut = [margin](std::int64_t v, std::int64_t size) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -margin, size + margin));
    };
    const int x0 = cut(left, width_), y0 = cut(top, height_);
    const int x1 = cut(right, width_), y1 = cut(bottom, height_);
    if (Direct() && penWidth_ <= 1 && x1 > x0 && y1 > y0) {
        BoxByPixels(x0, y0, x1, y1);
        return;
    }
    painter_.drawRect(QRect(x0, y0, x1 - x0, y1 - y0));
}

// As QPainter draws a box: without a pen the brush fills columns left..right - 1 and rows
// top..bottom - 1; a one-pixel pen outlines columns left..right and rows top..bottom, one
// pixel more each way, and the brush fills what lies inside the outline.
void QPainterCanvas::BoxByPixels(std::int64_t left, std::int64_t top, std::int64_t right,
                                 std::int64_t bottom)
{
    const std::int64_t inset = penWidth_;
    const std::int64_t firstRow = std::max<std::int64_t>(top + inset, 0);
    const std::int64_t lastRow = std::min<std::int64_t>(bottom - 1, height_ - 1);
    for (std::int64_t y = firstRow; y <= lastRow; ++y)
        BrushRow(y, left + inset, right - 1);
    if (inset == 0)
        return;
    FillRow(top, left, right, penPixel_, false);
    FillRow(bottom, left, right, penPixel_, false);
    for (std::int64_t y = std::max<std::int64_t>(top + 1, 0); y <= lastRow; ++y) {
        FillRow(y, left, left, penPixel_, false);
        FillRow(y, right, right, penPixel_, false);
    }
}

void QPainterCanvas::Polygon(const std::vector<Point>& points)
{
    if (Direct() && penWidth_ <= 1) {
        FillPolygon(points);
        if (penWidth_ == 1)
            for (std::size_t k = 0; k < points.size(); ++k)
                ThinLine(points[k], points[NextVertex(k, points.size())], penPixel_);
        return;
    }
    points_.clear();
    for (const Point& p : points)
        points_.emplace_back(p.X, p.Y);
    painter_.drawPolygon(points_.data(), static_cast<int>(points_.size()));
}

// The pixels whose centres lie inside the polygon by the odd-even rule, QPainter's default.
void QPainterCanvas::FillPolygon(const std::vector<Point>& points)
{
    if (points.size() < 3 || brushStyle_ == BrushStyle::Clear)
        return;
    if (!FillMonotonePolygon(points))
        FillAnyPolygon(points);
}

// Fills the span of row y between two crossings of its centre line: the pixels whose centres
// x + 0.5 lie in [from, to).
void QPainterCanvas::FillBetween(std::int64_t y, double from, double to)
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
bool QPainterCanvas::FillMonotonePolygon(const std::vector<Point>& points)
{
    const std::size_t n = points.size();
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
    const std::int64_t firstRow = std::max<std::int64_t>(points[top].Y, 0);
    const std::int64_t lastRow = std::min<std::int64_t>(points[bottom].Y - 1LL, height_ - 1LL);
    // Each chain's current edge runs from vertex a to vertex b, forwards and backwards; x on
    // it is x0 + slope * y.
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

void QPainterCanvas::FillAnyPolygon(const std::vector<Point>& points)
{
    // The edges that are not level, each over the rows top <= y + 0.5 < bottom.
    edges_.clear();
    double top = points[0].Y, bottom = points[0].Y;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Point& a = points[k];
        const Point& b = points[NextVertex(k, points.size())];
        top = std::min<double>(top, a.Y);
        bottom = std::max<double>(bottom, a.Y);
        if (a.Y == b.Y)
            continue;
        const double slope = (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y);
        edges_.push_back(
            {std::min<double>(a.Y, b.Y), std::max<double>(a.Y, b.Y), a.X - a.Y * slope, slope});
    }
    const auto firstRow = static_cast<std::int64_t>(std::max(std::ceil(top - 0.5), 0.0));
    const auto lastRow = static_cast<std::int64_t>(
        std::min(std::ceil(bottom - 0.5) - 1, static_cast<double>(height_ - 1)));
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

void QPainterCanvas::SelectFont(std::string_view fontName, std::int32_t fontSize)
{
    if (metrics_ && fontName == fontName_ && fontSize == fontSize_)
        return;
    fontName_ = fontName;
    fontSize_ = fontSize;

    QFont font;
    // A font that is not installed falls back to the sans-serif font of the system.
    font.setFamilies(QStringList{DecodeText(fontName), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    if (fontSize > 0)
        font.setPointSize(fontSize);
    else if (fontSize < 0)
        font.setPixelSize(-fontSize);
    painter_.setFont(font);
    metrics_.emplace(painter_.font(), painter_.device());
}

void QPainterCanvas::Text(std::int32_t x, std::int32_t y, std::string_view text,
                          std::string_view fontName, std::int32_t fontSize, std::int32_t color,
                          std::int32_t background)
{
    SelectFont(fontName, fontSize);
    const QString label = DecodeText(text);
    if (background >= 0)
        painter_.fillRect(QRect(x, y, metrics_->horizontalAdvance(label), metrics_->height()),
                          ToQColor(background));
    painter_.setPen(ToQColor(color));
    painter_.drawText(QPoint(x, y + metrics_->ascent()), label);
    painter_.setPen(qpen_);
}

} // namespace vek
