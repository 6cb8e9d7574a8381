#include "draw/recording_canvas.h"
#include "sections/fiber_builder.h"
#include "sections/section_layout.h"
#include "util/error.h"
#include "util/rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vek {
namespace {

using Ops = std::vector<std::string>;

const std::string Black = "0", White = "16777215", Blue = "16711680", Red = "255";

// A section with the values the import gives: 5 x 5 cells, 5 bars each way, 1000 of bar area.
TFrameSection NewSection(SectionShape shape, double t1, double t2,
                         FrameSectionKind kind = FrameSectionKind::Column)
{
    TFrameSection s;
    s.Name = "S1";
    s.Shape = shape;
    s.ElemType = ElementKind::NonlinearBeamColumn;
    s.SectionKind = kind;
    s.T1 = t1;
    s.T2 = t2;
    s.Material = 1;
    s.DivideFX = s.DivideFY = 5;
    s.BarNumNX = s.BarNumNY = 5;
    s.Cover = 35;
    s.XBarTop = s.YBarBot = 1000;
    return s;
}

Ops Drawn(const TFrameSection& section)
{
    RecordingCanvas canvas(SectionPictureSize, SectionPictureSize);
    DrawSectionLayout(canvas, section);
    return canvas.Operations;
}

std::string Op(const char* name, std::initializer_list<int> values)
{
    std::string line = name;
    for (int v : values)
        line += " " + std::to_string(v);
    return line;
}

std::string Bar(int x, int y)
{
    return Op("ellipse", {x - 4, y - 4, x + 4, y + 4});
}

std::string CountText(long long count)
{
    return "text 50 180 MS Sans Serif 8 0 " + White + " NUM OF FIBERS = " + std::to_string(count);
}

const Ops Cleared = {"pen " + Black + " 1", "brush " + White + " solid", "rectangle 0 0 200 200"};

Ops Concat(std::initializer_list<Ops> parts)
{
    Ops all;
    for (const Ops& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> OpsNamed(const Ops& ops, const std::string& name)
{
    std::vector<std::string> found;
    for (const std::string& op : ops)
        if (op.rfind(name + " ", 0) == 0)
            found.push_back(op);
    return found;
}

// 800 deep and 400 wide with cover 50: 0.2 pixels per unit, bars 350 above and below and 150
// left and right of the centre.
TFrameSection Column800x400(FrameSectionKind kind = FrameSectionKind::Column)
{
    TFrameSection s = NewSection(SectionShape::Rectangle, 800, 400, kind);
    s.Cover = 50;
    return s;
}

const Ops RectangleGrid = {"pen " + Black + " 1", "rectangle 60 20 140 180", "pen " + Blue + " 1",
                           "line 76 20 76 180",   "line 92 20 92 180",       "line 108 20 108 180",
                           "line 124 20 124 180", "line 60 52 140 52",       "line 60 84 140 84",
                           "line 60 116 140 116", "line 60 148 140 148"};

TEST(DrawSectionLayout, RectangularColumnWithTheStartingValues)
{
    const Ops expected = Concat({
        Cleared,
        RectangleGrid,
        {"pen " + Red + " 1", "brush " + Red + " solid", Bar(70, 30), Bar(70, 170), Bar(85, 30),
         Bar(85, 170), Bar(100, 30), Bar(100, 170), Bar(115, 30), Bar(115, 170), Bar(130, 30),
         Bar(130, 170)},
        // The side bars from the top down, strictly between the corner bars.
        {"pen " + Blue + " 1", "brush " + Blue + " solid", Bar(70, 53), Bar(130, 53), Bar(70, 77),
         Bar(130, 77), Bar(70, 100), Bar(130, 100), Bar(70, 123), Bar(130, 123), Bar(70, 147),
         Bar(130, 147)},
        {"brush " + White + " solid", CountText(45)},
    });
    EXPECT_EQ(Drawn(Column800x400()), expected);
}

TEST(DrawSectionLayout, RectangularBeamWithTheStartingValues)
{
    const Ops expected = Concat({
        Cleared,
        RectangleGrid,
        {"pen " + Red + " 1", "brush " + Red + " solid", Bar(70, 30), Bar(85, 30), Bar(100, 30),
         Bar(115, 30), Bar(130, 30)},
        {"pen " + Blue + " 1", "brush " + Blue + " solid", Bar(70, 170), Bar(85, 170),
         Bar(100, 170), Bar(115, 170), Bar(130, 170)},
        {"brush " + White + " solid", CountText(35)},
    });
    EXPECT_EQ(Drawn(Column800x400(FrameSectionKind::Beam)), expected);
}

TEST(DrawSectionLayout, OneCellHasNoGridLines)
{
    TFrameSection s = Column800x400();
    s.DivideFX = s.DivideFY = 1;
    const Ops ops = Drawn(s);
    EXPECT_TRUE(OpsNamed(ops, "line").empty());
    EXPECT_EQ(ops.back(), CountText(21));
    EXPECT_EQ(OpsNamed(ops, "ellipse").size(), 20u);
}

TEST(DrawSectionLayout, RowsWithoutBars)
{
    TFrameSection s = Column800x400();
    s.BarNumNY = 0;
    Ops ops = Drawn(s);
    EXPECT_EQ(OpsNamed(ops, "ellipse").size(), 10u);
    EXPECT_EQ(ops.back(), CountText(35));

    s.BarNumNY = 5;
    s.BarNumNX = 0;
    ops = Drawn(s);
    EXPECT_EQ(OpsNamed(ops, "ellipse").size(), 10u);
    EXPECT_EQ(ops.back(), CountText(35));
}

TEST(DrawSectionLayout, NegativeCountsCountAsNone)
{
    TFrameSection s = Column800x400();
    s.DivideFX = -3;
    s.BarNumNX = -1;
    const Ops ops = Drawn(s);
    EXPECT_EQ(ops.back(), CountText(10));
    for (const std::string& line : OpsNamed(ops, "line"))
        EXPECT_EQ(line.rfind("line 60 ", 0), 0u) << line; // only the rows' lines
}

TEST(DrawSectionLayout, IShape)
{
    TFrameSection s = NewSection(SectionShape::I, 400, 200);
    s.T3 = 20;
    s.T4 = 10;
    const Ops expected = Concat({
        Cleared,
        {"pen " + Black + " 1", "rectangle 60 20 140 28", "rectangle 60 180 140 172",
         "rectangle 98 28 102 172"},
        {"pen " + Blue + " 1", "line 76 20 76 28", "line 76 180 76 172", "line 92 20 92 28",
         "line 92 180 92 172", "line 108 20 108 28", "line 108 180 108 172", "line 124 20 124 28",
         "line 124 180 124 172"},
        {"line 98 57 102 57", "line 98 86 102 86", "line 98 114 102 114", "line 98 143 102 143"},
        {"brush " + White + " solid", CountText(15)},
    });
    EXPECT_EQ(Drawn(s), expected);
}

TEST(DrawSectionLayout, Box)
{
    TFrameSection s = NewSection(SectionShape::Box, 400, 200);
    s.T3 = 20;
    s.T4 = 20;
    s.DivideFX = 2;
    s.DivideFY = 3;
    const Ops expected = Concat({
        Cleared,
        {"pen " + Black + " 1", "rectangle 60 20 140 28", "rectangle 60 180 140 172",
         "rectangle 60 28 68 172", "rectangle 140 28 132 172"},
        {"pen " + Blue + " 1", "line 100 20 100 28", "line 100 180 100 172"},
        // Web lines at 180 - 120 v from the centre: 24 and -24 pixels.
        {"line 60 76 68 76", "line 140 76 132 76", "line 60 124 68 124", "line 140 124 132 124"},
        {"brush " + White + " solid", CountText(10)},
    });
    EXPECT_EQ(Drawn(s), expected);
}

TEST(DrawSectionLayout, PipeOfFourDivisions)
{
    TFrameSection s = NewSection(SectionShape::Pipe, 400, 20);
    s.DivideFX = 4;
    const Ops expected = Concat({
        Cleared,
        {"ellipse 20 20 180 180", "ellipse 28 28 172 172", "line 172 100 180 100",
         "line 100 172 100 180", "line 28 100 20 100", "line 100 28 100 20"},
    });
    EXPECT_EQ(Drawn(s), expected); // no count for a pipe
}

TEST(DrawSectionLayout, UnknownShapeIsOnlyCleared)
{
    TFrameSection s = NewSection(SectionShape::None, 400, 200);
    EXPECT_EQ(Drawn(s), Cleared);
}

TEST(DrawSectionLayout, SectionWithoutDimensionsStopsAfterClearing)
{
    TFrameSection s = NewSection(SectionShape::Rectangle, 0, 0);
    RecordingCanvas canvas(SectionPictureSize, SectionPictureSize);
    try {
        DrawSectionLayout(canvas, s);
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    EXPECT_EQ(canvas.Operations, Cleared);

    // A number outside the table reads the zero record, which has no dimensions either.
    Model model;
    model.FrameSections.Reset(1);
    model.FrameSections.Edit(1) = Column800x400();
    RecordingCanvas other(SectionPictureSize, SectionPictureSize);
    DrawSectionLayout(other, model, 1);
    EXPECT_EQ(other.Operations, Drawn(Column800x400()));
    EXPECT_THROW(DrawSectionLayout(other, model, 2), VekError);
    EXPECT_THROW(DrawSectionLayout(other, model, -1), VekError);
}

TEST(DrawSectionLayout, RowOfOneBarSitsAtTheRowCentre)
{
    TFrameSection column = Column800x400();
    column.BarNumNX = 1;
    Ops ops = Drawn(column);
    EXPECT_NE(std::find(ops.begin(), ops.end(), Bar(100, 30)), ops.end());
    EXPECT_NE(std::find(ops.begin(), ops.end(), Bar(100, 170)), ops.end());
    EXPECT_EQ(ops.back(), CountText(37));

    // Also when the row has no width at all.
    column.Cover = 200;
    ops = Drawn(column);
    EXPECT_NE(std::find(ops.begin(), ops.end(), Bar(100, 140)), ops.end());

    TFrameSection beam = Column800x400(FrameSectionKind::Beam);
    beam.BarNumNX = 1;
    beam.BarNumNY = 1;
    ops = Drawn(beam);
    EXPECT_EQ(OpsNamed(ops, "ellipse"), (std::vector<std::string>{Bar(100, 30), Bar(100, 170)}));
    EXPECT_EQ(ops.back(), CountText(27));
}

// The centre of each drawn bar, from its box.
std::multiset<std::pair<int, int>> DrawnBarCentres(const Ops& ops)
{
    std::multiset<std::pair<int, int>> centres;
    for (const std::string& op : OpsNamed(ops, "ellipse")) {
        int l, t, r, b;
        EXPECT_EQ(std::sscanf(op.c_str(), "ellipse %d %d %d %d", &l, &t, &r, &b), 4);
        centres.insert({(l + r) / 2, (t + b) / 2});
    }
    return centres;
}

TEST(DrawSectionLayout, BarsAreWhereTheBuilderPutsTheirFibres)
{
    constexpr std::int32_t Rebar = 99;
    std::vector<TFrameSection> sections;
    for (FrameSectionKind kind : {FrameSectionKind::Beam, FrameSectionKind::Column}) {
        sections.push_back(NewSection(SectionShape::Rectangle, 600, 400, kind));
        TFrameSection odd = NewSection(SectionShape::Rectangle, 555, 321, kind);
        odd.Cover = 37.5;
        odd.BarNumNX = 4;
        odd.BarNumNY = 3;
        sections.push_back(odd);
        TFrameSection single = NewSection(SectionShape::Rectangle, 450, 700, kind);
        single.BarNumNX = 1;
        single.BarNumNY = 1;
        sections.push_back(single);
        TFrameSection many = NewSection(SectionShape::Rectangle, 1000, 999, kind);
        many.BarNumNX = 9;
        many.BarNumNY = 7;
        many.Cover = 41;
        sections.push_back(many);
    }
    for (TFrameSection s : sections) {
        SCOPED_TRACE(std::to_string(s.T1) + " x " + std::to_string(s.T2) + " kind " +
                     std::to_string(CodeNumber(s.SectionKind)));
        const Ops ops = Drawn(s);
        const FiberList list = BuildFiberList(s, Rebar);
        const double scale = 160 / std::max(s.T1, s.T2);
        std::multiset<std::pair<int, int>> fibres;
        for (std::int32_t k = 1; k <= list.Count(); ++k) {
            const TFiber& f = list.Fibers[k];
            if (f.MatTag == Rebar)
                fibres.insert(
                    {100 + RoundHalfEvenToInt(scale * f.Y), 100 - RoundHalfEvenToInt(scale * f.Z)});
        }
        EXPECT_EQ(DrawnBarCentres(ops), fibres);
        EXPECT_EQ(ops.back(), CountText(list.Count()));
    }
}

// Each column of concrete fibres lies inside one column of drawn cells, and each cell column
// holds one; the same for the rows.
TEST(DrawSectionLayout, CellsAreWhereTheBuilderPutsTheConcreteFibres)
{
    TFrameSection s = NewSection(SectionShape::Rectangle, 620, 410);
    s.DivideFX = 4;
    s.DivideFY = 7;
    const Ops ops = Drawn(s);
    const FiberList list = BuildFiberList(s, 1);
    const double scale = 160 / std::max(s.T1, s.T2);

    std::vector<int> xs{100 - RoundHalfEvenToInt(scale * s.T2 / 2),
                        100 + RoundHalfEvenToInt(scale * s.T2 / 2)};
    std::vector<int> ys{100 - RoundHalfEvenToInt(scale * s.T1 / 2),
                        100 + RoundHalfEvenToInt(scale * s.T1 / 2)};
    for (const std::string& op : OpsNamed(ops, "line")) {
        int x0, y0, x1, y1;
        ASSERT_EQ(std::sscanf(op.c_str(), "line %d %d %d %d", &x0, &y0, &x1, &y1), 4);
        (x0 == x1 ? xs : ys).push_back(x0 == x1 ? x0 : y0);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    ASSERT_EQ(xs.size(), 5u);
    ASSERT_EQ(ys.size(), 8u);

    std::set<std::pair<int, int>> cells;
    for (std::int32_t k = 1; k <= s.DivideFX * s.DivideFY; ++k) {
        const double x = 100 + scale * list.Fibers[k].Y, y = 100 - scale * list.Fibers[k].Z;
        const auto column = std::upper_bound(xs.begin(), xs.end(), x) - xs.begin();
        const auto row = std::upper_bound(ys.begin(), ys.end(), y) - ys.begin();
        ASSERT_GE(column, 1);
        ASSERT_LT(column, 5);
        ASSERT_GE(row, 1);
        ASSERT_LT(row, 8);
        cells.insert({static_cast<int>(column), static_cast<int>(row)});
    }
    EXPECT_EQ(cells.size(), 28u);
}

// Divisions in the millions draw each pixel column once: the picture looks the same.
TEST(DrawSectionLayout, DenseDivisionsDrawEachPixelOnce)
{
    TFrameSection s = Column800x400();
    s.DivideFX = 2000000000;
    s.DivideFY = 3;
    s.BarNumNX = 1000000;
    const Ops ops = Drawn(s);
    std::vector<int> verticals;
    for (const std::string& op : OpsNamed(ops, "line")) {
        int x0, y0, x1, y1;
        ASSERT_EQ(std::sscanf(op.c_str(), "line %d %d %d %d", &x0, &y0, &x1, &y1), 4);
        if (x0 == x1) {
            EXPECT_EQ(y0, 20);
            EXPECT_EQ(y1, 180);
            verticals.push_back(x0);
        }
    }
    std::vector<int> every;
    for (int x = 60; x <= 140; ++x)
        every.push_back(x);
    EXPECT_EQ(verticals, every);
    // The row of bars covers 70..130 at the top and the bottom.
    EXPECT_EQ(DrawnBarCentres(ops).count({70, 30}), 1u);
    EXPECT_EQ(DrawnBarCentres(ops).count({130, 170}), 1u);
    EXPECT_EQ(OpsNamed(ops, "ellipse").size(), 2u * 61 + 10);
    EXPECT_EQ(ops.back(), CountText(6002000010));
}

TEST(DrawSectionLayout, ExtremeDimensionsStayInsideTheCanvasRange)
{
    TFrameSection s = NewSection(SectionShape::Rectangle, 1e-300, -1e300);
    s.Cover = 1e300;
    const Ops ops = Drawn(s);
    EXPECT_EQ(ops.back(), CountText(45));
    s = NewSection(SectionShape::Pipe, 1, 1e308);
    EXPECT_EQ(Drawn(s).size(), Cleared.size() + 2 + 5);
}

TEST(SectionPictureFiberCount, ByShapeAndKind)
{
    EXPECT_EQ(SectionPictureFiberCount(
                  NewSection(SectionShape::Rectangle, 1, 1, FrameSectionKind::Column)),
              45);
    EXPECT_EQ(
        SectionPictureFiberCount(NewSection(SectionShape::Rectangle, 1, 1, FrameSectionKind::Beam)),
        35);
    EXPECT_EQ(SectionPictureFiberCount(NewSection(SectionShape::I, 1, 1)), 15);
    EXPECT_EQ(SectionPictureFiberCount(NewSection(SectionShape::Box, 1, 1)), 20);
    EXPECT_EQ(SectionPictureFiberCount(NewSection(SectionShape::Pipe, 1, 1)), std::nullopt);
    EXPECT_EQ(SectionPictureFiberCount(NewSection(SectionShape::None, 1, 1)), std::nullopt);
    // The picture counts a box's fibres as the builder makes them.
    const TFrameSection box = NewSection(SectionShape::Box, 400, 200);
    EXPECT_EQ(SectionPictureFiberCount(box), BuildFiberList(box, 1).Count());
}

} // namespace
} // namespace vek
