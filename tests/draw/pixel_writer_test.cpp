#include "draw/band_canvas.h"
#include "draw/pixel_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

using namespace vek;

namespace {

constexpr std::int32_t W = 97, H = 71;
constexpr Pixel Background = 0xFFFFFFFF;
constexpr HatchRows Hatch = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};

struct Picture
{
    std::vector<Pixel> Pixels = std::vector<Pixel>(std::size_t{W} * H, Background);
    PixelWriter Writer(std::int64_t first, std::int64_t last)
    {
        PixelWriter writer(Pixels.data(), W, W, H, Hatch);
        writer.SetBand(first, last);
        return writer;
    }
};

// A mixed drawing of every shape the writer knows, many of them crossing any band's edges,
// some reaching far off the picture: lines of widths 1 to 5, ellipses small and big (over the
// size whose spans are kept), boxes, convex and concave polygons, solid and hatched.
using Drawing = std::function<void(PixelWriter&)>;

Drawing Mixed(unsigned seed)
{
    return [seed](PixelWriter& w) {
        std::mt19937 random(seed);
        const auto coordinate = [&](std::int32_t size) {
            return std::uniform_int_distribution<std::int32_t>(-size / 2, size + size / 2)(random);
        };
        const auto colour = [&] { return 0xFF000000u | (random() & 0xFFFFFFu); };
        for (int k = 0; k < 60; ++k) {
            w.SetPen(colour(), static_cast<std::int32_t>(random() % 6));
            const auto style = static_cast<BrushStyle>(random() % 3);
            w.SetBrush(colour(), style);
            switch (random() % 4) {
            case 0:
                w.Line({coordinate(W), coordinate(H)}, {coordinate(W), coordinate(H)});
                break;
            case 1: {
                const std::int32_t size =
                    random() % 5 == 0 ? 300 : static_cast<std::int32_t>(random() % 30);
                w.Ellipse(coordinate(W) - size / 2, coordinate(H) - size / 2, size + random() % 3,
                          size);
                break;
            }
            case 2:
                if (random() % 2 == 0)
                    w.SetPen(colour(), 1);
                else
                    w.SetPen(colour(), 0);
                w.Box(coordinate(W), coordinate(H), coordinate(W), coordinate(H));
                break;
            default: {
                std::vector<Point> points;
                for (int p = 3 + static_cast<int>(random() % 4); p > 0; --p)
                    points.push_back({coordinate(W), coordinate(H)});
                w.SetPen(colour(), static_cast<std::int32_t>(random() % 2));
                w.Polygon(points.data(), points.size());
            }
            }
        }
        // Lines far beyond the picture, slanting, level and upright.
        constexpr std::int32_t Far = 2'000'000'000;
        w.SetPen(0xFF102030, 2);
        w.Line({-Far, -Far}, {Far, Far});
        w.Line({-Far, 33}, {Far, 34});
        w.Line({50, -Far}, {51, Far});
        w.SetPen(0xFF302010, 1);
        w.Line({-Far, Far}, {Far, -Far});
    };
}

std::vector<Pixel> Whole(const Drawing& draw)
{
    Picture picture;
    PixelWriter writer = picture.Writer(0, H - 1);
    draw(writer);
    return picture.Pixels;
}

} // namespace

// Bands drawn apart, each with its own writer, make up the picture drawn whole, at any split.
TEST(PixelWriterBands, MakeUpTheWholePicture)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<Pixel> whole = Whole(Mixed(seed));
        for (const std::vector<std::int64_t>& tops :
             {std::vector<std::int64_t>{0, 35}, {0, 1, 2, 70}, {0, 17, 18, 44, 69}}) {
            Picture banded;
            for (std::size_t b = 0; b < tops.size(); ++b) {
                const std::int64_t last = b + 1 < tops.size() ? tops[b + 1] - 1 : H - 1;
                PixelWriter writer = banded.Writer(tops[b], last);
                Mixed(seed)(writer);
            }
            ASSERT_EQ(banded.Pixels, whole) << "seed " << seed << ", " << tops.size() << " bands";
        }
    }
}

// A writer held to a band leaves every other row as it was; bands reaching out of the
// picture are cut to it.
TEST(PixelWriterBands, WriteOnlyTheirRows)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<Pixel> whole = Whole(Mixed(seed));
        Picture picture;
        PixelWriter writer = picture.Writer(20, 29);
        Mixed(seed)(writer);
        for (std::int32_t y = 0; y < H; ++y)
            for (std::int32_t x = 0; x < W; ++x) {
                const std::size_t k = std::size_t{static_cast<std::size_t>(y)} * W + x;
                ASSERT_EQ(picture.Pixels[k], y >= 20 && y <= 29 ? whole[k] : Background)
                    << x << ", " << y;
            }
    }
    Picture beyond;
    PixelWriter all = beyond.Writer(-100, 1000);
    Mixed(3)(all);
    EXPECT_EQ(beyond.Pixels, Whole(Mixed(3)));
    Picture none;
    PixelWriter empty = none.Writer(50, 40);
    Mixed(3)(empty);
    EXPECT_EQ(none.Pixels, Picture().Pixels);
}

TEST(PixelWriter, OpaquePixelsAndCutRectangles)
{
    EXPECT_EQ(OpaquePixel(0x00332211), 0xFF112233u);
    EXPECT_EQ(OpaquePixel(-1), 0xFFFFFFFFu);
    const CutBox box = CutRectangle(-2'000'000'000, 5, 2'000'000'000, 2'000'000'000, 1, W, H);
    EXPECT_EQ(box.Left, -3);
    EXPECT_EQ(box.Top, 5);
    EXPECT_EQ(box.Right, W + 3);
    EXPECT_EQ(box.Bottom, H + 3);
}

// The band canvas draws what the writer draws, and says so when a shape it leaves to QPainter
// may reach into its band.
TEST(BandCanvas, DrawsTheWritersShapesAndMissesTheRest)
{
    Picture picture;
    BandCanvas band(picture.Pixels.data(), W, W, H, Hatch, 30, 49);
    band.SetPen(0x0000FF, 2);
    band.SetBrush(0xFF0000, BrushStyle::Solid);
    band.Line({0, 0}, {W, H});
    band.Ellipse(50, 30, 60, 40);
    band.SetPen(0x0000FF, 1);
    band.Rectangle(10, 35, 20, 45);
    band.Polygon({{30, 30}, {40, 30}, {35, 45}});
    EXPECT_FALSE(band.Missed());
    EXPECT_EQ(picture.Pixels[std::size_t{40} * W + 15], 0xFF0000FFu) << "the box's brush";
    EXPECT_EQ(picture.Pixels[std::size_t{5} * W + 5], Background) << "above the band";

    // Text, one-pixel ellipse outlines, wide rectangle and polygon outlines.
    const std::vector<std::function<void(BandCanvas&)>> leftToQPainter = {
        [](BandCanvas& c) { c.Text(5, 20, "label", "Arial", 8, 0, NoBackground); },
        [](BandCanvas& c) {
            c.SetPen(0, 1);
            c.Ellipse(5, 45, 15, 55);
        },
        [](BandCanvas& c) {
            c.SetPen(0, 3);
            c.Rectangle(5, 48, 15, 60);
        },
        [](BandCanvas& c) {
            c.SetPen(0, 2);
            c.Polygon({{5, 10}, {15, 10}, {10, 29}});
        },
    };
    for (const auto& draw : leftToQPainter) {
        BandCanvas reached(picture.Pixels.data(), W, W, H, Hatch, 30, 49);
        draw(reached);
        EXPECT_TRUE(reached.Missed());
    }
    BandCanvas clear(picture.Pixels.data(), W, W, H, Hatch, 30, 49);
    clear.Text(5, 60, "below", "Arial", 8, 0, NoBackground);
    clear.Text(5, 0, "above", "Arial", 6, 0, NoBackground);
    clear.SetPen(0, 1);
    clear.Ellipse(5, 0, 15, 10);
    clear.SetPen(0, 3);
    clear.Rectangle(5, 55, 15, 60);
    EXPECT_FALSE(clear.Missed());
}
