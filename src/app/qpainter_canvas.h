#pragma once

#include "view/canvas.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QImage;

namespace vek {

// The colour of a 0x00BBGGRR value.
inline QColor ToQColor(std::int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The pen a canvas draws with: solid, of the colour and width; width 0 is no pen. The
// benchmark draws its reference lines with the same pens.
QPen CanvasPen(std::int32_t color, std::int32_t width);

// A canvas that paints into an image without antialiasing. Create one for each picture and
// let it go when the picture is done: it keeps a QPainter active on the image all along, and
// sets pen, brush and font on it only when they change.
//
// QPainter costs a few tenths of a microsecond a call, which is most of the time of the many
// small shapes of a big model. So on 32-bit images the shapes made of lines and solid or
// hatched spans (lines of any width, polygons and rectangles with no or a one-pixel outline,
// ellipses without outline or with a wide one) are written straight into the pixels, with
// the pixel-centre rule of QPainter's own fills and its hatch pattern. One-pixel ellipse
// outlines, wider rectangle outlines and text are left to QPainter, as is everything on
// images of other formats.
class QPainterCanvas : public Canvas
{
public:
    explicit QPainterCanvas(QImage& image);
    ~QPainterCanvas() override;

    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

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

private:
    bool Direct() const { return pixels_ != nullptr; }

    // Pixels x0..x1 of row y in the colour, every pixel or those of the hatch; clipped.
    void FillRow(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb color, bool hatched);
    void BrushRow(std::int64_t y, std::int64_t x0, std::int64_t x1);
    // A one-pixel line with both ends, clipped to the image.
    void ThinLine(Point from, Point to, QRgb color);
    // A line of the pen's width (two pixels or more) with square ends, as QPainter strokes
    // it: the pixels whose centres lie in the rectangle around the segment, half the width on
    // each side and beyond each end. Clipped to the image.
    void WideLine(Point from, Point to);
    // A bound of the pixels of a row, x = Start + Step * (rows from the first).
    struct RowBound
    {
        double Start, Step;
    };
    // The step of high[k] must be that of low[k].
    void FillBounds(std::int64_t firstRow, std::int64_t lastRow, const std::array<RowBound, 2>& low,
                    const std::array<RowBound, 2>& high);
    // A rectangle of no or a one-pixel pen, corners already cut to near the image.
    void BoxByPixels(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
    void FillPolygon(const std::vector<Point>& points);
    bool FillMonotonePolygon(const std::vector<Point>& points);
    void FillAnyPolygon(const std::vector<Point>& points);
    void FillBetween(std::int64_t y, double from, double to);
    // The pixels whose centres lie inside the ellipse of the box, row by row.
    void FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);
    // An ellipse outlined with a pen wider than one pixel: the pen covers half its width on
    // each side of the box's ellipse, the brush fills the rest.
    void WideOutlinedEllipse(std::int64_t left, std::int64_t top, std::int64_t width,
                             std::int64_t height);
    void SelectFont(std::string_view fontName, std::int32_t fontSize);

    // The image's pixels, when the shapes can be written into them; else null.
    QRgb* pixels_ = nullptr;
    qsizetype stride_ = 0;
    QPainter painter_;
    std::int32_t width_, height_;
    // The diagonal cross hatch: bit x of entry y set where it covers pixel (x, y), repeated
    // every eight pixels both ways.
    std::array<std::uint8_t, 8> hatchRows_;

    // The pen and brush last asked for; std::nullopt until the first call.
    std::optional<std::pair<std::int32_t, std::int32_t>> pen_;
    std::optional<std::pair<std::int32_t, BrushStyle>> brush_;
    QPen qpen_;
    QBrush qbrush_;
    std::int32_t penWidth_ = 1;
    QRgb penPixel_ = 0xFF000000;
    QRgb brushPixel_ = 0xFF000000;
    BrushStyle brushStyle_ = BrushStyle::Clear;

    // Ellipses up to this size keep the rows of their size for the next one.
    static constexpr std::int64_t MaxCachedEllipse = 256;
    // The rows of the last ellipse size filled without outline, as rectangles relative to the
    // corner of its box.
    std::int32_t spanWidth_ = -1, spanHeight_ = -1;
    std::vector<QRect> spans_;
    // The edges of the polygon being filled, x = X0 + Slope * y over Top <= y < Bottom, and
    // where they cross the row being filled.
    struct PolygonEdge
    {
        double Top, Bottom, X0, Slope;
    };
    std::vector<PolygonEdge> edges_;
    std::vector<double> crossings_;

    std::string fontName_;
    std::int32_t fontSize_ = 0;
    std::optional<QFontMetrics> metrics_;

    std::vector<QPoint> points_;
};

} // namespace vek
