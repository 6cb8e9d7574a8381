// Broken files: each import ends with the model's data or one of the program's messages,
// never a crash, and the model stays usable: its script can be written and the next import
// starts afresh.

#include "s2k/s2k_import.h"
#include "support/s2k_test_support.h"
#include "tcl/settings.h"
#include "tcl/solid_materials.h"
#include "tcl/tcl_generator.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::fileHead;
using testing::ImportError;

std::string ExampleText(const char* name)
{
    return ReadWholeFile(std::string(VEK_EXAMPLES_DIR) + "/" + name);
}

// The message of every way an import may stop.
bool IsImportMessage(const std::string& message)
{
    static const std::regex known("'.*' is not a valid (integer|floating point) value|"
                                  "Range check error|Invalid floating point operation|"
                                  "Floating point division by zero");
    return std::regex_match(message, known);
}

// Writes the script of whatever the model holds; only the program's own errors may stop it.
void ExpectScriptCanBeWritten(Model& model)
{
    Settings settings;
    InitSolidMaterials(model, settings);
    TextLines script;
    std::vector<std::string> warnings;
    try {
        GenerateTclScript(model, settings, script, warnings);
    } catch (const VekError&) {
    }
}

// After a broken file the same model imports the portal frame as if it were new.
void ExpectNextImportIsClean(Model& model)
{
    EXPECT_EQ(ImportError(model, ExampleText("portal.s2k")), "");
    EXPECT_EQ(model.JointCount(), 3);
    EXPECT_EQ(model.FrameCount(), 2);
    EXPECT_EQ(model.ShellCount(), -1);
    EXPECT_EQ(model.LoadCount(), 1);
}

// Imports the text into a model that holds the example building, and checks the outcome.
std::string ImportBroken(const std::string& text)
{
    Model model;
    EXPECT_EQ(ImportError(model, ExampleText("building.s2k")), "");
    const std::string message = ImportError(model, text);
    if (!message.empty()) {
        EXPECT_TRUE(IsImportMessage(message)) << message;
    }
    ExpectScriptCanBeWritten(model);
    ExpectNextImportIsClean(model);
    return message;
}

TEST(MalformedFile, EmptyAndBinaryFilesImportNothing)
{
    EXPECT_EQ(ImportBroken(""), "");
    std::mt19937 random(7);
    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage += static_cast<char>(random() & 0xff);
    ImportBroken(garbage);
    // Garbage between real tables.
    std::string portal = ExampleText("portal.s2k");
    portal.insert(portal.find("RESTRAINT"), garbage.substr(0, 5000) + "\n\n");
    ImportBroken(portal);
}

TEST(MalformedFile, ByteOrderMarkAndLineEndsDoNotHideTables)
{
    const std::string portal = ExampleText("portal.s2k");
    Model withMark;
    ASSERT_EQ(ImportError(withMark, "\xEF\xBB\xBF" + portal), "");
    EXPECT_EQ(withMark.JointCount(), 3);
    std::string crOnly = portal;
    for (char& c : crOnly)
        if (c == '\n')
            c = '\r';
    Model model;
    ASSERT_EQ(ImportError(model, crOnly), "");
    EXPECT_EQ(model.FrameCount(), 2);
}

TEST(MalformedFile, HugeLineGivesAShortMessage)
{
    const std::string letters(50'000'000, 'X');
    const std::string message =
        ImportBroken(fileHead + "JOINT\n  1  X=" + letters + "  Y=0  Z=0\n\n");
    EXPECT_LT(message.size(), 300u);
    EXPECT_EQ(message.substr(0, 4), "'XXX");
    EXPECT_NE(message.find("...' is not a valid floating point value"), std::string::npos);
    // A huge line outside every table is not read at all.
    EXPECT_EQ(ImportBroken(fileHead + letters + "\n" + ExampleText("portal.s2k")), "");
}

TEST(MalformedFile, TruncatedAndUnclosedTables)
{
    const std::string building = ExampleText("building.s2k");
    // Cut at many places, also inside a line and inside a number.
    for (std::size_t cut = 0; cut < building.size(); cut += 97)
        ImportBroken(building.substr(0, cut));
    // A keyword whose table never ends.
    EXPECT_EQ(ImportBroken(fileHead + "FRAME\n  1  J=1,2  SEC=A"), "Range check error");
    // Every blank line taken out in turn: tables run into the next ones.
    for (std::size_t at = building.find("\n\n"); at != std::string::npos;
         at = building.find("\n\n", at + 1))
        ImportBroken(building.substr(0, at) + building.substr(at + 1));
}

TEST(MalformedFile, RepeatedKeywords)
{
    const std::string portal = ExampleText("portal.s2k");
    const std::string tables = portal.substr(portal.find("JOINT"));
    ImportBroken(portal.substr(0, portal.find("JOINT")) + tables + tables);
    EXPECT_EQ(ImportBroken(fileHead + "JOINT\n  1  X=0  Y=0  Z=0\n\nJOINT\n\n"),
              "Range check error");
}

TEST(MalformedFile, ExtremeNumbers)
{
    const std::string portal = ExampleText("portal.s2k");
    for (const char* joint : {"0", "-1", "2147483647", "-2147483648", "2147483648", "1E3"})
        for (const char* from : {"ADD=1 ", "J=1,", "ADD=3 ", "  1  X"}) {
            std::string text = portal;
            const std::string key = from;
            const std::size_t at = text.find(key);
            ASSERT_NE(at, std::string::npos);
            const std::size_t number = key.find('1');
            text.replace(at + number, 1, joint);
            ImportBroken(text);
        }
    for (const char* value : {"1E308", "-1E308", "1E-320", "1E309", "NaN", "INF", "0x10"}) {
        std::string text = portal;
        text.replace(text.find("X=6000") + 2, 4, value);
        text.replace(text.find("E=30000") + 2, 5, value);
        ImportBroken(text);
    }
}

// Every item of every data line of the example building replaced by a word and by nothing:
// the first text that is not a number stops the import with its message.
TEST(MalformedFile, BadTextAtEveryPosition)
{
    const std::string building = ExampleText("building.s2k");
    const TextLines lines = TextLines::FromText(building);
    const std::regex item("[^ =,\"]+");
    int conversionMessages = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line(lines[i]);
        if (line.empty() || line[0] != ' ')
            continue;
        for (auto match = std::sregex_iterator(line.begin(), line.end(), item);
             match != std::sregex_iterator(); ++match)
            for (const char* replacement : {"bad", ""}) {
                std::string broken = line;
                broken.replace(static_cast<std::size_t>(match->position()),
                               static_cast<std::size_t>(match->length()), replacement);
                std::string text;
                for (std::size_t k = 0; k < lines.size(); ++k)
                    text.append(k == i ? broken : std::string(lines[k])).append("\n");
                const std::string message = ImportBroken(text);
                if (message == "'" + std::string(replacement) + "' is not a valid integer value" ||
                    message ==
                        "'" + std::string(replacement) + "' is not a valid floating point value")
                    ++conversionMessages;
            }
    }
    // Most items are numbers the readers convert.
    EXPECT_GT(conversionMessages, 1000);
}

} // namespace
} // namespace vek
