// Reads recorder files made of the input the way the deformation and animation dialogs do,
// into a fixed model of a little more than a hundred joints and frames (two files of each
// kind), and the result tables of a run (joint history, capacity curve, frame end forces,
// modal table). The input's first byte picks the step, the mode, the section value and the
// aggregator; the rest is cut at NUL bytes into the files, in the order node files,
// eigenvector files, first-section files, last-section files, element force files and
// ModalProperties.txt. A file without its part is not written, so a missing file is read as
// well.

#include "draw/recording_canvas.h"
#include "model/model.h"
#include "post/animation.h"
#include "post/capacity_curve.h"
#include "post/deformation_data.h"
#include "post/frame_forces.h"
#include "post/joint_history.h"
#include "post/modal_table.h"
#include "post/recorder_files.h"
#include "s2k/s2k_import.h"
#include "tcl/settings.h"
#include "util/error.h"
#include "util/format.h"
#include "util/text_lines.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

vek::Model& TheModel()
{
    static vek::Model* model = [] {
        auto* m = new vek::Model;
        vek::LoadS2kFile(*m, VEK_FUZZ_MODEL);
        vek::ReadS2kModel(*m);
        return m;
    }();
    return *model;
}

const fs::path& Folder()
{
    static const fs::path folder = [] {
        char name[] = "/tmp/vek-fuzz-recorders-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        return fs::path(name);
    }();
    return folder;
}

// The file names, in the order the input's parts fill them.
std::vector<std::string> FileNames(const vek::Model& model)
{
    std::vector<std::string> names;
    for (const vek::RecorderFile& file : vek::NodeRecorderFiles(model.JointCount()))
        names.push_back(vek::Format("node%d.out", {file.Number}));
    for (const vek::RecorderFile& file : vek::NodeRecorderFiles(model.JointCount()))
        names.push_back(vek::Format("eigen%d_node%d.out", {1, file.Number}));
    for (const char* end : {"secs", "secn"})
        for (const vek::RecorderFile& file : vek::ElementRecorderFiles(model.FrameCount()))
            names.push_back(vek::Format("ele%d_%s.out", {file.Number, end}));
    for (const vek::RecorderFile& file : vek::ElementRecorderFiles(model.FrameCount()))
        names.push_back(vek::Format("ele%d.out", {file.Number}));
    names.emplace_back(vek::ModalPropertiesFile);
    return names;
}

void WriteFiles(std::string_view parts, const std::vector<std::string>& names)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder()))
        fs::remove(entry.path());
    for (const std::string& name : names) {
        if (parts.empty())
            return;
        const std::size_t end = parts.find('\0');
        std::ofstream(Folder() / name, std::ios::binary) << parts.substr(0, end);
        parts = end == std::string_view::npos ? std::string_view() : parts.substr(end + 1);
    }
}

template <class Load> void Guarded(Load&& load)
{
    try {
        load();
    } catch (const vek::VekError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    vek::Model& model = TheModel();
    const std::uint8_t pick = data[0];
    WriteFiles(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1),
               FileNames(model));

    const std::string folder = Folder().string();
    const std::int32_t step = 1 + pick % 6;
    vek::Settings settings;
    settings.UseSectionAggregator = (pick & 0x40) != 0;
    vek::ViewSettings scale;
    vek::Results results;
    vek::AnimationData animation;
    Guarded([&] { vek::LoadNodeDeformData(model, results, folder, step); });
    Guarded([&] { vek::LoadModeShape(model, results, folder, 1 + (pick >> 7)); });
    Guarded([&] {
        vek::LoadSecDeformData(model, settings, results, scale, folder, step, 1 + (pick >> 3) % 3);
    });

    Guarded([&] { vek::ReadJointHistory(model, folder, 1 + pick % 120, 1 + pick % 3); });
    Guarded([&] { vek::ReadFrameEndForces(model, settings, folder, step); });
    vek::Settings push = settings;
    push.AnalysisType = (pick & 1) != 0 ? vek::GravityPushover : vek::SingleDisplacementControl;
    push.LoadSteps = 1 + pick % 3;
    push.AnalysisSteps = 1 + pick % 5;
    push.ControlNode = 1 + pick % 110;
    Guarded([&] { vek::ReadCapacityCurve(model, push, folder); });
    vek::Settings modal = settings;
    modal.ModeCount = 1 + pick % 4;
    Guarded([&] { vek::ReadModalTable(modal, folder); });

    const std::int32_t stepCount = step * 30;
    Guarded([&] { vek::LoadAnimationSteps(model, animation, folder, stepCount); });
    vek::ViewTransform view;
    vek::ProjectedModel pixels;
    vek::RecordingCanvas canvas(200, 150);
    for (std::int32_t shown : {0, 1, 7, 99, 100000})
        Guarded([&] {
            vek::DrawAnimationStep(canvas, model, animation, pixels, view,
                                   vek::NextAnimationStep(shown, stepCount));
        });
    return 0;
}
