#include "sections/fiber_builder.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <string>

namespace vek {
namespace {

// A section with the values a new section starts with: 5 x 5 cells, 5 bars each way,
// cover 35, 1000 of bar area top and bottom; 400 deep, 300 wide.
TFrameSection NewSection(SectionShape shape, FrameSectionKind kind = FrameSectionKind::Column)
{
    TFrameSection s;
    s.Name = "S1";
    s.Shape = shape;
    s.ElemType = ElementKind::NonlinearBeamColumn;
    s.SectionKind = kind;
    s.T1 = 400;
    s.T2 = 300;
    s.T3 = 20;
    s.T4 = 10;
    s.Material = 3;
    s.DivideFX = s.DivideFY = 5;
    s.BarNumNX = s.BarNumNY = 5;
    s.Cover = 35;
    s.XBarTop = s.YBarBot = 1000;
    return s;
}

FiberList Built(const TFrameSection& s, std::int32_t rebar = 1)
{
    return BuildFiberList(s, rebar);
}

void ExpectFiber(const FiberList& s, int n, double y, double z, double area, int mat)
{
    SCOPED_TRACE("fibre " + std::to_string(n));
    ASSERT_LT(static_cast<std::size_t>(n), s.Fibers.size());
    EXPECT_DOUBLE_EQ(s.Fibers[n].Y, y);
    EXPECT_DOUBLE_EQ(s.Fibers[n].Z, z);
    EXPECT_DOUBLE_EQ(s.Fibers[n].Area, area);
    EXPECT_EQ(s.Fibers[n].MatTag, mat);
}

TEST(BuildFiberList, CountsOfNewSections)
{
    EXPECT_EQ(Built(NewSection(SectionShape::Rectangle, FrameSectionKind::Column)).Count(), 45);
    EXPECT_EQ(Built(NewSection(SectionShape::Rectangle, FrameSectionKind::Beam)).Count(), 35);
    EXPECT_EQ(Built(NewSection(SectionShape::Rectangle, FrameSectionKind::None)).Count(),
              45); // not a beam: a column
    EXPECT_EQ(Built(NewSection(SectionShape::I)).Count(), 15);
    EXPECT_EQ(Built(NewSection(SectionShape::Box)).Count(), 20);
    TFrameSection pipe = NewSection(SectionShape::Pipe);
    pipe.DivideFX = 20;
    EXPECT_EQ(Built(pipe).Count(), 20);

    for (std::int32_t shape : {0, 5, -1}) {
        TFrameSection other = NewSection(static_cast<SectionShape>(shape));
        EXPECT_EQ(Built(other).Count(), 0) << "shape " << shape;
    }
}

TEST(BuildFiberList, RectangularColumnCellsAndBars)
{
    const FiberList s = Built(NewSection(SectionShape::Rectangle), 9);
    ASSERT_EQ(s.Count(), 45);
    // Cells 60 wide, 80 high, row by row from the bottom left.
    ExpectFiber(s, 1, -120, -160, 4800, 3);
    ExpectFiber(s, 2, -60, -160, 4800, 3);
    ExpectFiber(s, 5, 120, -160, 4800, 3);
    ExpectFiber(s, 6, -120, -80, 4800, 3);
    ExpectFiber(s, 19, 60, 80, 4800, 3);
    ExpectFiber(s, 25, 120, 160, 4800, 3);
    // The middle cell lies exactly on the centre.
    EXPECT_EQ(s.Fibers[13].Y, 0.0);
    EXPECT_EQ(s.Fibers[13].Z, 0.0);
    // Bottom row, then top row, bar centres 115 from the middle, 57.5 apart.
    ExpectFiber(s, 26, -115, -165, 200, 9);
    ExpectFiber(s, 27, -57.5, -165, 200, 9);
    EXPECT_EQ(s.Fibers[28].Y, 0.0);
    ExpectFiber(s, 30, 115, -165, 200, 9);
    ExpectFiber(s, 31, -115, 165, 200, 9);
    ExpectFiber(s, 35, 115, 165, 200, 9);
    // Left side then right side, bottom to top, 55 apart, between the rows.
    ExpectFiber(s, 36, -115, -110, 200, 9);
    ExpectFiber(s, 37, -115, -55, 200, 9);
    ExpectFiber(s, 40, -115, 110, 200, 9);
    ExpectFiber(s, 41, 115, -110, 200, 9);
    ExpectFiber(s, 45, 115, 110, 200, 9);
}

TEST(BuildFiberList, RectangularBeamBars)
{
    TFrameSection beam = NewSection(SectionShape::Rectangle, FrameSectionKind::Beam);
    beam.XBarTop = 1500;
    beam.BarNumNY = 3;
    const FiberList s = Built(beam, 4);
    ASSERT_EQ(s.Count(), 25 + 5 + 3);
    ExpectFiber(s, 25, 120, 160, 4800, 3);
    // Top row first, then bottom row.
    ExpectFiber(s, 26, -115, 165, 300, 4);
    ExpectFiber(s, 30, 115, 165, 300, 4);
    ExpectFiber(s, 31, -115, -165, 1000.0 / 3, 4);
    ExpectFiber(s, 32, 0, -165, 1000.0 / 3, 4);
    ExpectFiber(s, 33, 115, -165, 1000.0 / 3, 4);
}

TEST(BuildFiberList, OneCellCoversTheWholeRectangle)
{
    TFrameSection one = NewSection(SectionShape::Rectangle);
    one.DivideFX = one.DivideFY = 1;
    one.BarNumNX = one.BarNumNY = 0;
    const FiberList s = Built(one);
    ASSERT_EQ(s.Count(), 1);
    ExpectFiber(s, 1, 0, 0, 120000, 3);
}

TEST(BuildFiberList, ColumnWithBarRowsOnlyOrSidesOnly)
{
    TFrameSection rows = NewSection(SectionShape::Rectangle);
    rows.BarNumNX = 3;
    rows.BarNumNY = 0;
    const FiberList r = Built(rows);
    ASSERT_EQ(r.Count(), 25 + 6);
    ExpectFiber(r, 26, -115, -165, 1000.0 / 3, 1);
    ExpectFiber(r, 28, 115, -165, 1000.0 / 3, 1);
    ExpectFiber(r, 29, -115, 165, 1000.0 / 3, 1);
    ExpectFiber(r, 31, 115, 165, 1000.0 / 3, 1);

    TFrameSection sides = NewSection(SectionShape::Rectangle);
    sides.BarNumNX = 0;
    sides.BarNumNY = 2;
    const FiberList d = Built(sides);
    ASSERT_EQ(d.Count(), 25 + 4);
    ExpectFiber(d, 26, -115, -55, 500, 1);
    ExpectFiber(d, 27, -115, 55, 500, 1);
    ExpectFiber(d, 28, 115, -55, 500, 1);
    ExpectFiber(d, 29, 115, 55, 500, 1);
}

TEST(BuildFiberList, ARowOfOneBarSitsAtTheCentre)
{
    TFrameSection beam = NewSection(SectionShape::Rectangle, FrameSectionKind::Beam);
    beam.BarNumNX = beam.BarNumNY = 1;
    const FiberList b = Built(beam);
    ASSERT_EQ(b.Count(), 27);
    ExpectFiber(b, 26, 0, 165, 1000, 1);
    ExpectFiber(b, 27, 0, -165, 1000, 1);

    TFrameSection column = NewSection(SectionShape::Rectangle, FrameSectionKind::Column);
    column.BarNumNX = column.BarNumNY = 1;
    const FiberList c = Built(column);
    ASSERT_EQ(c.Count(), 29);
    ExpectFiber(c, 26, 0, -165, 1000, 1);
    ExpectFiber(c, 27, 0, 165, 1000, 1);
    ExpectFiber(c, 28, -115, 0, 1000, 1);
    ExpectFiber(c, 29, 115, 0, 1000, 1);
}

// 400 deep, 200 wide, flanges 20 thick, webs 10 thick; 4 cells across, 4 up.
TFrameSection FlangedSection(SectionShape shape)
{
    TFrameSection s = NewSection(shape);
    s.T2 = 200;
    s.DivideFX = s.DivideFY = 4;
    return s;
}

TEST(BuildFiberList, IShapeFlangesThenWeb)
{
    const FiberList s = Built(FlangedSection(SectionShape::I), 8);
    ASSERT_EQ(s.Count(), 12);
    const double y[] = {-75, -25, 25, 75};
    for (int k = 0; k < 4; ++k) {
        ExpectFiber(s, 1 + k, y[k], -190, 1000, 3);
        ExpectFiber(s, 5 + k, y[k], 190, 1000, 3);
    }
    const double z[] = {-135, -45, 45, 135};
    for (int j = 0; j < 4; ++j)
        ExpectFiber(s, 9 + j, 0, z[j], 900, 3);
}

TEST(BuildFiberList, BoxFlangesThenLeftAndRightWebs)
{
    const FiberList s = Built(FlangedSection(SectionShape::Box), 8);
    ASSERT_EQ(s.Count(), 16);
    const double y[] = {-75, -25, 25, 75};
    for (int k = 0; k < 4; ++k) {
        ExpectFiber(s, 1 + k, y[k], -190, 1000, 3);
        ExpectFiber(s, 5 + k, y[k], 190, 1000, 3);
    }
    const double z[] = {-135, -45, 45, 135};
    for (int j = 0; j < 4; ++j) {
        ExpectFiber(s, 9 + j, -95, z[j], 900, 3);
        ExpectFiber(s, 13 + j, 95, z[j], 900, 3);
    }
}

TEST(BuildFiberList, PipeFibresAroundTheMeanCircle)
{
    TFrameSection pipe = NewSection(SectionShape::Pipe);
    pipe.T1 = 200;
    pipe.T2 = 10;
    pipe.DivideFX = 4;
    const FiberList s = Built(pipe, 8);
    ASSERT_EQ(s.Count(), 4);
    const double r = 95;
    const double y[] = {r, 0, -r, 0};
    const double z[] = {0, r, 0, -r};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_NEAR(s.Fibers[k + 1].Y, y[k], 1e-9);
        EXPECT_NEAR(s.Fibers[k + 1].Z, z[k], 1e-9);
        // Ring area pi/4 (200^2 - 180^2) shared by 4.
        EXPECT_DOUBLE_EQ(s.Fibers[k + 1].Area, 475 * std::numbers::pi);
        EXPECT_EQ(s.Fibers[k + 1].MatTag, 3);
    }
}

TEST(BuildFiberList, FineDivisionsMakeLongLists)
{
    TFrameSection fine = NewSection(SectionShape::Rectangle);
    fine.DivideFX = fine.DivideFY = 8;
    const FiberList s = Built(fine, 6);
    ASSERT_EQ(s.Count(), 84);
    // Cells 37.5 wide and 50 high.
    for (int j = 1; j <= 8; ++j)
        for (int k = 1; k <= 8; ++k)
            ExpectFiber(s, (j - 1) * 8 + k, -131.25 + (k - 1) * 37.5, -175 + (j - 1) * 50, 1875, 3);
    const double bar[] = {-115, -57.5, 0, 57.5, 115};
    const double side[] = {-110, -55, 0, 55, 110};
    for (int i = 0; i < 5; ++i) {
        ExpectFiber(s, 65 + i, bar[i], -165, 200, 6);
        ExpectFiber(s, 70 + i, bar[i], 165, 200, 6);
        ExpectFiber(s, 75 + i, -115, side[i], 200, 6);
        ExpectFiber(s, 80 + i, 115, side[i], 200, 6);
    }
}

TEST(BuildFiberList, NegativeCountsCountAsZero)
{
    TFrameSection column = NewSection(SectionShape::Rectangle);
    column.DivideFX = -2;
    column.BarNumNX = -1;
    column.BarNumNY = 2;
    const FiberList c = Built(column);
    ASSERT_EQ(c.Count(), 4);
    ExpectFiber(c, 1, -115, -55, 500, 1);
    ExpectFiber(c, 4, 115, 55, 500, 1);

    TFrameSection beam = NewSection(SectionShape::Rectangle, FrameSectionKind::Beam);
    beam.DivideFY = -5;
    beam.BarNumNY = -3;
    const FiberList b = Built(beam);
    ASSERT_EQ(b.Count(), 5);
    ExpectFiber(b, 1, -115, 165, 200, 1);

    TFrameSection i = NewSection(SectionShape::I);
    i.DivideFY = -4;
    EXPECT_EQ(Built(i).Count(), 10);
    TFrameSection box = NewSection(SectionShape::Box);
    box.DivideFX = -4;
    EXPECT_EQ(Built(box).Count(), 10);
    TFrameSection pipe = NewSection(SectionShape::Pipe);
    pipe.DivideFX = -1;
    EXPECT_EQ(Built(pipe).Count(), 0);
}

TEST(BuildFiberList, AbsurdCountsAreRefusedBeforeAnyAllocation)
{
    TFrameSection huge = NewSection(SectionShape::Rectangle);
    huge.Name = "C600";
    huge.DivideFX = huge.DivideFY = 2000;
    huge.BarNumNX = huge.BarNumNY = 0;
    const std::int32_t rebar = 1;
    try {
        BuildFiberList(huge, rebar);
        FAIL() << "no error";
    } catch (const VekError& e) {
        EXPECT_STREQ(
            e.what(),
            "Frame section \"C600\" asks for 4000000 fibres; at most 1000000 are possible.");
    }

    // Divisions whose product passes the range of a 32-bit count are still refused.
    huge.DivideFX = huge.DivideFY = INT_MAX;
    EXPECT_THROW(BuildFiberList(huge, rebar), VekError);
    huge.DivideFX = 65536;
    huge.DivideFY = 65536;
    EXPECT_THROW(BuildFiberList(huge, rebar), VekError);

    // The limit itself is allowed.
    TFrameSection pipe = NewSection(SectionShape::Pipe);
    pipe.DivideFX = 1000000;
    EXPECT_EQ(Built(pipe).Count(), 1000000);
    pipe.DivideFX = 1000001;
    EXPECT_THROW(BuildFiberList(pipe, rebar), VekError);
}

} // namespace
} // namespace vek
