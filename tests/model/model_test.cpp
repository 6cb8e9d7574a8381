#include "model/element_kinds.h"
#include "model/model.h"
#include "model/model_json.h"
#include "util/error.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(Table, ReferencesOutsideTheTableReadRecordZero)
{
    Table<TJoint> joints;
    joints.Reset(2);
    joints.Edit(1).X = 5;
    joints.Edit(2).X = 6;
    EXPECT_EQ(joints[1].X, 5);
    for (std::int64_t i : {0LL, -1LL, 3LL, 2147483647LL, -2147483648LL})
        EXPECT_EQ(joints[i].X, 0) << i;
    EXPECT_THROW(joints.Edit(0), std::out_of_range);
    EXPECT_THROW(joints.Edit(3), std::out_of_range);
}

TEST(Table, CountBelowStorageHidesOldRecords)
{
    Table<TJoint> joints;
    joints.Reset(3);
    joints.Edit(3).X = 1;
    joints.Count = 0;
    EXPECT_FALSE(joints.Contains(3));
    EXPECT_EQ(joints[3].X, 0);
    EXPECT_EQ(joints.begin(), joints.end());
    // A count above the storage never reaches past it.
    joints.Count = 10;
    EXPECT_FALSE(joints.Contains(4));
    EXPECT_EQ(joints.end() - joints.begin(), 3);
}

TEST(Table, ResetToAbsentKeepsOnlyTheZeroRecord)
{
    Table<TFrameElem> frames;
    frames.Reset(4);
    frames.Reset(-1);
    EXPECT_EQ(frames.Count, -1);
    EXPECT_EQ(frames.StoredSize(), 1u);
    EXPECT_EQ(frames.begin(), frames.end());
}

TEST(Table, AppendAddsAZeroRecordAfterTheCount)
{
    Table<TJoint> joints;
    joints.Reset(2);
    joints.Edit(2).X = 7;
    joints.Count = 1;
    joints.Append().Y = 3;
    EXPECT_EQ(joints.Count, 2);
    EXPECT_EQ(joints[2].X, 0);
    EXPECT_EQ(joints[2].Y, 3);
    Table<TJoint> absent;
    absent.Reset(-1);
    absent.Append();
    EXPECT_EQ(absent.Count, 1);
    EXPECT_TRUE(absent.Contains(1));
}

TEST(Table, RecordsBeyondTheMemoryAreRefusedCleanly)
{
    Table<TJoint> joints;
    joints.Reset(3);
    joints.Edit(2).X = 5;
    // Two billion joints need hundreds of gigabytes.
    try {
        joints.Reset(2147483647);
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_STREQ(error.what(), "Out of memory");
    }
    EXPECT_EQ(joints.Count, 0);
    EXPECT_EQ(joints.StoredSize(), 1u);
    EXPECT_EQ(joints[2].X, 0);
    joints.Reset(2);
    EXPECT_EQ(joints[2].X, 0);
}

TEST(Model, StartsEmptyWithThePalette)
{
    const Model model;
    EXPECT_EQ(model.JointCount(), 0);
    EXPECT_EQ(model.LoadCaseCount, 0);
    EXPECT_TRUE(model.FileLines.empty());
    EXPECT_EQ(model.Palette[1], 0x0000FF);
    EXPECT_EQ(model.Palette[4], RgbColor(0, 94, 31));
    EXPECT_EQ(model.Palette[9], 0x623500);
    EXPECT_EQ(model.Palette[16], RgbColor(255, 0, 255));
}

TEST(Model, LoadCaseNameOutsideTheListIsEmpty)
{
    Model model;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "STALE";
    model.LoadCaseCount = 1;
    EXPECT_EQ(model.LoadCaseName(1), "DEAD");
    EXPECT_EQ(model.LoadCaseName(2), "");
    EXPECT_EQ(model.LoadCaseName(0), "");
    EXPECT_EQ(model.LoadCaseName(11), "");
}

TEST(ModelToJson, WritesCountsTablesAndExactReals)
{
    Model model;
    model.Joints.Reset(1);
    model.Joints.Edit(1).X = 0.1;
    model.Joints.Edit(1).Restraint = {0, 1, 0, 1, 0, 0, 1};
    model.Materials.Reset(1);
    model.Materials.Edit(1).Name = "C\"30\\\x01\xe9\xc3\xa9";
    model.Constraints.Reset(1);
    model.Constraints.Edit(1).JointList = {0, 4, 5};
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseCount = 1;
    const std::string json = ModelToJson(model);
    EXPECT_NE(json.find("\"JointCount\":1,"), std::string::npos);
    EXPECT_NE(json.find("\"LoadCaseNames\":[\"DEAD\"]"), std::string::npos);
    EXPECT_NE(json.find("\"Joints\":[{\"X\":0.1,\"Y\":0.0,\"Z\":0.0,\"Restraint\":[1,0,1,0,0,1]"),
              std::string::npos);
    EXPECT_NE(json.find("\"Name\":\"C\\\"30\\\\\\u0001\\ufffd\\u00e9\""), std::string::npos);
    EXPECT_NE(json.find("\"JointList\":[4,5]"), std::string::npos);
    EXPECT_NE(json.find("\"Frames\":[]"), std::string::npos);
    EXPECT_EQ(json.back(), '\n');
}

TEST(ModelToJson, WritesCodesAsTheirStoredNumbers)
{
    Model model;
    model.FrameSections.Reset(1);
    model.FrameSections.Edit(1).ElemType = ElementKind::ReleaseLink;
    // A number with no code, as an old model can hold.
    model.FrameSections.Edit(1).GeomTransf = static_cast<Transformation>(9);
    const std::string json = ModelToJson(model);
    EXPECT_NE(json.find("\"ElemType\":7,"), std::string::npos);
    EXPECT_NE(json.find("\"GeomTransf\":9,"), std::string::npos);
}

TEST(ElementKindInfo, NumbersWithoutAKindDescribeNoElement)
{
    for (std::int32_t n : {0, 8, -1, 2147483647}) {
        const ElementKindInfo& info = InfoOf(static_cast<ElementKind>(n));
        EXPECT_TRUE(info.OpenSeesName.empty()) << n;
        EXPECT_FALSE(info.UsesFibers || info.NeedsTransformation || info.IsTruss ||
                     info.HasIntegrationPoints)
            << n;
    }
}

} // namespace
} // namespace vek
