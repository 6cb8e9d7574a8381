#include "view/frame_properties.h"
#include "view/view_options.h"

#include <gtest/gtest.h>

#include <string>

namespace vek {
namespace {

TEST(ViewFlagTable, CaptionsInDialogOrderBoundToDistinctFlags)
{
    const char* captions[] = {"Node",          "Node Labels",  "Frame",          "Frame Labels",
                              "Frame Axis",    "Node Support", "Diaphragms",     "Hinge Circle",
                              "Shell Element", "Shell Labels", "Moment Release", "Solid Element",
                              "Solid Label"};
    for (std::size_t i = 0; i < ViewFlagCount; ++i) {
        EXPECT_EQ(std::string(ViewFlagTable[i].Caption), captions[i]) << i;
        // Raising one flag at a time shows which box owns which flag.
        ViewSettings settings;
        WriteViewFlags(settings, {});
        settings.*ViewFlagTable[i].Flag = true;
        ViewFlagValues expected{};
        expected[i] = true;
        EXPECT_EQ(ReadViewFlags(settings), expected) << i;
    }
}

TEST(ShowLoad, CaseListTakesTheCountedNamesInOrder)
{
    Model model;
    EXPECT_TRUE(LoadCaseList(model).empty());

    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "LIVE";
    model.LoadCaseNames[2] = "LEFTOVER";
    model.LoadCaseCount = 2;
    EXPECT_EQ(LoadCaseList(model), (std::vector<std::string>{"DEAD", "LIVE"}));

    model.LoadCaseCount = -1;
    EXPECT_TRUE(LoadCaseList(model).empty());
    model.LoadCaseCount = MaxLoadCases + 5;
    EXPECT_EQ(LoadCaseList(model).size(), static_cast<std::size_t>(MaxLoadCases));
}

TEST(ShowLoad, ChoiceSetsOneBasedCaseAndType)
{
    ViewSettings settings;
    ApplyShowLoadChoice(settings, 1, 1);
    EXPECT_EQ(settings.ShownLoadCase, 2);
    EXPECT_EQ(settings.ShownLoadType, 2);

    ApplyShowLoadChoice(settings, 0, 0);
    EXPECT_EQ(settings.ShownLoadCase, 1);
    EXPECT_EQ(settings.ShownLoadType, 1);

    // An empty case list has no selection: no loads are drawn.
    ApplyShowLoadChoice(settings, -1, 0);
    EXPECT_EQ(settings.ShownLoadCase, 0);
    EXPECT_EQ(settings.ShownLoadType, 1);
}

class FramePropertyRowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        model.Materials.Reset(2);
        model.Materials.Edit(2).Name = "CONC";
        model.FrameSections.Reset(2);
        TFrameSection& section = model.FrameSections.Edit(2);
        section.Name = "COL40";
        section.ElemType = ElementKind::DispBeamColumn;
        section.Material = 2;
        model.Frames.Reset(3);
        TFrameElem& column = model.Frames.Edit(1);
        column.NodeI = 4;
        column.NodeJ = 17;
        column.Angle = 90;
        column.Section = 2;
        TFrameElem& brace = model.Frames.Edit(2);
        brace.NodeI = 5;
        brace.NodeJ = 6;
        brace.Angle = 22.5;
        brace.Section = 2;
        TFrameElem& orphan = model.Frames.Edit(3);
        orphan.NodeI = 8;
        orphan.NodeJ = 9;
        orphan.Angle = -30;
        orphan.Section = 7;
    }

    Model model;
};

TEST_F(FramePropertyRowsTest, FrameWithSectionAndMaterial)
{
    EXPECT_EQ(FramePropertyRows(model, 1),
              (FramePropertyValues{"1", "4", "17", "90", "COL40", "3", "CONC"}));
    EXPECT_EQ(FramePropertyRows(model, 2)[3], "22.5");
}

TEST_F(FramePropertyRowsTest, FrameOutsideTheModelReadsZeros)
{
    for (int frame : {0, 4, -2})
        EXPECT_EQ(FramePropertyRows(model, frame),
                  (FramePropertyValues{std::to_string(frame), "0", "0", "0", "", "0", ""}))
            << frame;
}

TEST_F(FramePropertyRowsTest, UnresolvedSectionOrMaterialGivesEmptyNames)
{
    EXPECT_EQ(FramePropertyRows(model, 3),
              (FramePropertyValues{"3", "8", "9", "-30", "", "0", ""}));

    model.FrameSections.Edit(2).Material = 5;
    EXPECT_EQ(FramePropertyRows(model, 1),
              (FramePropertyValues{"1", "4", "17", "90", "COL40", "3", ""}));
}

TEST_F(FramePropertyRowsTest, RowsOfTextNeedAnInteger)
{
    EXPECT_EQ(FramePropertyRowsOfText(model, "2"), FramePropertyRows(model, 2));
    EXPECT_FALSE(FramePropertyRowsOfText(model, "2.0").has_value());
    EXPECT_FALSE(FramePropertyRowsOfText(model, "").has_value());
}

} // namespace
} // namespace vek
