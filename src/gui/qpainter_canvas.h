#pragma once

#include "draw/canvas.h"
#include "draw/pixel_writer.h"

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

// QPainter's diagonal cross hatch, from the image's origin. Taken from QPainter itself, once.
const HatchRows& DiagonalCrossRows();

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
// ellipses without outline or with a wide one) are written straight into the pixels by a
// PixelWriter, with the pixel-centre rule of QPainter's own fills and its hatch pattern.
// One-pixel ellipse outlines, wider rectangle outlines and text are left to QPainter, as is
// everything on images of other formats.
class QPainterCanvas : public Canvas
{
public:
    explicit QPainterCanvas(QImage& image);
    ~QPainterCanvas() override;

    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    // Paints rows first..last only, from here on: the rest of the image stays as it is.
    void SetBand(std::int32_t first, std::int32_t last);

    // The image's pixels when the canvas writes into them itself (32-bit images), else null;
    // pixels in a row.
    Pixel* Pixels() const { return pixels_; }
    std::ptrdiff_t Stride() const { return stride_; }

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
    void FillEllipse(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);
    void SelectFont(std::string_view fontName, std::int32_t fontSize);

    // The image's pixels, when the shapes can be written into them; else null.
    QRgb* pixels_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    QPainter painter_;
    std::int32_t width_, height_;
    PixelWriter writer_;

    // The pen and brush last asked for; std::nullopt until the first call.
    std::optional<std::pair<std::int32_t, std::int32_t>> pen_;
    std::optional<std::pair<std::int32_t, BrushStyle>> brush_;
    QPen qpen_;
    QBrush qbrush_;
    std::int32_t penWidth_ = 1;
    BrushStyle brushStyle_ = BrushStyle::Clear;

    // The spans of the last ellipse size filled by QPainter.
    std::int32_t spanWidth_ = -1, spanHeight_ = -1;
    std::vector<EllipseSpan> spans_;

    std::string fontName_;
    std::int32_t fontSize_ = 0;
    std::optional<QFontMetrics> metrics_;

    std::vector<QPoint> points_;
};

} // namespace vek
