// bench_animation: how long one tick of the animation takes on a large building, against the
// timer's interval.
//
//   bench_animation [--frames N] [--angles PLAN,TILT] [benchmark flags]
//       Imports a generated building of at least N frames (default 10,000), gives every joint
//       100 animation steps of a sway, fits the building into a 1069 x 639 picture with
//       ZoomAll in the view of the angles (default the start-up plan view), then times
//         (a) one tick as the main window draws it: PaintAnimationStep of the next step
//             (background and title, the joints projected at the step, nodes, supports and
//             frames) into that picture, half of it on each of two threads;
//         (b) the same tick on one thread;
//         (c) the tick on one thread with the frame layer alone left out of the model (its
//             frames removed), to show what the frames cost;
//       and prints (a) against the 1 ms interval of the animation's timer.

#include "bench_support.h"
#include "building_generator.h"
#include "picture_main.h"

#include "gui/model_view.h"
#include "gui/two_band_painting.h"
#include "model/model.h"
#include "post/animation.h"
#include "post/gui/animation_dialog.h"
#include "s2k/s2k_import.h"
#include "util/text_lines.h"
#include "view/view_transform.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vek;

constexpr AreaSize Area{1069, 639};
constexpr std::int32_t Steps = 100;
constexpr double TimerIntervalMs = 1.0;

struct Scene
{
    Model Building;
    Model NoFrames;
    ViewTransform View;
    ProjectedModel Projected;
    AnimationData Animation;
    QImage Picture;
    TwoBandPainting TwoBands;
};

Scene* g_scene = nullptr;

// A sway growing with the height: step s moves a joint at height z by z * sin(s / 10) / 50.
void FillSteps(const Model& model, AnimationData& animation)
{
    ResizeAnimationSteps(model, animation, Steps);
    for (std::int64_t j = 1; j <= model.JointCount(); ++j) {
        JointSteps& joint = animation.Joints[static_cast<std::size_t>(j)];
        for (std::int32_t s = 1; s <= Steps; ++s) {
            const double sway = model.Joints[j].Z * std::sin(s / 10.0) / 50;
            joint.AnimDispX[static_cast<std::size_t>(s)] = sway;
            joint.AnimDispY[static_cast<std::size_t>(s)] = sway / 2;
        }
    }
}

void Tick(benchmark::State& state, Model& model, TwoBandPainting* twoBands)
{
    Scene& scene = *g_scene;
    std::int32_t step = 1;
    for (auto _ : state) {
        step = NextAnimationStep(step, Steps);
        PaintAnimationStep(scene.Picture, model, scene.Animation, scene.Projected, scene.View, step,
                           twoBands);
    }
}

void BM_AnimationTick(benchmark::State& state)
{
    Tick(state, g_scene->Building, &g_scene->TwoBands);
}

void BM_AnimationTickOneThread(benchmark::State& state)
{
    Tick(state, g_scene->Building, nullptr);
}

void BM_AnimationTickNoFrames(benchmark::State& state)
{
    Tick(state, g_scene->NoFrames, nullptr);
}

int RunBenchmarks(std::int64_t frames, bench::PictureView angles)
{
    auto scene = std::make_unique<Scene>();
    bench::ImportBuildingWithFrames(scene->Building, frames);
    FillSteps(scene->Building, scene->Animation);
    scene->NoFrames = scene->Building;
    scene->NoFrames.Frames.Reset(0);
    scene->Picture = NewModelImage(QSize(Area.W, Area.H));
    scene->View.PlanAngle = angles.PlanAngle;
    scene->View.TiltAngle = angles.TiltAngle;
    ZoomAll(scene->Building, Results(), scene->Projected, scene->View, Area);
    scene->View.DeformScale = 1;
    g_scene = scene.get();

    const Model& model = scene->Building;
    std::printf("Building: %d joints, %d frames, %d animation steps; picture %d x %d; view "
                "angles %g, %g\n",
                model.JointCount(), model.FrameCount(), Steps, Area.W, Area.H, angles.PlanAngle,
                angles.TiltAngle);

    const char* tick = "AnimationTick";
    const char* oneThread = "AnimationTick/OneThread";
    const char* noFrames = "AnimationTick/NoFrames";
    for (const auto& [name, fn] :
         {std::pair{tick, &BM_AnimationTick}, std::pair{oneThread, &BM_AnimationTickOneThread},
          std::pair{noFrames, &BM_AnimationTickNoFrames}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->MinTime(0.5);

    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double a = reporter.Of(tick), b = reporter.Of(oneThread), c = reporter.Of(noFrames);
    if (a > 0) {
        std::printf("\nSummary (real time, shortest of the repetitions):\n"
                    "  (a) one animation tick, two threads       %8.3f ms\n"
                    "  (b) the tick on one thread                %8.3f ms\n"
                    "  (c) on one thread without the frames      %8.3f ms (frames +%.3f ms)\n"
                    "  timer interval %.0f ms: a tick spans %.2f intervals, so the animation "
                    "shows one step in %.0f at its pace\n",
                    a * 1e3, b * 1e3, c * 1e3, (b - c) * 1e3, TimerIntervalMs,
                    a * 1e3 / TimerIntervalMs, std::max(1.0, std::ceil(a * 1e3 / TimerIntervalMs)));
    }
    g_scene = nullptr;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return vek::bench::PictureBenchmarkMain(argc, argv, "bench_animation", 10'000, RunBenchmarks);
}
