#pragma once

#include "bench_support.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string_view>

namespace vek::bench {

// The view angles of a picture benchmark: the window's start-up angles (a plan view, where
// frames are upright or level lines) unless "--angles PLAN,TILT" asks for others.
struct PictureView
{
    double PlanAngle = 0, TiltAngle = 0;
};

// Takes "--angles PLAN,TILT" out of the arguments; false when its value is not two numbers.
inline bool TakeAngles(int& argc, char** argv, PictureView& view)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--angles" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%lf,%lf", &view.PlanAngle, &view.TiltAngle) != 2)
                return false;
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    return true;
}

// The main function of a benchmark that paints pictures: a GUI application for the fonts
// (offscreen unless a platform is set; the picture needs no display), the "--frames N"
// option with its default and "--angles PLAN,TILT", then `run(N, view)`. Errors are printed
// after the benchmark's name.
template <class Run>
int PictureBenchmarkMain(int argc, char** argv, const char* name, std::int64_t frames, Run run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    PictureView view;
    if (!TakeAngles(argc, argv, view)) {
        std::fprintf(stderr, "%s: --angles wants PLAN,TILT in degrees\n", name);
        return 2;
    }
    if (!InitBenchmarks(argc, argv, "--frames", frames))
        return 2;
    try {
        return run(std::max<std::int64_t>(frames, 1), view);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return 1;
    }
}

} // namespace vek::bench
