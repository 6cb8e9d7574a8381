#include "gui/qpainter_canvas.h"

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

} // namespace

const HatchRows& DiagonalCrossRows()
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

namespace {

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

} // namespace

QPen CanvasPen(std::int32_t color, std::int32_t width)
{
    if (width <= 0)
        return QPen(Qt::NoPen);
    return QPen(QBrush(ToQColor(color)), width, Qt::SolidLine);
}

QPainterCanvas::QPainterCanvas(QImage& image)
    : pixels_(WritablePixels(image)), painter_(&image), width_(image.width()),
      height_(image.height())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    points_.reserve(8);
    if (!Direct())
        return;
    stride_ = image.bytesPerLine() / 4;
    writer_ = PixelWriter(pixels_, stride_, width_, height_, DiagonalCrossRows());
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::SetBand(std::int32_t first, std::int32_t last)
{
    writer_.SetBand(first, last);
    painter_.setClipRect(QRect(0, first, width_, std::max(last - first + 1, 0)));
}

void QPainterCanvas::SetPen(std::int32_t color, std::int32_t width)
{
    const std::pair<std::int32_t, std::int32_t> pen(color, width);
    if (pen_ == pen)
        return;
    pen_ = pen;
    qpen_ = CanvasPen(color, width);
    penWidth_ = std::max(width, 0);
    writer_.SetPen(OpaquePixel(color), width);
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
    writer_.SetBrush(OpaquePixel(color), style);
    painter_.setBrush(qbrush_);
}

void QPainterCanvas::Line(Point from, Point to)
{
    if (Direct()) {
        writer_.Line(from, to);
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
    if (Direct() && penWidth_ != 1) {
        writer_.Ellipse(left, top, width, height);
        return;
    }
    if (penWidth_ == 0)
        FillEllipse(left, top, width, height);
    else if (width <= std::numeric_limits<int>::max() && height <= std::numeric_limits<int>::max())
        painter_.drawEllipse(QRect(left, top, static_cast<int>(width), static_cast<int>(height)));
    else
        painter_.drawEllipse(
            QRectF(left, top, static_cast<double>(width), static_cast<double>(height)));
}

// The ellipse without outline on images QPainter paints: the pixels the direct writer would
// fill, as rectangles of the brush.
void QPainterCanvas::FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                                 std::int64_t height)
{
    if (width <= 0 || height <= 0 || brushStyle_ == BrushStyle::Clear)
        return;
    if (left + width <= 0 || left >= width_ || top + height <= 0 || top >= height_)
        return;
    const auto fill = [&](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        const auto cut = [](std::int64_t v, std::int64_t size) {
            return static_cast<int>(std::clamp<std::int64_t>(v, -1, size));
        };
        const int left = cut(x0, width_), right = cut(x1, width_);
        const int top = cut(y0, height_), bottom = cut(y1, height_);
        painter_.fillRect(QRect(left, top, right - left + 1, bottom - top + 1), qbrush_);
    };
    if (width > MaxCachedEllipse || height > MaxCachedEllipse) {
        // A big one, row by row over the image only.
        const double rx = width / 2.0, ry = height / 2.0;
        const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
        const std::int64_t lastRow = std::min<std::int64_t>(top + height - 1, height_ - 1);
        for (std::int64_t y = firstRow; y <= lastRow; ++y) {
            std::int64_t first = 0, last = 0;
            if (EllipseRow(rx, ry, rx, ry, y - top, first, last))
                fill(left + first, y, left + last, y);
        }
        return;
    }
    if (width != spanWidth_ || height != spanHeight_) {
        spanWidth_ = static_cast<std::int32_t>(width);
        spanHeight_ = static_cast<std::int32_t>(height);
        EllipseSpans(spanWidth_, spanHeight_, spans_);
    }
    for (const EllipseSpan& span : spans_)
        fill(left + span.Left, top + span.Top, left + span.Right, top + span.Bottom);
}

// A rectangle far bigger than the image is cut to one just bigger than it, outline and all.
void QPainterCanvas::Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom)
{
    const CutBox box = CutRectangle(left, top, right, bottom, penWidth_, width_, height_);
    if (Direct() && penWidth_ <= 1 && box.Right > box.Left && box.Bottom > box.Top) {
        writer_.Box(box.Left, box.Top, box.Right, box.Bottom);
        return;
    }
    painter_.drawRect(QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top));
}

void QPainterCanvas::Polygon(const std::vector<Point>& points)
{
    if (Direct() && penWidth_ <= 1) {
        writer_.Polygon(points.data(), points.size());
        return;
    }
    points_.clear();
    for (const Point& p : points)
        points_.emplace_back(p.X, p.Y);
    painter_.drawPolygon(points_.data(), static_cast<int>(points_.size()));
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
