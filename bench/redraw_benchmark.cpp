// bench_redraw: how long the model view takes to paint a large building, against the floor of
// drawing its frame lines alone.
//
//   bench_redraw [--frames N] [--angles PLAN,TILT] [benchmark flags]
//       Imports a generated building of at least N frames (default 100,000), fits it into a
//       1069 x 639 picture with ZoomAll in the
//       view of the angles (default the start-up plan view), then times
//         (a) RedrawModel into a QPainterCanvas on that picture, with the start-up settings:
//             background, projection and every layer they switch on;
//         (b) the floor: the lines of RedrawModel's frame layer (width 2, each in its
//             section's colour, the pen set when the colour changes) drawn with bare QPainter
//             calls into the same picture;
//       and, to show where the time of (a) goes, RedrawModel with no layer and with one layer
//       at a time. Prints the table, then (a), (b) and (a)/(b).

#include "bench_support.h"
#include "building_generator.h"
#include "picture_main.h"

#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/text_lines.h"
#include "view/model_drawing.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QLine>
#include <QPainter>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace vek;

constexpr AreaSize Area{1069, 639};

struct Segment
{
    QLine Line;
    std::int32_t Color;
};

// The building, its fitted view and the picture, shared by every benchmark.
struct Scene
{
    Model Building;
    ViewTransform View;
    ProjectedModel Projected;
    QImage Picture;
    // What the frame layer of RedrawModel draws, in its order.
    std::vector<Segment> FrameLines;
};

Scene* g_scene = nullptr;

// The segments of ShowFrames, from the joints' pixels that RedrawModel has just projected.
std::vector<Segment> FrameLayerLines(const Model& model, const ProjectedModel& projected)
{
    std::vector<Segment> lines;
    lines.reserve(static_cast<std::size_t>(model.FrameCount()));
    for (const TFrameElem& frame : model.Frames) {
        const TFrameSection& section = model.FrameSections[frame.Section];
        if (section.ElemType == ElementKind::ReleaseLink || !model.Joints.Contains(frame.NodeI) ||
            !model.Joints.Contains(frame.NodeJ))
            continue;
        const Point i = projected.Joint(model, frame.NodeI);
        const Point j = projected.Joint(model, frame.NodeJ);
        lines.push_back({QLine(i.X, i.Y, j.X, j.Y), section.Color});
    }
    return lines;
}

void BM_Floor_FrameLines(benchmark::State& state)
{
    Scene& scene = *g_scene;
    for (auto _ : state) {
        QPainter painter(&scene.Picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        std::int32_t color = -1;
        for (const Segment& segment : scene.FrameLines) {
            if (segment.Color != color) {
                color = segment.Color;
                painter.setPen(CanvasPen(color, 2));
            }
            painter.drawLine(segment.Line);
        }
    }
    state.counters["lines"] = static_cast<double>(scene.FrameLines.size());
}

void Redraw(benchmark::State& state, const ViewSettings& settings)
{
    Scene& scene = *g_scene;
    for (auto _ : state) {
        QPainterCanvas canvas(scene.Picture);
        RedrawModel(canvas, scene.Building, Results(), scene.Projected, settings, scene.View);
    }
}

void BM_RedrawModel(benchmark::State& state)
{
    Redraw(state, ViewSettings());
}

// The start-up settings with only the layer `flag` (or none) drawn.
ViewSettings OnlyLayer(bool ViewSettings::*flag)
{
    ViewSettings settings;
    for (bool ViewSettings::*layer :
         {&ViewSettings::ShowNodes, &ViewSettings::ShowFrames, &ViewSettings::ShowSupports,
          &ViewSettings::ShowShells, &ViewSettings::ShowReleases, &ViewSettings::ShowSolids})
        settings.*layer = false;
    if (flag)
        settings.*flag = true;
    return settings;
}

int RunBenchmarks(std::int64_t frames, bench::PictureView angles)
{
    auto scene = std::make_unique<Scene>();
    bench::ImportBuildingWithFrames(scene->Building, frames);
    scene->Picture = NewModelImage(QSize(Area.W, Area.H));
    scene->View.PlanAngle = angles.PlanAngle;
    scene->View.TiltAngle = angles.TiltAngle;
    ZoomAll(scene->Building, Results(), scene->Projected, scene->View, Area);
    {
        QPainterCanvas canvas(scene->Picture);
        RedrawModel(canvas, scene->Building, Results(), scene->Projected, ViewSettings(),
                    scene->View);
    }
    scene->FrameLines = FrameLayerLines(scene->Building, scene->Projected);
    g_scene = scene.get();

    const Model& model = scene->Building;
    std::printf("Building: %d joints, %d frames (%zu frame-layer lines), %d shells, %d solids; "
                "picture %d x %d; view angles %g, %g\n",
                model.JointCount(), model.FrameCount(), scene->FrameLines.size(),
                model.ShellCount(), model.SolidCount(), Area.W, Area.H, angles.PlanAngle,
                angles.TiltAngle);

    const char* floor = "Floor/FrameLines";
    const char* redraw = "RedrawModel";
    const auto add = [](const char* name, auto fn) {
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->MinTime(0.5);
    };
    add(floor, BM_Floor_FrameLines);
    add(redraw, BM_RedrawModel);
    const std::pair<const char*, bool ViewSettings::*> layers[] = {
        {"RedrawModel/NoLayer", nullptr},
        {"RedrawModel/OnlyNodes", &ViewSettings::ShowNodes},
        {"RedrawModel/OnlySupports", &ViewSettings::ShowSupports},
        {"RedrawModel/OnlyFrames", &ViewSettings::ShowFrames},
        {"RedrawModel/OnlyShells", &ViewSettings::ShowShells},
        {"RedrawModel/OnlyReleases", &ViewSettings::ShowReleases},
        {"RedrawModel/OnlySolids", &ViewSettings::ShowSolids},
    };
    for (const auto& [name, flag] : layers) {
        const ViewSettings settings = OnlyLayer(flag);
        add(name, [settings](benchmark::State& state) { Redraw(state, settings); });
    }

    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double a = reporter.Of(redraw), b = reporter.Of(floor);
    if (a > 0 && b > 0) {
        std::printf("\nSummary (real time, shortest of the repetitions):\n"
                    "  (a) RedrawModel, start-up layers   %8.2f ms\n"
                    "  (b) floor: frame lines, QPainter   %8.2f ms\n"
                    "  (a)/(b) = %.2f   (goal at most 1.5, limit 2.5)\n",
                    a * 1e3, b * 1e3, a / b);
        const double none = reporter.Of("RedrawModel/NoLayer");
        if (none > 0) {
            std::printf("  where (a) goes: background and projection %.2f ms", none * 1e3);
            for (const auto& [name, flag] : layers)
                if (flag)
                    std::printf(", %s +%.2f ms", std::string_view(name).substr(16).data(),
                                (reporter.Of(name) - none) * 1e3);
            std::printf("\n");
        }
    }
    g_scene = nullptr;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return vek::bench::PictureBenchmarkMain(argc, argv, "bench_redraw", 100'000, RunBenchmarks);
}
