#include "s2k/s2k_line.h"
#include "support/s2k_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vek {
namespace {

using testing::LinesOf;

// The fields of a line up to the last non-empty one; '.' in `line` stands for a blank.
std::vector<std::string> Split(std::string line)
{
    for (char& c : line)
        if (c == '.')
            c = ' ';
    TLineFields fields;
    SplitS2kLine(line, fields);
    std::size_t used = 0;
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (!fields[k].empty())
            used = k + 1;
    return std::vector<std::string>(fields.begin(), fields.begin() + used);
}

using Fields = std::vector<std::string>;

TEST(SplitS2kLine, WorkedLines)
{
    EXPECT_EQ(Split("..1..X=0..Y=1500..Z=3000"), (Fields{"1", "X", "0", "Y", "1500", "Z", "3000"}));
    EXPECT_EQ(Split("....ADD=17"), (Fields{"", "ADD", "17"}));
    EXPECT_EQ(Split("......ADD=5..UX=-10"), (Fields{"", "", "ADD", "5", "UX", "-10"}));
    EXPECT_EQ(Split("..1..J=3,4..SEC=B300..NSEG=4..ANG=0"),
              (Fields{"1", "J", "3", "4", "SEC", "B300", "NSEG", "4", "ANG", "0"}));
    EXPECT_EQ(Split("..1...X=0"), (Fields{"1", "", "X", "0"}));
}

TEST(SplitS2kLine, BlankRunsAndSeparators)
{
    // Two blanks are one separator, three are two with an empty field between them.
    EXPECT_EQ(Split("..NAME=A..E=2"), (Fields{"NAME", "A", "E", "2"}));
    EXPECT_EQ(Split("..NAME=A...E=2"), (Fields{"NAME", "A", "", "E", "2"}));
    // A blank right after a separator records nothing, one right before it does.
    EXPECT_EQ(Split("..A..X=.0"), (Fields{"A", "X", "0"}));
    EXPECT_EQ(Split("..A..X.=0"), (Fields{"A", "X", "", "0"}));
    // Quotes do not group: they are separators of their own.
    EXPECT_EQ(Split("..NAME=\"ST\"..E=2"), (Fields{"NAME", "", "ST", "", "E", "2"}));
}

TEST(SplitS2kLine, IndentationDecidesTheFirstField)
{
    EXPECT_EQ(Split("1.X=0"), (Fields{"0"}));
    EXPECT_EQ(Split(".1..X=0"), (Fields{"X", "0"}));
    EXPECT_EQ(Split("JOINT"), Fields{});
    EXPECT_EQ(Split(""), Fields{});
}

TEST(SplitS2kLine, TabsOnlyTrimmedAtFieldEnds)
{
    EXPECT_EQ(Split("..A\tB..\tC\t"), (Fields{"A\tB", "C"}));
}

TEST(SplitS2kLine, EverySplitOverwritesAllFields)
{
    TLineFields fields;
    SplitS2kLine("  1  X=0  Y=1500  Z=3000", fields);
    SplitS2kLine("  ADD=1", fields);
    EXPECT_EQ(fields[0], "ADD");
    EXPECT_EQ(fields[1], "1");
    for (std::size_t k = 2; k < fields.size(); ++k)
        EXPECT_TRUE(fields[k].empty()) << k;
}

TEST(SplitS2kLine, AtMostFortyBoundaries)
{
    std::string line = " ";
    for (int k = 0; k < 60; ++k)
        line += " " + std::to_string(k) + " ";
    TLineFields fields;
    SplitS2kLine(line, fields);
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[37], "37");
    EXPECT_TRUE(fields[38].empty());
    EXPECT_TRUE(fields[39].empty());
}

TEST(SplitS2kLine, ReadsNoCharacterOutsideTheLine)
{
    // The fields are views into the line; none may reach past its end.
    const std::string text = "  A=,\"  =";
    for (std::size_t n = 0; n <= text.size(); ++n) {
        const std::string_view line(text.data(), n);
        TLineFields fields;
        SplitS2kLine(line, fields);
        for (std::string_view f : fields)
            if (!f.empty()) {
                EXPECT_GE(f.data(), line.data());
                EXPECT_LE(f.data() + f.size(), line.data() + line.size());
            }
    }
}

// The splitting rule written out step by step, boundary list first, to check the fast
// splitter against on random lines.
std::vector<std::string> SplitByTheRule(const std::string& line)
{
    std::vector<std::size_t> b;
    const std::size_t n = line.size();
    for (std::size_t pos = 0; pos <= n; ++pos) {
        if (n > 0) {
            const char c = line[std::max<std::size_t>(pos, 1) - 1];
            if (c == ' ' && (b.empty() || b.back() != pos - 1))
                b.push_back(pos);
            if (c == '=' || c == ',' || c == '"')
                b.push_back(pos);
        }
        if (pos == n)
            b.push_back(n + 1);
    }
    if (b.size() > 40)
        b.resize(40);
    std::vector<std::string> fields(40);
    for (std::size_t k = 2; k + 1 <= b.size(); ++k) {
        const std::size_t start = b[k - 1];
        if (start < n) {
            std::string f = line.substr(start, b[k] - b[k - 1] - 1);
            while (!f.empty() && static_cast<unsigned char>(f.front()) <= 32)
                f.erase(f.begin());
            while (!f.empty() && static_cast<unsigned char>(f.back()) <= 32)
                f.pop_back();
            fields[k - 2] = f;
        }
    }
    return fields;
}

TEST(SplitS2kLine, AgreesWithTheRuleOnRandomLines)
{
    const std::string alphabet = "    ==,\"A1\t";
    unsigned seed = 12345;
    for (int trial = 0; trial < 20000; ++trial) {
        seed = seed * 1103515245u + 12345u;
        std::string line(seed % 90, ' ');
        for (char& c : line) {
            seed = seed * 1103515245u + 12345u;
            c = alphabet[(seed >> 16) % alphabet.size()];
        }
        TLineFields fields;
        SplitS2kLine(line, fields);
        const std::vector<std::string> expected = SplitByTheRule(line);
        for (std::size_t k = 0; k < fields.size(); ++k)
            ASSERT_EQ(fields[k], expected[k]) << "line [" << line << "] field " << k;
    }
}

TextLines Lines(std::vector<std::string> lines)
{
    TextLines result;
    for (const std::string& line : lines)
        result.push_back(line);
    return result;
}

TEST(FindTableBounds, FindsHeaderAndEnd)
{
    const TextLines lines = Lines({"SYSTEM", "  X", "", "JOINT", "  1", "  2", "", "END"});
    const TableBounds bounds = FindTableBounds(lines, "JOINT");
    EXPECT_EQ(bounds.header, 3);
    EXPECT_EQ(bounds.end, 6);
}

TEST(FindTableBounds, KeywordMustMatchWholeLine)
{
    const TextLines lines =
        Lines({"X", "JOINT ", "  1", "", "joint", "", "FRAME SECTION", "  a", ""});
    EXPECT_EQ(FindTableBounds(lines, "JOINT").header, 0);
    EXPECT_EQ(FindTableBounds(lines, "FRAME").header, 0);
    EXPECT_EQ(FindTableBounds(lines, "FRAME SECTION").header, 6);
}

TEST(FindTableBounds, KeywordOnFirstLineIsAbsent)
{
    const TextLines lines = Lines({"JOINT", "  1", ""});
    const TableBounds bounds = FindTableBounds(lines, "JOINT");
    EXPECT_EQ(bounds.header, 0);
    EXPECT_EQ(bounds.end, 0);
}

TEST(FindTableBounds, WhitespaceLineEndsTable)
{
    const TextLines lines = Lines({"", "MASS", "  a", " \t ", "  b", ""});
    EXPECT_EQ(FindTableBounds(lines, "MASS").end, 3);
}

TEST(FindTableBounds, RepeatedKeywordTakesLastHeaderAndFirstEnd)
{
    const TextLines lines = Lines({"", "LOAD", "  a", "", "LOAD", "  b", "  c", ""});
    const TableBounds bounds = FindTableBounds(lines, "LOAD");
    EXPECT_EQ(bounds.header, 4);
    EXPECT_EQ(bounds.end, 3);
}

TEST(FindTableBounds, NoClosingBlankLineGivesEndZero)
{
    const TextLines lines = Lines({"", "JOINT", "  1  X=0  Y=0  Z=0"});
    const TableBounds bounds = FindTableBounds(lines, "JOINT");
    EXPECT_EQ(bounds.header, 1);
    EXPECT_EQ(bounds.end, 0);
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd)
{
    for (const char* text : {"a\r\nb\r\n\r\nc", "a\nb\n\nc\n", "a\rb\r\rc\r", "a\r\nb\n\rc"}) {
        const TextLines lines = TextLines::FromText(text);
        ASSERT_EQ(lines.size(), 4u) << text;
        EXPECT_EQ(lines[0], "a");
        EXPECT_EQ(lines[1], "b");
        EXPECT_EQ(lines[2], "");
        EXPECT_EQ(lines[3], "c");
    }
    EXPECT_EQ(TextLines::FromText("").size(), 0u);
    EXPECT_EQ(TextLines::FromText("\n").size(), 1u);
    EXPECT_EQ(TextLines::FromText("x").size(), 1u);
}

TEST(TextLines, AppendedBreaksStartNewLines)
{
    TextLines lines;
    lines.push_back("a\nb");
    lines.push_back("");
    lines.AddFormatted("%s|%d", {"c\r\nd", 5});
    EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "b", "", "c", "d|5"}));
}

TEST(TextLines, JoinWritesCrLfAfterEveryLine)
{
    EXPECT_EQ(Lines({"a", "", "b"}).JoinCrLf(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(TextLines().JoinCrLf(), "");
}

} // namespace
} // namespace vek
