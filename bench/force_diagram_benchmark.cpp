// bench_force_diagram: how long the force diagrams of a large building take to work out and to
// draw.
//
//   bench_force_diagram [--frames N] [--angles PLAN,TILT] [benchmark flags]
//       Imports a generated building of at least N frames (default 100,000), fits it into a
//       1069 x 639 picture with ZoomAll, gives every frame end forces in equilibrium with its
//       DEAD line load (end I: an axial force, shears and moments that vary from frame to
//       frame), then times
//         (a) ApplyForceRequest: the moment My of every frame, with the load of DEAD between
//             the ends, and the auto scale;
//         (b) RedrawModel into a QPainterCanvas with the start-up layers and the diagrams,
//             the end values written;
//         (c) the same without the end values;
//       and, for comparison, (d) RedrawModel with the start-up layers and no diagram.
//       Prints the table, then (a), (a) + (b) and (a) + (c), and (b) - (d), what the diagrams
//       add to a redraw.

#include "bench_support.h"
#include "building_generator.h"
#include "picture_main.h"

#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/text_lines.h"
#include "view/force_diagram.h"
#include "view/model_drawing.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace vek;

constexpr AreaSize Area{1069, 639};

struct Scene
{
    Model Building;
    ViewTransform View;
    ProjectedModel Projected;
    QImage Picture;
    std::vector<FrameEndForces> EndForces;
    Results Shown;
    ForceRequest Request;
};

Scene* g_scene = nullptr;

std::int32_t CaseNumber(const Model& model, std::string_view name)
{
    for (std::int32_t c = 1; c <= model.LoadCaseCount; ++c)
        if (model.LoadCaseName(c) == name)
            return c;
    return 0;
}

// End forces of every frame in equilibrium with its load of the case.
std::vector<FrameEndForces> BalancedEndForces(const Model& model, std::int32_t loadCase)
{
    const std::vector<LocalLoad> loads = CaseFrameLoads(model, loadCase);
    std::vector<FrameEndForces> ends(loads.size());
    LocalAxes axes;
    double length = 0;
    for (std::size_t k = 1; k < ends.size(); ++k) {
        if (!FrameLocalAxes(model, model.Frames[static_cast<std::int64_t>(k)], axes, length))
            continue;
        const LocalLoad w = loads[k];
        const double v = static_cast<double>(k % 97);
        std::array<double, 12>& f = ends[k].Local;
        f = {-1000 - v, 50 + v, -w.Wz * length / 2 + v, 10 * v, -1e5 * v, 2e5 - 1e3 * v};
        f[6] = -f[0] - w.Wx * length;
        f[7] = -f[1] - w.Wy * length;
        f[8] = -f[2] - w.Wz * length;
        f[9] = -f[3];
        f[10] = -f[4] - length * f[2] - w.Wz * length * length / 2;
        f[11] = -f[5] + length * f[1] + w.Wy * length * length / 2;
        ends[k].Recorded = true;
    }
    return ends;
}

void BM_Compute(benchmark::State& state)
{
    Scene& scene = *g_scene;
    Results results;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ApplyForceRequest(scene.Building, results, scene.Request, scene.EndForces));
}

void Redraw(benchmark::State& state, const Results& results)
{
    Scene& scene = *g_scene;
    for (auto _ : state) {
        QPainterCanvas canvas(scene.Picture);
        RedrawModel(canvas, scene.Building, results, scene.Projected, ViewSettings(), scene.View);
    }
}

int RunBenchmarks(std::int64_t frames, bench::PictureView angles)
{
    auto scene = std::make_unique<Scene>();
    bench::ImportBuildingWithFrames(scene->Building, frames);
    scene->Picture = NewModelImage(QSize(Area.W, Area.H));
    scene->View.PlanAngle = angles.PlanAngle;
    scene->View.TiltAngle = angles.TiltAngle;
    ZoomAll(scene->Building, Results(), scene->Projected, scene->View, Area);
    const std::int32_t dead = CaseNumber(scene->Building, "DEAD");
    scene->EndForces = BalancedEndForces(scene->Building, dead);
    scene->Request = {FrameQuantity::My, 1, dead, true, 0, true};
    ApplyForceRequest(scene->Building, scene->Shown, scene->Request, scene->EndForces);
    g_scene = scene.get();

    std::size_t drawn = 0;
    for (const FrameDiagram& d : scene->Shown.Forces.Frames)
        drawn += d.Drawn ? 1 : 0;
    std::printf("Building: %d joints, %d frames (%zu diagrams); picture %d x %d; view angles "
                "%g, %g\n",
                scene->Building.JointCount(), scene->Building.FrameCount(), drawn, Area.W, Area.H,
                angles.PlanAngle, angles.TiltAngle);

    Results noValues = scene->Shown;
    noValues.Forces.ShowValues = false;
    const auto add = [](const char* name, auto fn) {
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->MinTime(0.5);
    };
    add("Compute", BM_Compute);
    add("Redraw/Diagrams", [](benchmark::State& state) { Redraw(state, g_scene->Shown); });
    add("Redraw/DiagramsNoValues",
        [&noValues](benchmark::State& state) { Redraw(state, noValues); });
    add("Redraw/NoDiagram", [](benchmark::State& state) { Redraw(state, Results()); });

    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double a = reporter.Of("Compute"), b = reporter.Of("Redraw/Diagrams");
    const double c = reporter.Of("Redraw/DiagramsNoValues"), d = reporter.Of("Redraw/NoDiagram");
    std::printf("\nSummary (real time, shortest of the repetitions):\n"
                "  (a) work out the diagrams                      %8.2f ms\n"
                "  (a) + (b) work out and redraw, end values      %8.2f ms\n"
                "  (a) + (c) work out and redraw, no end values   %8.2f ms\n"
                "  (b) - (d) what the diagrams add to a redraw    %8.2f ms\n",
                a * 1e3, (a + b) * 1e3, (a + c) * 1e3, (b - d) * 1e3);
    g_scene = nullptr;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return vek::bench::PictureBenchmarkMain(argc, argv, "bench_force_diagram", 100'000,
                                            RunBenchmarks);
}
