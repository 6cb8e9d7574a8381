#include "post/deformation_data.h"
#include "recorder_test_files.h"
#include "util/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vek {
namespace {

using testing::JointModel;
using testing::JointValue;
using testing::TempFolder;
using testing::WriteNodeFiles;

std::string ErrorOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const VekError& error) {
        return error.what();
    }
    return "";
}

void ExpectJoint(const Results& results, std::int64_t j, std::int32_t step)
{
    SCOPED_TRACE("joint " + std::to_string(j) + ", step " + std::to_string(step));
    EXPECT_EQ(results.Joints.at(j).DispX, JointValue(j, step, 1));
    EXPECT_EQ(results.Joints.at(j).DispY, JointValue(j, step, 2));
    EXPECT_EQ(results.Joints.at(j).DispZ, JointValue(j, step, 3));
}

TEST(NodeDeformData, ReadsTheStepFromEveryHundred)
{
    Results results;
    TempFolder folder("nodes250");
    WriteNodeFiles(folder, 250, 5);
    Model model = JointModel(250);
    LoadNodeDeformData(model, results, folder.Path(), 3);
    for (std::int64_t j : {1, 100, 101, 200, 201, 250})
        ExpectJoint(results, j, 3);
}

TEST(NodeDeformData, FullHundredsNeedNoFurtherFile)
{
    Results results;
    TempFolder folder("nodes200");
    WriteNodeFiles(folder, 200, 2);
    Model model = JointModel(200);
    EXPECT_EQ(ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 2); }), "");
    ExpectJoint(results, 200, 2);
}

TEST(NodeDeformData, AMissingFileKeepsWhatWasRead)
{
    Results results;
    TempFolder folder("nodesmissing");
    WriteNodeFiles(folder, 250, 2);
    std::filesystem::remove(folder.File("node1.out"));
    Model model = JointModel(250);
    results.Joints.resize(static_cast<std::size_t>(model.JointCount()) + 1);
    results.Joints[150].DispX = 7;
    const std::string error =
        ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 1); });
    EXPECT_EQ(error.rfind("Cannot open file \"" + folder.File("node1.out") + "\". ", 0), 0u)
        << error;
    ExpectJoint(results, 100, 1);
    EXPECT_EQ(results.Joints.at(150).DispX, 7);
    EXPECT_EQ(results.Joints.at(201).DispX, 0);
}

TEST(NodeDeformData, AShortFileGivesTheListIndex)
{
    Results results;
    TempFolder folder("nodesshort");
    WriteNodeFiles(folder, 150, 5);
    folder.Write("node1.out", testing::RecorderText(2, [](std::int32_t s) {
                     std::vector<double> v;
                     for (std::int64_t j = 101; j <= 150; ++j)
                         for (int d = 1; d <= 3; ++d)
                             v.push_back(JointValue(j, s, d));
                     return v;
                 }));
    Model model = JointModel(150);
    EXPECT_EQ(ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 4); }),
              "List index out of bounds (3)");
    ExpectJoint(results, 100, 4);
    EXPECT_EQ(results.Joints.at(101).DispX, 0);
}

TEST(NodeDeformData, BadFieldsGiveTheConversionMessage)
{
    Results results;
    TempFolder folder("nodesbad");
    Model model = JointModel(2);

    folder.Write("node0.out", "0.1 1 2 3 4 x5 6\n");
    EXPECT_EQ(ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 1); }),
              "'x5' is not a valid floating point value");
    // Joint 1 and the DOF before the bad field are stored.
    EXPECT_EQ(results.Joints.at(1).DispZ, 3);
    EXPECT_EQ(results.Joints.at(2).DispX, 4);

    // A blank at the start shifts every field: the time's place is empty.
    folder.Write("node0.out", " 0.1 1 2 3 4 5 6\n");
    EXPECT_EQ(ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 1); }),
              "'' is not a valid floating point value");

    // A line with too few values.
    folder.Write("node0.out", "0.1 1 2 3 4\n");
    EXPECT_EQ(ErrorOf([&] { LoadNodeDeformData(model, results, folder.Path(), 1); }),
              "'' is not a valid floating point value");
}

TEST(ModeShape, ReadsTheFirstLineOfTheModesFiles)
{
    Results results;
    TempFolder folder("modes");
    WriteNodeFiles(folder, 120, 3, "eigen2_node");
    Model model = JointModel(120);
    LoadModeShape(model, results, folder.Path(), 2);
    ExpectJoint(results, 1, 1);
    ExpectJoint(results, 120, 1);

    EXPECT_EQ(ErrorOf([&] {
                  LoadModeShape(model, results, folder.Path(), 1);
              }).rfind("Cannot open file \"" + folder.File("eigen1_node0.out") + "\"", 0),
              0u);
    folder.Write("eigen3_node0.out", "");
    EXPECT_EQ(ErrorOf([&] { LoadModeShape(model, results, folder.Path(), 3); }),
              "List index out of bounds (0)");
}

// ---- Section deformations

// What OpenSees 3.8 writes per frame for "section 1 deformation" and "section 3 deformation"
// (three integration points), without and with the section aggregator.
struct TypeLayout
{
    ElementKind ElemType;
    int First, Last, FirstAggregated, LastAggregated;
};

constexpr TypeLayout Layouts[] = {
    {ElementKind::ElasticBeamColumn, 0, 0, 0, 0},
    {ElementKind::NonlinearBeamColumn, 4, 4, 6, 6},
    {ElementKind::DispBeamColumn, 4, 4, 6, 6},
    {ElementKind::BeamWithHinge, 4, 4, 6, 4},
    {ElementKind::Truss, 4, 0, 4, 0},
    {ElementKind::CorotTruss, 4, 0, 4, 0},
    {ElementKind::ReleaseLink, 0, 0, 0, 0},
};
constexpr int TypeCount = static_cast<int>(std::size(Layouts));

// The value c (1..6) of end e (1 first section, 2 last) of frame i at step s.
double SectionValue(std::int64_t i, std::int32_t s, int e, int c)
{
    return static_cast<double>(i) * 100 + c * 10 + e + s / 8.0;
}

// Frame i uses section (i - 1) mod 7 + 1, of the element type of Layouts in that place.
Model MixedFrames(std::int32_t frames)
{
    Model model;
    model.FrameSections.Reset(TypeCount);
    for (int t = 0; t < TypeCount; ++t)
        model.FrameSections.Edit(t + 1).ElemType = Layouts[t].ElemType;
    model.Frames.Reset(frames);
    for (std::int32_t i = 1; i <= frames; ++i)
        model.Frames.Edit(i).Section = (i - 1) % TypeCount + 1;
    return model;
}

int ValuesOf(std::int64_t frame, int end, bool aggregated)
{
    const TypeLayout& t = Layouts[(frame - 1) % TypeCount];
    if (end == 1)
        return aggregated ? t.FirstAggregated : t.First;
    return aggregated ? t.LastAggregated : t.Last;
}

// The section files of `frames` frames in the recorders' numbering.
void WriteSectionFiles(const TempFolder& folder, std::int64_t frames, std::int32_t steps,
                       bool aggregated)
{
    auto write = [&](const std::string& name, std::int64_t first, std::int64_t last, int end) {
        folder.Write(name, testing::RecorderText(steps, [&](std::int32_t s) {
                         std::vector<double> v;
                         for (std::int64_t i = first; i <= last; ++i)
                             for (int c = 1; c <= ValuesOf(i, end, aggregated); ++c)
                                 v.push_back(SectionValue(i, s, end, c));
                         return v;
                     }));
    };
    const std::int64_t q = frames / 100, r = frames % 100;
    for (std::int64_t k = 1; k <= q; ++k) {
        write("ele" + std::to_string(k) + "_secs.out", 100 * (k - 1) + 1, 100 * k, 1);
        write("ele" + std::to_string(k) + "_secn.out", 100 * (k - 1) + 1, 100 * k, 2);
    }
    if (r != 0) {
        write("ele0_secs.out", 100 * q + 1, frames, 1);
        write("ele0_secn.out", 100 * q + 1, frames, 2);
    }
}

void ExpectResults(const Model& model, const Results& results, std::int32_t step, int kind,
                   bool aggregated)
{
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        const double first = ValuesOf(i, 1, aggregated) ? SectionValue(i, step, 1, kind) : 0;
        const double last = ValuesOf(i, 2, aggregated) ? SectionValue(i, step, 2, kind) : 0;
        ASSERT_EQ(results.Frames.at(i).ResultI, first);
        ASSERT_EQ(results.Frames.at(i).ResultJ, last);
    }
}

TEST(SectionDeformationCount, FollowsTheElementTheScriptWrites)
{
    Model model = MixedFrames(7);
    Settings settings;
    for (std::int64_t i = 1; i <= 7; ++i) {
        EXPECT_EQ(SectionDeformationCount(model, settings, i, 1), ValuesOf(i, 1, false));
        EXPECT_EQ(SectionDeformationCount(model, settings, i, 3), ValuesOf(i, 2, false));
    }
    settings.UseSectionAggregator = true;
    settings.NumIntegrationPoints = 5;
    // The hinges are sections 1 and 6 of a beam with hinges; 2 to 5 are elastic.
    EXPECT_EQ(SectionDeformationCount(model, settings, 4, 5), 4);
    EXPECT_EQ(SectionDeformationCount(model, settings, 4, 6), 6);
    EXPECT_EQ(SectionDeformationCount(model, settings, 4, 7), 0);
    EXPECT_EQ(SectionDeformationCount(model, settings, 2, 5), 6);
    EXPECT_EQ(SectionDeformationCount(model, settings, 2, 6), 0);
    // A frame without a section, or outside the table, has no element.
    model.Frames.Edit(1).Section = 9;
    EXPECT_EQ(SectionDeformationCount(model, settings, 1, 1), 0);
    EXPECT_EQ(SectionDeformationCount(model, settings, 99, 1), 0);
}

TEST(SecDeformData, MixedElementsWithAndWithoutAggregator)
{
    Results results;
    for (const bool aggregated : {false, true}) {
        SCOPED_TRACE(aggregated ? "aggregated" : "fibre sections");
        TempFolder folder("sections120");
        WriteSectionFiles(folder, 120, 5, aggregated);
        Model model = MixedFrames(120);
        Settings settings;
        ViewSettings scale;
        settings.UseSectionAggregator = aggregated;
        for (int kind : {AxialStrain, CurvatureKz, CurvatureKy}) {
            SCOPED_TRACE("kind " + std::to_string(kind));
            ASSERT_TRUE(LoadSecDeformData(model, settings, results, scale, folder.Path(), 3, kind));
            ExpectResults(model, results, 3, kind, aggregated);
        }
    }
}

TEST(SecDeformData, CurvatureKyOfFibreFrames)
{
    Results results;
    // Four values a frame: frame 5 of the file has its curvature y in field 19.
    TempFolder folder("sectionsky");
    Model model = MixedFrames(5);
    for (std::int64_t i = 1; i <= 5; ++i)
        model.Frames.Edit(i).Section = 2;
    std::string line = "0.1";
    for (int f = 1; f <= 20; ++f) {
        line += ' ';
        line += std::to_string(f);
    }
    folder.Write("ele0_secs.out", line + "\n");
    folder.Write("ele0_secn.out", line + "\n");
    Settings settings;
    ViewSettings scale;
    LoadSecDeformData(model, settings, results, scale, folder.Path(), 1, CurvatureKy);
    EXPECT_EQ(results.Frames.at(5).ResultI, 19);
    EXPECT_EQ(results.Frames.at(1).ResultJ, 3);
}

TEST(SecDeformData, SetsTheColourScaleFromTheResults)
{
    Results results;
    TempFolder folder("sectionsscale");
    WriteSectionFiles(folder, 14, 2, false);
    Model model = MixedFrames(14);
    Settings settings;
    ViewSettings scale;
    ASSERT_TRUE(LoadSecDeformData(model, settings, results, scale, folder.Path(), 2, AxialStrain));
    // Frame 13 (a truss) has the largest first-section value; elastic frames give 0.
    EXPECT_EQ(scale.ScaleMax, SectionValue(13, 2, 1, 1));
    EXPECT_EQ(scale.ScaleMin, 0);
}

TEST(SecDeformData, WithoutFramesTheScaleStays)
{
    Results results;
    TempFolder folder("sectionsnone");
    Model model;
    model.Frames.Count = -1;
    Settings settings;
    ViewSettings scale;
    scale.ScaleMax = 5;
    scale.ScaleMin = -3;
    EXPECT_FALSE(LoadSecDeformData(model, settings, results, scale, folder.Path(), 1, AxialStrain));
    EXPECT_EQ(scale.ScaleMax, 5);
    EXPECT_EQ(scale.ScaleMin, -3);
}

TEST(SecDeformData, FilesOfFramesWithoutSectionsAreNotRead)
{
    Results results;
    // Elastic frames only: OpenSees writes the time alone, or nothing at all.
    TempFolder folder("sectionselastic");
    Model model = MixedFrames(3);
    for (std::int64_t i = 1; i <= 3; ++i) {
        model.Frames.Edit(i).Section = 1;
        results.Frames.resize(4);
        results.Frames[static_cast<std::size_t>(i)].ResultI = 9;
    }
    Settings settings;
    ViewSettings scale;
    EXPECT_TRUE(LoadSecDeformData(model, settings, results, scale, folder.Path(), 1, AxialStrain));
    EXPECT_EQ(results.Frames.at(2).ResultI, 0);
    EXPECT_EQ(scale.ScaleMax, 0);
}

TEST(SecDeformData, FilesAreOpenedInTheRecordersOrder)
{
    Results results;
    TempFolder folder("sectionsorder");
    WriteSectionFiles(folder, 120, 1, false);
    std::filesystem::remove(folder.File("ele1_secn.out"));
    Model model = MixedFrames(120);
    Settings settings;
    ViewSettings scale;
    scale.ScaleMax = 5;
    const std::string error = ErrorOf(
        [&] { LoadSecDeformData(model, settings, results, scale, folder.Path(), 1, AxialStrain); });
    EXPECT_EQ(error.rfind("Cannot open file \"" + folder.File("ele1_secn.out") + "\"", 0), 0u)
        << error;
    EXPECT_EQ(results.Frames.at(2).ResultI, SectionValue(2, 1, 1, 1));
    EXPECT_EQ(results.Frames.at(2).ResultJ, 0);
    EXPECT_EQ(results.Frames.at(102).ResultI, 0);
    EXPECT_EQ(scale.ScaleMax, 5);
}

TEST(SecDeformData, ALayoutOfOtherSettingsIsRefused)
{
    Results results;
    // Written with the aggregator, read without it.
    TempFolder folder("sectionslayout");
    WriteSectionFiles(folder, 7, 1, true);
    Model model = MixedFrames(7);
    Settings settings;
    ViewSettings scale;
    EXPECT_EQ(ErrorOf([&] {
                  LoadSecDeformData(model, settings, results, scale, folder.Path(), 1, AxialStrain);
              }),
              "File \"" + folder.File("ele0_secs.out") +
                  "\" has 26 values in line 1, but frames 1 to 7 record 20 with the model's "
                  "element types and settings");
}

TEST(SecDeformData, AShortFileGivesTheListIndex)
{
    Results results;
    TempFolder folder("sectionsshort");
    WriteSectionFiles(folder, 7, 2, false);
    Model model = MixedFrames(7);
    Settings settings;
    ViewSettings scale;
    EXPECT_EQ(ErrorOf([&] {
                  LoadSecDeformData(model, settings, results, scale, folder.Path(), 3, AxialStrain);
              }),
              "List index out of bounds (2)");
}

TEST(DeformationScales, AreStoredInOrderUntilABadText)
{
    ViewSettings settings;
    ViewTransform view;
    ApplyDeformationScales(settings, view, "0.5", "-0.25", "20");
    EXPECT_EQ(settings.ScaleMax, 0.5);
    EXPECT_EQ(settings.ScaleMin, -0.25);
    EXPECT_EQ(view.DeformScale, 20);
    EXPECT_EQ(ErrorOf([&] { ApplyDeformationScales(settings, view, "1", "x", "30"); }),
              "'x' is not a valid floating point value");
    EXPECT_EQ(settings.ScaleMax, 1);
    EXPECT_EQ(settings.ScaleMin, -0.25);
    EXPECT_EQ(view.DeformScale, 20);
}

} // namespace
} // namespace vek
