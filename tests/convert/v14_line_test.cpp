#include "convert/v14_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

// The fields of the line up to the last non-empty one.
std::vector<std::string> Fields(const std::string& line)
{
    TV14Fields fields;
    fields.fill("stale");
    SplitV14Line(line, fields);
    std::size_t used = fields.size();
    while (used > 0 && fields[used - 1].empty())
        --used;
    return std::vector<std::string>(fields.begin(), fields.begin() + used);
}

using Texts = std::vector<std::string>;

TEST(SplitV14Line, TableRowAlternatesKeysAndValues)
{
    EXPECT_EQ(Fields("   Joint=1   CoordSys=GLOBAL   XorR=1500   Y=-2.5E3"),
              (Texts{"Joint", "1", "CoordSys", "GLOBAL", "XorR", "1500", "Y", "-2.5E3"}));
    // Three or four blanks are one boundary.
    EXPECT_EQ(Fields("   Joint=1    U1=Yes"), (Texts{"Joint", "1", "U1", "Yes"}));
    // At the start, where position 0 looks at the first blank too, four blanks are two.
    EXPECT_EQ(Fields("    Joint=1"), (Texts{"", "Joint", "1"}));
}

TEST(SplitV14Line, OneOrTwoBlanksStayInsideAValue)
{
    EXPECT_EQ(Fields("   Name=Col A  B   X=1"), (Texts{"Name", "Col A  B", "X", "1"}));
}

TEST(SplitV14Line, FiveOrSixBlanksLeaveAnEmptyField)
{
    EXPECT_EQ(Fields("   A=1     B=2"), (Texts{"A", "1", "", "B", "2"}));
    EXPECT_EQ(Fields("   A=1      B=2"), (Texts{"A", "1", "", "B", "2"}));
    EXPECT_EQ(Fields("   A=1       B=2"), (Texts{"A", "1", "", "", "B", "2"}));
}

TEST(SplitV14Line, CommasAndQuotesSeparate)
{
    // A quoted value gains an empty field before it; its commas still separate. Blanks right
    // after a separator start no new field, so the next key follows the quote directly.
    EXPECT_EQ(Fields("   CurrUnits=\"N, mm, C\"   X=1"),
              (Texts{"CurrUnits", "", "N", "mm", "C", "X", "1"}));
    EXPECT_EQ(Fields("   Name=\"A\"=1"), (Texts{"Name", "", "A", "", "1"}));
}

TEST(SplitV14Line, LineWithoutLeadingBlanksLosesItsFirstItem)
{
    EXPECT_EQ(Fields("Joint=1   X=2"), (Texts{"1", "X", "2"}));
    EXPECT_EQ(Fields("END TABLE DATA"), Texts{});
}

TEST(SplitV14Line, ControlCharactersAreTrimmedFromFields)
{
    EXPECT_EQ(Fields("   A=\t1\t   B=2\r"), (Texts{"A", "1", "B", "2"}));
}

TEST(SplitV14Line, EmptyOrBlankLineGivesNoField)
{
    EXPECT_EQ(Fields(""), Texts{});
    EXPECT_EQ(Fields("  "), Texts{});
    EXPECT_EQ(Fields("   "), Texts{});
}

TEST(SplitV14Line, FieldsPastTheFortiethAreDropped)
{
    std::string line;
    for (int k = 1; k <= 30; ++k)
        line += "   K" + std::to_string(k) + "=V" + std::to_string(k);
    TV14Fields fields;
    SplitV14Line(line, fields);
    EXPECT_EQ(fields[0], "K1");
    EXPECT_EQ(fields[38], "K20");
    EXPECT_EQ(fields[39], "V20");

    // A shorter line afterwards leaves no field of the longer one behind.
    SplitV14Line("   A=1", fields);
    EXPECT_EQ(fields[1], "1");
    for (std::size_t k = 2; k < fields.size(); ++k)
        EXPECT_TRUE(fields[k].empty()) << k;
}

TEST(SplitV14Line, SeparatorsAtTheEnds)
{
    // A separator at the very start or end gives an empty field next to it.
    EXPECT_EQ(Fields("=A"), (Texts{"", "A"}));
    EXPECT_EQ(Fields("   A="), (Texts{"A"}));
    EXPECT_EQ(Fields("   A=,"), (Texts{"A"}));
    TV14Fields fields;
    SplitV14Line(",,,", fields);
    EXPECT_TRUE(fields[0].empty() && fields[3].empty());
}

} // namespace
} // namespace vek
