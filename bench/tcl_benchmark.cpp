// bench_tcl: how long writing the OpenSees script of a large building takes against
// importing it.
//
//   bench_tcl [--joints N] [benchmark flags]
//       Writes a generated building of about N joints (default 1,000,000) to a temporary file,
//       then times (a) the import, LoadS2kFile + ReadS2kModel, and (b) the generation:
//       GenerateTclScript (its three preparation passes and every block, into the script's
//       lines) and SaveTclScript to a file. Prints the benchmark table, then a summary with
//       (b)/(a) and the script's size and throughput.

#include "building_generator.h"

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "tcl/tcl_generator.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace vek;
using Clock = std::chrono::steady_clock;

constexpr double MiB = 1024.0 * 1024.0;

std::string g_buildingPath;
std::string g_scriptPath;
double g_bestImport = 0;
double g_bestGenerate = 0;

void KeepBest(double& best, Clock::time_point start)
{
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (best == 0 || seconds < best)
        best = seconds;
}

void BM_Import(benchmark::State& state)
{
    for (auto _ : state) {
        auto model = std::make_unique<Model>();
        const auto start = Clock::now();
        LoadS2kFile(*model, g_buildingPath);
        benchmark::DoNotOptimize(ReadS2kModel(*model));
        KeepBest(g_bestImport, start);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_GenerateAndSave(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<Model>();
        LoadS2kFile(*model, g_buildingPath);
        ReadS2kModel(*model);
        auto lines = std::make_unique<TextLines>();
        std::vector<std::string> warnings;
        state.ResumeTiming();
        const auto start = Clock::now();
        GenerateTclScript(*model, Settings(), *lines, warnings);
        SaveTclScript(*lines, g_scriptPath);
        KeepBest(g_bestGenerate, start);
        state.PauseTiming();
        lines.reset();
        model.reset();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::int64_t joints = 1000000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--joints") == 0) {
            joints = std::stoll(argv[i + 1]);
            std::rotate(argv + i, argv + i + 2, argv + argc);
            argc -= 2;
            break;
        }
    benchmark::Initialize(&argc, argv);

    const auto tmp = std::filesystem::temp_directory_path();
    const std::string id = std::to_string(getpid());
    g_buildingPath = (tmp / ("vek_bench_tcl_" + id + ".s2k")).string();
    g_scriptPath = (tmp / ("vek_bench_tcl_" + id + ".tcl")).string();
    const bench::BuildingConfig config = bench::BuildingForJoints(joints);
    bench::WriteBuildingFile(config, g_buildingPath);

    benchmark::RegisterBenchmark("Import", BM_Import)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3)
        ->UseRealTime();
    benchmark::RegisterBenchmark("GenerateTclScript+Save", BM_GenerateAndSave)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3)
        ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();

    const double fileMiB = double(std::filesystem::file_size(g_buildingPath)) / MiB;
    const double scriptMiB = double(std::filesystem::file_size(g_scriptPath)) / MiB;
    std::printf("\nSummary (real time, shortest of the repetitions), %lld joints:\n"
                "  (a) import             %8.1f ms  (%.1f MiB of s2k)\n"
                "  (b) generate and save  %8.1f ms  (%.1f MiB of script, %.0f MB/s)\n"
                "  (b)/(a) = %.2f  (at most 1, goal 0.5)\n",
                static_cast<long long>(joints), g_bestImport * 1e3, fileMiB, g_bestGenerate * 1e3,
                scriptMiB, double(std::filesystem::file_size(g_scriptPath)) / 1e6 / g_bestGenerate,
                g_bestGenerate / g_bestImport);
    std::filesystem::remove(g_buildingPath);
    std::filesystem::remove(g_scriptPath);
    benchmark::Shutdown();
    return 0;
}
