// bench_history: how long reading the joint histories of a long run takes.
//
//   bench_history [--joints N] [benchmark flags]
//       Imports a generated building of about N joints (default 10,000), writes the node
//       recorder files of a 1,000-step run of it (node<k>.out, 100 joints a file, the time
//       and three displacements of each joint a line, six significant digits as OpenSees
//       writes them) to a temporary folder, then times
//         (a) ReadJointHistory of one joint, what the plot window's "Draw" and `vek-cli
//             history` read;
//         (b) ReadNodeFileHistories of every node file: the histories of all joints;
//         (c) the floor of (b): LoadTextFile of every node file;
//       and prints them against the goal of well under a second.

#include "bench_support.h"
#include "building_generator.h"

#include "model/model.h"
#include "post/joint_history.h"
#include "post/recorder_files.h"
#include "s2k/s2k_import.h"
#include "tcl/recorder_groups.h"
#include "util/format.h"
#include "util/text_lines.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace vek;

constexpr std::int32_t Steps = 1000;

Model g_model;
std::string g_folder;

// A value as OpenSees writes it: at most six significant digits.
void AppendValue(std::string& line, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    line.append(text, end.ptr);
}

// The node files of a run in which every joint sways with its height.
void WriteNodeFiles(const Model& model, const std::string& folder)
{
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount())) {
        std::string text;
        for (std::int32_t s = 1; s <= Steps; ++s) {
            AppendValue(text, 0.02 * s);
            const double wave = std::sin(0.05 * s);
            for (std::int64_t j = file.First; j <= file.Last; ++j) {
                const TJoint& joint = model.Joints[j];
                for (const double v : {wave * joint.Z * 1e-3, 0.3 * wave * joint.Z * 1e-3,
                                       -1e-5 * joint.Z * (1 + 0.01 * wave)}) {
                    text += ' ';
                    AppendValue(text, v);
                }
            }
            text += '\n';
        }
        WriteWholeFile(RecorderPath(folder, Format("node%d.out", {file.Number})), text);
    }
}

void BM_OneJointHistory(benchmark::State& state)
{
    // Joint 1 is in a full file of 100 joints.
    const std::int64_t joint = 1;
    for (auto _ : state) {
        JointHistory history = ReadJointHistory(g_model, g_folder, joint, 1);
        benchmark::DoNotOptimize(history.Values.data());
    }
}

void BM_AllJointHistories(benchmark::State& state)
{
    std::size_t values = 0;
    for (auto _ : state) {
        values = 0;
        for (const RecorderFile& file : NodeRecorderFiles(g_model.JointCount())) {
            NodeFileHistories histories = ReadNodeFileHistories(
                RecorderPath(g_folder, Format("node%d.out", {file.Number})), file);
            values += histories.Values.size();
            benchmark::DoNotOptimize(histories.Values.data());
        }
    }
    state.counters["values"] = static_cast<double>(values);
}

void BM_Floor_LoadTextFiles(benchmark::State& state)
{
    for (auto _ : state)
        for (const RecorderFile& file : NodeRecorderFiles(g_model.JointCount())) {
            TextLines lines =
                LoadTextFile(RecorderPath(g_folder, Format("node%d.out", {file.Number})));
            benchmark::DoNotOptimize(lines.size());
        }
}

int RunBenchmarks(std::int64_t joints)
{
    g_model.FileLines = TextLines::FromText(bench::BuildingText(bench::BuildingForJoints(joints)));
    ReadS2kModel(g_model);
    g_folder =
        (std::filesystem::temp_directory_path() / ("vek_bench_history_" + std::to_string(getpid())))
            .string() +
        "/";
    std::filesystem::create_directories(g_folder);
    WriteNodeFiles(g_model, g_folder);
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(g_folder))
        bytes += entry.file_size();
    std::printf("Run of %d joints, %d steps: %zu node files, %.1f MiB\n", g_model.JointCount(),
                Steps, NodeRecorderFiles(g_model.JointCount()).size(),
                double(bytes) / (1024.0 * 1024.0));

    const char* one = "OneJointHistory";
    const char* all = "AllJointHistories";
    benchmark::RegisterBenchmark(one, BM_OneJointHistory)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);
    benchmark::RegisterBenchmark(all, BM_AllJointHistories)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);
    const char* floor = "Floor/LoadTextFiles";
    benchmark::RegisterBenchmark(floor, BM_Floor_LoadTextFiles)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(3);
    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nSummary (real time, shortest of the repetitions; goal: well under 1 s):\n");
    std::printf("  (a) one joint's history (1 node file):     %9.1f ms\n", reporter.Of(one) * 1e3);
    std::printf("  (b) every joint's history (all node files): %9.1f ms\n", reporter.Of(all) * 1e3);
    std::printf("  (c) floor of (b): reading the files:        %9.1f ms\n\n",
                reporter.Of(floor) * 1e3);
    std::filesystem::remove_all(g_folder);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::int64_t joints = 10'000;
    if (!bench::InitBenchmarks(argc, argv, "--joints", joints))
        return 2;
    try {
        return RunBenchmarks(joints);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_history: %s\n", error.what());
        std::error_code ignored;
        std::filesystem::remove_all(g_folder, ignored);
        return 1;
    }
}
