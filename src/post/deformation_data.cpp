#include "post/deformation_data.h"

#include "model/element_kinds.h"
#include "post/recorder_files.h"
#include "post/recorder_line.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace vek {

namespace {

// Values of the sections that OpenSees writes for "section k deformation".
constexpr std::int32_t FibreSectionValues = 4;
constexpr std::int32_t AggregatedSectionValues = 6;
constexpr std::int32_t ElasticSectionValues = 4;
// A beam with hinges integrates over six sections, the hinges being the first and the last.
constexpr std::int64_t HingeElementSections = 6;

// Joints First..Last of one node file take their three values of line `step`.
void ReadJointFile(Results& results, const std::string& path, std::int64_t step,
                   const RecorderFile& file, RecorderFields& fields)
{
    const TextLines lines = LoadTextFile(path);
    SplitRecorderLine(StepLine(lines, step), fields);
    for (std::int64_t j = file.First; j <= file.Last; ++j) {
        const auto k = static_cast<std::size_t>(j - file.First + 1);
        JointDisplacement& joint = results.Joints.at(static_cast<std::size_t>(j));
        joint.DispX = RecorderValue(fields, 3 * k - 2);
        joint.DispY = RecorderValue(fields, 3 * k - 1);
        joint.DispZ = RecorderValue(fields, 3 * k);
    }
}

// The values of a line after its time, not counting empty fields at its end.
std::size_t ValueCount(const RecorderFields& fields)
{
    std::size_t n = fields.size();
    while (n > 1 && fields[n - 1].empty())
        --n;
    return n > 0 ? n - 1 : 0;
}

// Frames First..Last of one section file take value `kind` of their own values in line
// `step`; the values of each frame follow those of the frames before it. When no frame of
// the file records anything, the file is not read.
void ReadSectionFile(const Model& model, const Settings& settings, Results& results,
                     const std::string& path, const RecorderFile& file, std::int64_t section,
                     std::int64_t step, std::int32_t kind, double FrameResult::*result,
                     RecorderFields& fields)
{
    std::vector<std::int32_t> counts;
    counts.reserve(static_cast<std::size_t>(file.Last - file.First + 1));
    std::int64_t total = 0;
    for (std::int64_t i = file.First; i <= file.Last; ++i) {
        counts.push_back(SectionDeformationCount(model, settings, i, section));
        total += counts.back();
    }
    // The fields point into the lines.
    TextLines lines;
    if (total > 0) {
        lines = LoadTextFile(path);
        SplitRecorderLine(StepLine(lines, step), fields);
        const std::size_t values = ValueCount(fields);
        if (values != static_cast<std::size_t>(total))
            throw VekError(Format("File \"%s\" has %d values in line %d, but frames %d to %d "
                                  "record %d with the model's element types and settings",
                                  {path, values, step, file.First, file.Last, total}));
    }
    std::size_t first = 1;
    for (std::int64_t i = file.First; i <= file.Last; ++i) {
        const std::int32_t count = counts[static_cast<std::size_t>(i - file.First)];
        FrameResult& frame = results.Frames.at(static_cast<std::size_t>(i));
        frame.*result =
            count > 0 ? RecorderValue(fields, first + static_cast<std::size_t>(kind) - 1) : 0;
        first += static_cast<std::size_t>(count);
    }
}

// ScaleMax and ScaleMin from the results of every frame, starting from frame 1's ResultI.
void SetScaleFromResults(const Model& model, const Results& results, ViewSettings& settings)
{
    double high = EntryOf(results.Frames, 1).ResultI;
    double low = high;
    const std::int64_t frames = model.Frames.end() - model.Frames.begin();
    for (std::int64_t i = 1; i <= frames; ++i) {
        const FrameResult frame = EntryOf(results.Frames, i);
        high = std::max({high, frame.ResultI, frame.ResultJ});
        low = std::min({low, frame.ResultI, frame.ResultJ});
    }
    settings.ScaleMax = high;
    settings.ScaleMin = low;
}

// An entry for every joint of the model; those that were there keep their values.
void FitJointResults(const Model& model, Results& results)
{
    results.Joints.resize(static_cast<std::size_t>(model.Joints.end() - model.Joints.begin()) + 1);
}

} // namespace

std::int32_t SectionDeformationCount(const Model& model, const Settings& settings,
                                     std::int64_t frame, std::int64_t section)
{
    const std::int32_t s = model.Frames[frame].Section;
    if (!model.FrameSections.Contains(s))
        return 0;
    const std::int32_t hinge =
        settings.UseSectionAggregator ? AggregatedSectionValues : FibreSectionValues;
    const ElementKind kind = model.FrameSections[s].ElemType;
    if (InfoOf(kind).HasIntegrationPoints)
        return section >= 1 && section <= settings.NumIntegrationPoints ? hinge : 0;
    if (kind == ElementKind::BeamWithHinge) {
        if (section == 1 || section == HingeElementSections)
            return hinge;
        return section > 1 && section < HingeElementSections ? ElasticSectionValues : 0;
    }
    // A truss has one section, always the plain fibre section.
    if (InfoOf(kind).IsTruss)
        return section == 1 ? FibreSectionValues : 0;
    return 0;
}

void LoadNodeDeformData(const Model& model, Results& results, std::string_view folder,
                        std::int32_t step)
{
    FitJointResults(model, results);
    RecorderFields fields;
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount()))
        ReadJointFile(results, RecorderPath(folder, Format("node%d.out", {file.Number})), step,
                      file, fields);
}

void LoadModeShape(const Model& model, Results& results, std::string_view folder, std::int32_t mode)
{
    FitJointResults(model, results);
    RecorderFields fields;
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount()))
        ReadJointFile(results,
                      RecorderPath(folder, Format("eigen%d_node%d.out", {mode, file.Number})), 1,
                      file, fields);
}

bool LoadSecDeformData(const Model& model, const Settings& settings, Results& results,
                       ViewSettings& view, std::string_view folder, std::int32_t step,
                       std::int32_t kind)
{
    if (kind < AxialStrain || kind > CurvatureKy)
        throw std::invalid_argument("section value kind outside 1..3");
    results.Frames.resize(static_cast<std::size_t>(model.Frames.end() - model.Frames.begin()) + 1);
    RecorderFields fields;
    for (const RecorderFile& file : ElementRecorderFiles(model.FrameCount())) {
        ReadSectionFile(model, settings, results,
                        RecorderPath(folder, Format("ele%d_secs.out", {file.Number})), file, 1,
                        step, kind, &FrameResult::ResultI, fields);
        ReadSectionFile(model, settings, results,
                        RecorderPath(folder, Format("ele%d_secn.out", {file.Number})), file,
                        settings.NumIntegrationPoints, step, kind, &FrameResult::ResultJ, fields);
    }
    if (model.FrameCount() < 1)
        return false;
    SetScaleFromResults(model, results, view);
    return true;
}

void ApplyDeformationScales(ViewSettings& settings, ViewTransform& view, std::string_view maxText,
                            std::string_view minText, std::string_view scaleText)
{
    settings.ScaleMax = StrToFloat(maxText);
    settings.ScaleMin = StrToFloat(minText);
    view.DeformScale = StrToFloat(scaleText);
}

} // namespace vek
