#include "util/checked_math.h"
#include "util/error.h"
#include "util/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace vek {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Pair
{
    double in, out;
};

TEST(Rounding, HalvesGoToEven)
{
    const Pair cases[] = {{2.5, 2}, {3.5, 4},       {-2.5, -2},     {-3.5, -4},    {0.5, 0},
                          {1.5, 2}, {2.4999999, 2}, {2.5000001, 3}, {1e300, 1e300}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0); // 0.5 minus half an ulp
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.3)));
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.49999999999999994)));
}

TEST(Rounding, IgnoresTheCurrentRoundingMode)
{
    std::fesetround(FE_UPWARD);
    const double down = RoundHalfEven(2.2), half = RoundHalfEven(2.5);
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(down, 2.0);
    EXPECT_EQ(half, 2.0);
}

TEST(Rounding, ToIntClampsAndMapsNaNToZero)
{
    EXPECT_EQ(RoundHalfEvenToInt(2.5), 2);
    EXPECT_EQ(RoundHalfEvenToInt(-7.6), -8);
    EXPECT_EQ(RoundHalfEvenToInt(1e10), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt(-1e10), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEvenToInt(kInf), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt(-kInf), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEvenToInt(kNaN), 0);
}

// The integer rounding is written apart from RoundHalfEven: both must agree on every half,
// on both sides of zero and next to the ends of the range, in any rounding mode.
TEST(Rounding, ToIntAgreesWithRoundHalfEven)
{
    std::vector<double> values;
    for (int k = -40; k <= 40; ++k) {
        const double half = k / 2.0;
        values.insert(values.end(), {half, std::nextafter(half, -kInf), std::nextafter(half, kInf),
                                     half + 0.3, half - 0.3});
    }
    for (const double edge : {2147483646.5, 2147483647.0, 2147483647.49, -2147483647.5,
                              -2147483648.0, -2147483648.49, 734.4999999999999, -80.5000000001})
        values.push_back(edge);
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        std::vector<std::int32_t> got;
        for (const double v : values)
            got.push_back(RoundHalfEvenToInt(v));
        std::fesetround(FE_TONEAREST);
        for (std::size_t k = 0; k < values.size(); ++k)
            EXPECT_EQ(got[k], static_cast<std::int32_t>(RoundHalfEven(values[k])))
                << values[k] << " in mode " << mode;
    }
    EXPECT_EQ(RoundHalfEvenToInt(2147483647.5), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt(-2147483648.5), -2147483647 - 1);
}

TEST(Rounding, ToTenthFollowsTheStoredValue)
{
    // 0.35 is stored just below 0.35 even though 0.35 * 10 rounds to exactly 3.5.
    const Pair cases[] = {{0.35, 0.3},       {-0.35, -0.3}, {1.25, 1.2}, {1.35, 1.4},
                          {3000.04, 3000.0}, {0.05, 0.1},   {0.15, 0.1}, {2.45, 2.5},
                          {-1.25, -1.2},     {12.34, 12.3}, {0.25, 0.2}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundToTenth(c.in), c.out) << c.in;
}

void ExpectError(double a, double b, const char* message)
{
    try {
        CheckedDivide(a, b);
        ADD_FAILURE() << a << " / " << b;
    } catch (const VekError& e) {
        EXPECT_STREQ(e.what(), message) << a << " / " << b;
    }
}

TEST(CheckedMath, DivideReportsWhatIeeeHides)
{
    EXPECT_EQ(CheckedDivide(1, 4), 0.25);
    EXPECT_EQ(CheckedDivide(0, -4), 0.0);
    ExpectError(1, 0, "Floating point division by zero");
    ExpectError(-1, -0.0, "Floating point division by zero");
    ExpectError(0, 0, "Invalid floating point operation");
    ExpectError(kNaN, 1, "Invalid floating point operation");
    ExpectError(1, kNaN, "Invalid floating point operation");
    ExpectError(kNaN, 0, "Invalid floating point operation");
    ExpectError(kInf, 2, "Invalid floating point operation");
    ExpectError(1e300, 1e-300, "Invalid floating point operation");
}

TEST(CheckedMath, FiniteRejectsNaNAndInfinity)
{
    EXPECT_EQ(CheckedFinite(-1.5), -1.5);
    for (double v : {kNaN, kInf, -kInf})
        EXPECT_THROW(CheckedFinite(v), VekError);
}

} // namespace
} // namespace vek
