#include "post/scale_legend.h"

namespace vek {

namespace {

constexpr std::int32_t Margin = 2;
constexpr std::int32_t BoxWidth = 25;
constexpr std::int32_t BoxHeight = 20;
constexpr std::int32_t Steps = 6;
constexpr std::int32_t TextSize = 8;
constexpr const char* TextFont = "Comic Sans MS";

} // namespace

void DrawScaleLegend(Canvas& canvas, const TPalette& palette)
{
    canvas.SetPen(RgbColor(0, 0, 0), 0);
    canvas.SetBrush(RgbColor(255, 255, 255), BrushStyle::Solid);
    canvas.Rectangle(0, 0, LegendWidth, LegendHeight);
    canvas.SetPen(RgbColor(0, 0, 0), 1);
    for (std::int32_t c = 0; c < Steps; ++c) {
        canvas.SetBrush(palette[static_cast<std::size_t>(11 + c)], BrushStyle::Solid);
        const std::int32_t left = Margin + BoxWidth * c;
        canvas.Rectangle(left, Margin, left + BoxWidth, Margin + BoxHeight);
    }
    const std::int32_t textTop = Margin + BoxHeight + 2;
    canvas.Text(Margin, textTop, "min", TextFont, TextSize, RgbColor(0, 0, 0), NoBackground);
    canvas.Text(Margin + BoxWidth * (Steps - 1), textTop, "max", TextFont, TextSize,
                RgbColor(0, 0, 0), NoBackground);
}

} // namespace vek
