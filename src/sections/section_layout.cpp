#include "sections/section_layout.h"

#include "util/checked_math.h"
#include "util/format.h"
#include "util/rounding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

namespace vek {
namespace {

constexpr std::int32_t Black = RgbColor(0, 0, 0);
constexpr std::int32_t White = RgbColor(255, 255, 255);
constexpr std::int32_t Blue = RgbColor(0, 0, 255);
constexpr std::int32_t Red = RgbColor(255, 0, 0);

// The section spans this many pixels in its larger dimension.
constexpr double PictureSpan = 160;
constexpr std::int32_t BarRadius = 4;

constexpr std::string_view CountFont = "MS Sans Serif";
constexpr std::int32_t CountFontSize = 8;
constexpr Point CountAt{50, 180};

// A row or grid of more items than this lies closer than a pixel apart when it fits into the
// picture: then every pixel between its ends is drawn once instead of item by item, which
// looks the same and does not keep the window busy for a division count in the millions.
constexpr std::int64_t DenseItems = 4096;
// Pixels beyond this reach of the picture's edges draw nothing of a dense row.
constexpr std::int32_t DenseMargin = 2 * BarRadius;
// Pixel positions are kept within this range, so that a bar's box never overflows.
constexpr double PixelReach = 1.0e9;

constexpr double Pi = std::numbers::pi;

std::int32_t Pixel(double value)
{
    // What a section too small for a double's range of scales computes.
    if (std::isnan(value))
        return SectionPictureCentre;
    return static_cast<std::int32_t>(std::clamp(value, -PixelReach, PixelReach));
}

// 100 + R(offset) and 100 - R(offset): a point at the offset right of or below the centre,
// and left of or above it.
std::int32_t Plus(double offset)
{
    return Pixel(SectionPictureCentre + RoundHalfEven(offset));
}

std::int32_t Minus(double offset)
{
    return Pixel(SectionPictureCentre - RoundHalfEven(offset));
}

// The divisions and bar numbers of a section, negative values read as 0.
struct Counts
{
    std::int64_t FX, FY, NX, NY;
};

Counts CountsOf(const TFrameSection& section)
{
    return {std::max(section.DivideFX, 0), std::max(section.DivideFY, 0),
            std::max(section.BarNumNX, 0), std::max(section.BarNumNY, 0)};
}

bool IsBeam(const TFrameSection& section)
{
    return section.SectionKind == FrameSectionKind::Beam;
}

// Where the fibre builder puts bar i of a row of `count` bars spread between bar centres at
// -half and +half, `width` apart; a row of one bar has its bar at the centre.
double RowBarPosition(std::int64_t i, std::int64_t count, double half, double width)
{
    if (count == 1)
        return 0;
    return -half + (i - 1) * width / (count - 1);
}

// Calls draw(p) for p = pixel(offset(i)), i = first..last in order; offset is linear in i.
// A dense row whose items lie at most a pixel apart covers every pixel between its ends, and
// each of those within the picture's reach is drawn once instead.
template <class Offset, class ToPixel, class Draw>
void ForEachPixel(std::int64_t first, std::int64_t last, Offset offset, ToPixel pixel, Draw draw)
{
    if (last < first)
        return;
    const double from = offset(first), to = offset(last);
    if (last - first < DenseItems || std::fabs(to - from) > static_cast<double>(last - first)) {
        for (std::int64_t i = first; i <= last; ++i)
            draw(pixel(offset(i)));
        return;
    }
    const std::int64_t low = -DenseMargin, high = SectionPictureSize + DenseMargin;
    const std::int64_t a = std::clamp<std::int64_t>(pixel(from), low, high);
    const std::int64_t b = std::clamp<std::int64_t>(pixel(to), low, high);
    const std::int64_t step = b >= a ? 1 : -1;
    for (std::int64_t p = a;; p += step) {
        draw(static_cast<std::int32_t>(p));
        if (p == b)
            break;
    }
}

class SectionPainter
{
public:
    SectionPainter(Canvas& canvas, const TFrameSection& section)
        : canvas_(canvas), s_(section), n_(CountsOf(section))
    {
    }

    void Clear()
    {
        canvas_.SetPen(Black, 1);
        canvas_.SetBrush(White, BrushStyle::Solid);
        canvas_.Rectangle(0, 0, canvas_.Width(), canvas_.Height());
    }

    void Draw()
    {
        scale_ = CheckedDivide(PictureSpan, std::max(s_.T1, s_.T2));
        switch (s_.Shape) {
        case SectionShape::Rectangle:
            DrawRectangle();
            break;
        case SectionShape::I:
            DrawIShape();
            break;
        case SectionShape::Pipe:
            DrawPipe();
            break;
        case SectionShape::Box:
            DrawBox();
            break;
        default:
            return;
        }
        if (const auto count = SectionPictureFiberCount(s_)) {
            canvas_.SetBrush(White, BrushStyle::Solid);
            canvas_.Text(CountAt.X, CountAt.Y, "NUM OF FIBERS = " + FormatInt(*count), CountFont,
                         CountFontSize, Black, White);
        }
    }

private:
    void Bar(std::int32_t x, std::int32_t y)
    {
        canvas_.Ellipse(x - BarRadius, y - BarRadius, x + BarRadius, y + BarRadius);
    }

    void Colour(std::int32_t color)
    {
        canvas_.SetPen(color, 1);
        canvas_.SetBrush(color, BrushStyle::Solid);
    }

    // Vertical lines at x = 100 - R(s*(T2/2 - v*T2/FX)), v = 1..FX-1, from y0 to y1.
    void CellColumns(double width, std::int32_t y0, std::int32_t y1)
    {
        const double s = scale_;
        const double fx = static_cast<double>(n_.FX);
        ForEachPixel(
            1, n_.FX - 1, [&](std::int64_t v) { return s * (width / 2 - v * width / fx); }, Minus,
            [&](std::int32_t x) {
                canvas_.Line({x, y0}, {x, y1});
            });
    }

    void DrawRectangle()
    {
        const double s = scale_, T1 = s_.T1, T2 = s_.T2, c = s_.Cover;
        const std::int32_t left = Minus(s * T2 / 2), right = Plus(s * T2 / 2);
        const std::int32_t top = Minus(s * T1 / 2), bottom = Plus(s * T1 / 2);
        canvas_.SetPen(Black, 1);
        canvas_.Rectangle(left, top, right, bottom);

        canvas_.SetPen(Blue, 1);
        CellColumns(T2, top, bottom);
        const double fy = static_cast<double>(n_.FY);
        ForEachPixel(
            1, n_.FY - 1, [&](std::int64_t v) { return s * (T1 / 2 - v * T1 / fy); }, Minus,
            [&](std::int32_t y) {
                canvas_.Line({left, y}, {right, y});
            });

        const double halfY = T2 / 2 - c, halfZ = T1 / 2 - c;
        const double widthY = T2 - 2 * c, widthZ = T1 - 2 * c;
        const auto rowX = [&](std::int64_t count) {
            return
                [&, count](std::int64_t i) { return s * RowBarPosition(i, count, halfY, widthY); };
        };
        const std::int32_t upper = Minus(s * halfZ), lower = Plus(s * halfZ);

        Colour(Red);
        if (IsBeam(s_)) {
            ForEachPixel(1, n_.NX, rowX(n_.NX), Plus, [&](std::int32_t x) { Bar(x, upper); });
            Colour(Blue);
            ForEachPixel(1, n_.NY, rowX(n_.NY), Plus, [&](std::int32_t x) { Bar(x, lower); });
            return;
        }
        ForEachPixel(1, n_.NX, rowX(n_.NX), Plus, [&](std::int32_t x) {
            Bar(x, upper);
            Bar(x, lower);
        });
        // The side bars from the top down: bar i is the builder's bar NY + 1 - i, counted
        // from the bottom.
        Colour(Blue);
        const std::int32_t sideLeft = Minus(s * halfY), sideRight = Plus(s * halfY);
        const std::int64_t ny = n_.NY;
        ForEachPixel(
            1, ny,
            [&](std::int64_t i) {
                return s * (-halfZ + (ny + 1 - i) * widthZ / static_cast<double>(ny + 1));
            },
            Minus,
            [&](std::int32_t y) {
                Bar(sideLeft, y);
                Bar(sideRight, y);
            });
    }

    // The two flanges of an I-shape or a box, with their cell lines in blue.
    void DrawFlanges()
    {
        const double s = scale_, T1 = s_.T1, T2 = s_.T2, T3 = s_.T3;
        const std::int32_t left = Minus(s * T2 / 2), right = Plus(s * T2 / 2);
        canvas_.SetPen(Black, 1);
        canvas_.Rectangle(left, Minus(s * T1 / 2), right, Minus(s * (T1 / 2 - T3)));
        canvas_.Rectangle(left, Plus(s * T1 / 2), right, Plus(s * (T1 / 2 - T3)));
    }

    void FlangeLines()
    {
        const double s = scale_, T1 = s_.T1, T2 = s_.T2, T3 = s_.T3;
        const double fx = static_cast<double>(n_.FX);
        const std::int32_t outerTop = Minus(s * T1 / 2), innerTop = Minus(s * (T1 / 2 - T3));
        const std::int32_t outerBottom = Plus(s * T1 / 2), innerBottom = Plus(s * (T1 / 2 - T3));
        ForEachPixel(
            1, n_.FX - 1, [&](std::int64_t v) { return s * (T2 / 2 - v * T2 / fx); }, Minus,
            [&](std::int32_t x) {
                canvas_.Line({x, outerTop}, {x, innerTop});
                canvas_.Line({x, outerBottom}, {x, innerBottom});
            });
    }

    // Calls draw(y) for the cell lines across a web, v = 1..FY-1.
    template <class Draw> void WebLines(Draw draw)
    {
        const double s = scale_, T1 = s_.T1, T3 = s_.T3;
        const double fy = static_cast<double>(n_.FY);
        ForEachPixel(
            1, n_.FY - 1,
            [&](std::int64_t v) { return s * (T1 / 2 - T3 - v * (T1 - 2 * T3) / fy); }, Minus,
            draw);
    }

    void DrawIShape()
    {
        const double s = scale_, T1 = s_.T1, T3 = s_.T3, T4 = s_.T4;
        DrawFlanges();
        const std::int32_t left = Minus(s * T4 / 2), right = Plus(s * T4 / 2);
        canvas_.Rectangle(left, Minus(s * (T1 / 2 - T3)), right, Plus(s * (T1 / 2 - T3)));

        canvas_.SetPen(Blue, 1);
        FlangeLines();
        WebLines([&](std::int32_t y) { canvas_.Line({left, y}, {right, y}); });
    }

    void DrawBox()
    {
        const double s = scale_, T1 = s_.T1, T2 = s_.T2, T3 = s_.T3, T4 = s_.T4;
        DrawFlanges();
        const std::int32_t top = Minus(s * (T1 / 2 - T3)), bottom = Plus(s * (T1 / 2 - T3));
        const std::int32_t outerLeft = Minus(s * T2 / 2), innerLeft = Minus(s * (T2 / 2 - T4));
        const std::int32_t outerRight = Plus(s * T2 / 2), innerRight = Plus(s * (T2 / 2 - T4));
        canvas_.Rectangle(outerLeft, top, innerLeft, bottom);
        canvas_.Rectangle(outerRight, top, innerRight, bottom);

        canvas_.SetPen(Blue, 1);
        FlangeLines();
        WebLines([&](std::int32_t y) {
            canvas_.Line({outerLeft, y}, {innerLeft, y});
            canvas_.Line({outerRight, y}, {innerRight, y});
        });
    }

    void DrawPipe()
    {
        const double s = scale_, T1 = s_.T1, T2 = s_.T2;
        canvas_.Ellipse(Minus(s * T1 / 2), Minus(s * T1 / 2), Plus(s * T1 / 2), Plus(s * T1 / 2));
        const double inner = s * (T1 - 2 * T2) / 2;
        canvas_.Ellipse(Minus(inner), Minus(inner), Plus(inner), Plus(inner));

        // More radial lines than DenseItems cover the ring whole; that many spread evenly
        // over the fibres look the same.
        const std::int64_t fx = n_.FX;
        const std::int64_t lines = std::min(fx, DenseItems);
        for (std::int64_t j = 0; j < lines; ++j) {
            const std::int64_t k = lines == fx ? j + 1 : 1 + j * fx / lines;
            const double theta = (k - 1) * 360.0 / static_cast<double>(fx) * Pi / 180;
            const double c = std::cos(theta), n = std::sin(theta);
            canvas_.Line({Plus(s * c * (T1 - 2 * T2) / 2), Plus(s * n * (T1 - 2 * T2) / 2)},
                         {Plus(s * c * T1 / 2), Plus(s * n * T1 / 2)});
        }
    }

    Canvas& canvas_;
    const TFrameSection& s_;
    const Counts n_;
    double scale_ = 0;
};

} // namespace

std::optional<std::int64_t> SectionPictureFiberCount(const TFrameSection& section)
{
    const Counts n = CountsOf(section);
    switch (section.Shape) {
    case SectionShape::Rectangle:
        return IsBeam(section) ? n.FX * n.FY + n.NX + n.NY : n.FX * n.FY + 2 * (n.NX + n.NY);
    case SectionShape::I:
        return 2 * n.FX + n.FY;
    case SectionShape::Box:
        return 2 * n.FX + 2 * n.FY;
    default:
        return std::nullopt;
    }
}

void DrawSectionLayout(Canvas& canvas, const TFrameSection& section)
{
    SectionPainter painter(canvas, section);
    painter.Clear();
    painter.Draw();
}

void DrawSectionLayout(Canvas& canvas, const Model& model, std::int64_t index)
{
    DrawSectionLayout(canvas, model.FrameSections[index]);
}

} // namespace vek
