#include "util/format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace vek {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case
{
    double value;
    int digits;
    const char* text;
};

struct GeneralCase
{
    double value;
    const char* text;
};

TEST(FormatScientific, DigitsExponentAndRounding)
{
    const Case cases[] = {
        {200000, 4, "2.000E+005"},  {0.05, 4, "5.000E-002"},     {0, 4, "0.000E+000"},
        {-0.0, 4, "0.000E+000"},    {-1.5, 4, "-1.500E+000"},    {1.35E9, 4, "1.350E+009"},
        {9.9995, 4, "1.000E+001"},  {-9.9995, 4, "-1.000E+001"}, {3.7079E9, 4, "3.708E+009"},
        {1, 3, "1.00E+000"},        {1.5, 5, "1.5000E+000"},     {200000, 1, "2E+005"},
        {0.35, 1, "4E-001"},        {1E-308, 4, "1.000E-308"},   {5e-324, 2, "5.0E-324"},
        {1.5e300, 4, "1.500E+300"}, {123.456, 0, "1E+002"},      {kNaN, 4, "NAN"},
        {kInf, 4, "INF"},           {-kInf, 4, "-INF"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatScientific(c.value, c.digits), c.text) << c.value << " " << c.digits;
    EXPECT_EQ(FormatScientific(0.1, 18), "1.00000000000000000E-001");
    EXPECT_EQ(FormatScientific(1.7976931348623157e308, 4), "1.798E+308");
}

TEST(FormatFixed, DecimalsRoundingAndSign)
{
    const Case cases[] = {{0.5, 3, "0.500"},      {-1, 3, "-1.000"},     {2.5, 0, "3"},
                          {-2.5, 0, "-3"},        {1000, 0, "1000"},     {1000.4, 0, "1000"},
                          {999.5, 0, "1000"},     {0.35, 1, "0.4"},      {0.125, 2, "0.13"},
                          {1.0005, 3, "1.001"},   {-0.0004, 3, "0.000"}, {-0.0005, 3, "-0.001"},
                          {-1.2E-16, 3, "0.000"}, {-0.0, 2, "0.00"},     {0.4, 0, "0"},
                          {0.05, 1, "0.1"},       {0.96, 1, "1.0"},      {12.5, 3, "12.500"},
                          {1.5e-5, 5, "0.00002"}, {kNaN, 3, "NAN"},      {-kInf, 3, "-INF"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.digits), c.text) << c.value << " " << c.digits;
    EXPECT_EQ(FormatFixed(1E20, 2), "100000000000000000000.00");
    EXPECT_EQ(FormatFixed(123456.789, 2), "123456.79");
}

TEST(FormatGeneral, FifteenDigitsAndExponentThresholds)
{
    const GeneralCase cases[] = {{0.00001, "1E-5"},  {0.000015, "1.5E-5"},
                                 {0.0001, "0.0001"}, {-1.0E-4, "-0.0001"},
                                 {1E15, "1E15"},     {30000, "30000"},
                                 {12500, "12500"},   {0.2, "0.2"},
                                 {-2.5, "-2.5"},     {0, "0"},
                                 {-0.0, "0"},        {kNaN, "NAN"},
                                 {kInf, "INF"},      {-1e-300, "-1E-300"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(123456789012345), "123456789012345");
    EXPECT_EQ(FormatGeneral(3.14159265358979), "3.14159265358979");
    EXPECT_EQ(FormatGeneral(999999999999999.9), "1E15"); // rounding moves it to the exponent form
    EXPECT_EQ(FormatGeneral(1.7976931348623157e308), "1.79769313486232E308");
}

TEST(FormatShortest, ReadsBackAsTheSameDouble)
{
    const GeneralCase cases[] = {
        {-0.0794602, "-0.0794602"}, {0.1, "0.1"}, {0, "0"},      {-0.0, "0"},
        {1e-05, "1e-05"},           {250, "250"}, {kNaN, "NAN"}, {-kInf, "-INF"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatShortest(c.value), c.text) << c.value;
    for (const double value : {0.1 + 0.2, 1.0 / 3, 1.7976931348623157e308, 4.9e-324}) {
        const std::string text = FormatShortest(value);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
}

TEST(FormatInt, WholeRange)
{
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatInt(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(Format, SubstitutesEveryKindOfValue)
{
    const std::string name = "B1";
    const std::size_t count = 3;
    const std::int32_t index = -7;
    EXPECT_EQ(Format("node %D %0.4E %0.4e", {12, 200000.0, 0.05}), "node 12 2.000E+005 5.000E-002");
    EXPECT_EQ(Format("%s/%S %d %i", {name, "x", count, index}), "B1/x 3 -7");
    EXPECT_EQ(Format("%0.3F %0.1f %0.2E", {2, 0.25f, std::int64_t{1}}), "2.000 0.3 1.0E+000");
    EXPECT_EQ(Format("100%% %s", {std::string_view("ok")}), "100% ok");
    EXPECT_EQ(Format("%d", {std::numeric_limits<std::uint64_t>::max()}), "18446744073709551615");
    EXPECT_EQ(Format("%d", {std::numeric_limits<std::int64_t>::min()}), "-9223372036854775808");
    EXPECT_EQ(Format("no conversions", {}), "no conversions");
    EXPECT_EQ(Format("%E %F", {1.0, 1.0}), "1.00000000000000E+000 1.00");
}

TEST(Format, WidthAndPrecisionModifiers)
{
    EXPECT_EQ(Format("[%6d][%-6d][%.3d][%.3d]", {42, 42, 7, -7}), "[    42][42    ][007][-007]");
    EXPECT_EQ(Format("[%5s][%-5s][%.2s]", {"ab", "ab", "abc"}), "[   ab][ab   ][ab]");
    EXPECT_EQ(Format("[%8.2F][%-8.1E]", {-1.5, 2.0}), "[   -1.50][2E+000  ]");
}

TEST(Format, AppendKeepsExistingText)
{
    std::string out = "a ";
    AppendFormat(out, "%d\n", {1});
    AppendFormat(out, "%s\n", {"b"});
    EXPECT_EQ(out, "a 1\nb\n");
}

TEST(Format, MismatchesAreLogicErrors)
{
    EXPECT_THROW(Format("%d %d", {1}), std::logic_error);
    EXPECT_THROW(Format("%d", {1, 2}), std::logic_error);
    EXPECT_THROW(Format("text", {1}), std::logic_error);
    EXPECT_THROW(Format("%d", {1.5}), std::logic_error);
    EXPECT_THROW(Format("%d", {"1"}), std::logic_error);
    EXPECT_THROW(Format("%s", {1}), std::logic_error);
    EXPECT_THROW(Format("%s", {1.0}), std::logic_error);
    EXPECT_THROW(Format("%0.4E", {"x"}), std::logic_error);
    EXPECT_THROW(Format("%0.4", {1.0}), std::logic_error);
    EXPECT_THROW(Format("%", {}), std::logic_error);
    EXPECT_THROW(Format("%q", {1}), std::logic_error);
}

} // namespace
} // namespace vek
