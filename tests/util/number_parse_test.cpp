#include "util/error.h"
#include "util/number_parse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace vek {
namespace {

struct IntCase
{
    const char* text;
    std::int32_t value;
};

struct FloatCase
{
    const char* text;
    double value;
};

TEST(StrToInt, AcceptsSignedDecimalWithinInt32)
{
    const IntCase cases[] = {{"0", 0},   {"+7", 7}, {"-7", -7},
                             {"007", 7}, {"-0", 0}, {"0000000000012", 12}};
    for (const auto& c : cases) {
        std::int32_t value = 99;
        EXPECT_TRUE(TryStrToInt(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    }
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RejectsAnythingElseAndKeepsTheValue)
{
    for (const char* text :
         {"", "+", "-", "--1", "+-1", " 1", "1 ", "1 2", "0x10", "1.0", "1e3", ".5", "5.", "-5.e-3",
          "12a", "2147483648", "-2147483649", "99999999999999999999"}) {
        std::int32_t value = 99;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}

TEST(StrToInt, ErrorQuotesTheText)
{
    try {
        StrToInt("1.5 ");
        FAIL();
    } catch (const VekError& e) {
        EXPECT_STREQ(e.what(), "'1.5 ' is not a valid integer value");
    }
}

TEST(StrToFloat, AcceptsTheDecimalForms)
{
    const FloatCase cases[] = {
        {"0", 0.0},      {"1", 1.0},        {"+7", 7.0},       {"-2.5", -2.5},   {".5", 0.5},
        {"5.", 5.0},     {"-5.e-3", -5e-3}, {"1E3", 1000.0},   {"1e+3", 1000.0}, {"2.5E-2", 0.025},
        {"007.50", 7.5}, {"0.1", 0.1},      {"1e-310", 1e-310}};
    for (const auto& c : cases) {
        double value = 99;
        EXPECT_TRUE(TryStrToFloat(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    EXPECT_EQ(StrToFloat("1.7976931348623157e308"), 1.7976931348623157e308);
}

TEST(StrToFloat, UnderflowGivesSignedZero)
{
    for (const char* text : {"1e-400", "0.0000001e-320", "-1e-400", "123e-99999999999999"}) {
        const double value = StrToFloat(text);
        EXPECT_EQ(value, 0.0) << text;
        EXPECT_EQ(std::signbit(value), text[0] == '-') << text;
    }
}

TEST(StrToFloat, RejectsAnythingElse)
{
    for (const char* text : {"",
                             ".",
                             "-",
                             "+",
                             "e5",
                             ".e5",
                             "1e",
                             "1e+",
                             "1E-",
                             "--1",
                             "+-1",
                             "1.2.3",
                             " 1",
                             "1 ",
                             "1,5",
                             "0x10",
                             "inf",
                             "-inf",
                             "nan",
                             "INF",
                             "1e5.0",
                             "1d5",
                             "1E+400",
                             "-1e309",
                             "1.7976931348623159e308",
                             "1000e99999999999999"}) {
        double value = 99;
        EXPECT_FALSE(TryStrToFloat(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
    try {
        StrToFloat("1E+400");
        FAIL();
    } catch (const VekError& e) {
        EXPECT_STREQ(e.what(), "'1E+400' is not a valid floating point value");
    }
}

TEST(StrToFloat, ReadsOnlyTheGivenView)
{
    const std::string line = "12.5,7";
    EXPECT_EQ(StrToFloat(std::string_view(line).substr(0, 4)), 12.5);
    EXPECT_EQ(StrToInt(std::string_view(line).substr(5)), 7);
}

} // namespace
} // namespace vek

namespace vek {
namespace {

// Short decimals take a fast path; it must give exactly what the general conversion gives.
TEST(StrToFloat, ShortDecimalsReadExactlyAsTheGeneralConversion)
{
    unsigned seed = 2024;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int trial = 0; trial < 200000; ++trial) {
        std::string text = (next() % 4 == 0) ? "-" : "";
        const int intDigits = static_cast<int>(next() % 9);
        const int fracDigits = static_cast<int>(next() % 9);
        for (int k = 0; k < intDigits; ++k)
            text += static_cast<char>('0' + next() % 10);
        if (fracDigits > 0 || intDigits == 0) {
            text += '.';
            for (int k = 0; k < std::max(fracDigits, 1); ++k)
                text += static_cast<char>('0' + next() % 10);
        }
        if (next() % 3 == 0)
            text += "E" + std::to_string(static_cast<int>(next() % 50) - 25);
        double expected = 0;
        const char* begin = text.data() + (text[0] == '-' ? 1 : 0);
        std::from_chars(begin, text.data() + text.size(), expected);
        if (text[0] == '-')
            expected = -expected;
        const double got = StrToFloat(text);
        ASSERT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text;
    }
}

} // namespace
} // namespace vek
