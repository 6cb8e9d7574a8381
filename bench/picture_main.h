#pragma once

#include "bench_support.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>

namespace vek::bench {

// The main function of a benchmark that paints pictures: a GUI application for the fonts
// (offscreen unless a platform is set; the picture needs no display), the "--frames N"
// option with its default, then `run(N)`. Errors are printed after the benchmark's name.
template <class Run>
int PictureBenchmarkMain(int argc, char** argv, const char* name, std::int64_t frames, Run run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    if (!InitBenchmarks(argc, argv, "--frames", frames))
        return 2;
    try {
        return run(std::max<std::int64_t>(frames, 1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        return 1;
    }
}

} // namespace vek::bench
