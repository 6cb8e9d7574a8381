#include "sections/section_properties.h"

#include "util/error.h"
#include "util/format.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

namespace vek {
namespace {

TFrameSection Section(SectionShape shape, double t1, double t2, double t3 = 0, double t4 = 0)
{
    return {.Shape = shape, .T1 = t1, .T2 = t2, .T3 = t3, .T4 = t4, .Name = "Z"};
}

TEST(PropertiesOf, EveryShapeFromItsDimensions)
{
    constexpr double pi = std::numbers::pi;
    TMaterial concrete, steel;
    concrete.G = 10000;
    steel.G = 80000;

    const SectionProperties r = PropertiesOf(Section(SectionShape::Rectangle, 600, 300), concrete);
    EXPECT_EQ(r.A, 180000);
    EXPECT_EQ(r.Iz, 1.35E9);
    EXPECT_EQ(r.Iy, 5.4E9);
    EXPECT_EQ(r.Asy, 150000);
    EXPECT_EQ(r.Asz, 150000);
    EXPECT_DOUBLE_EQ(r.J, 1.0125E9 * (16.0 / 3 - 1.68 * (191.0 / 192)));
    EXPECT_EQ(FormatScientific(r.J, 4), "3.708E+009");
    EXPECT_EQ(r.G, 10000);
    // Lying on its side: the bending axes swap, the torsion stays.
    const SectionProperties side =
        PropertiesOf(Section(SectionShape::Rectangle, 300, 600), concrete);
    EXPECT_EQ(side.Iz, 5.4E9);
    EXPECT_EQ(side.Iy, 1.35E9);
    EXPECT_EQ(side.J, r.J);
    EXPECT_DOUBLE_EQ(PropertiesOf(Section(SectionShape::Rectangle, 400, 400), concrete).J,
                     1.6E9 * (16.0 / 3 - 3.36 * 11 / 12));

    const SectionProperties i = PropertiesOf(Section(SectionShape::I, 400, 200, 20, 10), steel);
    EXPECT_EQ(i.A, 11600);
    EXPECT_DOUBLE_EQ(i.Iz, 26700000);
    EXPECT_DOUBLE_EQ(i.Iy, 288800000 + 160000000.0 / 3);
    EXPECT_DOUBLE_EQ(i.Asy, 10000.0 / 3);
    EXPECT_DOUBLE_EQ(i.Asz, 20000.0 / 3);
    EXPECT_EQ(i.J, 1200000);
    EXPECT_EQ(i.G, 80000);

    const SectionProperties box = PropertiesOf(Section(SectionShape::Box, 400, 300, 20, 10), steel);
    EXPECT_EQ(box.A, 19200);
    EXPECT_EQ(box.Iz, 258200000);
    EXPECT_DOUBLE_EQ(box.Iy, 433200000 + 320000000.0 / 3);
    EXPECT_EQ(box.Asy, 8000);
    EXPECT_EQ(box.Asz, 12000);
    EXPECT_DOUBLE_EQ(box.J, 2.88E10 / 55);

    const SectionProperties pipe = PropertiesOf(Section(SectionShape::Pipe, 200, 10), steel);
    EXPECT_DOUBLE_EQ(pipe.A, 1900 * pi);
    EXPECT_DOUBLE_EQ(pipe.Iz, 8597500 * pi);
    EXPECT_EQ(pipe.Iy, pipe.Iz);
    EXPECT_EQ(pipe.Asy, pipe.A);
    EXPECT_EQ(pipe.Asz, pipe.A);
    EXPECT_DOUBLE_EQ(pipe.J, 17195000 * pi);

    // A shape without formulas has none, not even the material's G.
    const SectionProperties other =
        PropertiesOf(Section(static_cast<SectionShape>(9), 100, 0), steel);
    EXPECT_EQ(other.A, 0);
    EXPECT_EQ(other.G, 0);
}

TEST(PropertiesOf, ZeroDimensionsRaiseInsteadOfInfinities)
{
    auto error = [](SectionShape shape, double t1, double t2, double t3, double t4) {
        try {
            PropertiesOf(Section(shape, t1, t2, t3, t4), TMaterial{});
        } catch (const VekError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(error(SectionShape::Rectangle, 0, 0, 0, 0), "Invalid floating point operation");
    EXPECT_EQ(error(SectionShape::Box, 400, 300, 0, 10), "Floating point division by zero");
    EXPECT_EQ(error(SectionShape::Box, 400, 300, 20, 0), "Floating point division by zero");
    EXPECT_EQ(error(SectionShape::Box, 400, 0, 0, 10), "Invalid floating point operation");
    // Zero walls that divide nothing are fine.
    EXPECT_EQ(error(SectionShape::I, 400, 200, 0, 0), "");
    EXPECT_EQ(error(SectionShape::Pipe, 0, 0, 0, 0), "");
}

} // namespace
} // namespace vek
