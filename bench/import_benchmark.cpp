// bench_import: how long the s2k import of a large building takes against the floor of
// reading the file, and how much memory it needs against the size of the file.
//
//   bench_import [--joints N] [benchmark flags]
//       Writes a generated building of about N joints (default 1,000,000) to a temporary
//       file, then times (a) LoadTextFile, the floor: reading the file and splitting it into
//       lines; (b) ReadS2kModel on lines already loaded; (c) LoadS2kFile + ReadS2kModel.
//       Prints the benchmark table, then a summary with (b)/(a) and (c)/(a), then the peak
//       memory of importing the file once in a fresh process.
//   bench_import --peak-memory FILE
//       Imports FILE once and prints the peak resident set size and its ratio to the file size.

#include "bench_support.h"
#include "building_generator.h"

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "util/error.h"
#include "util/text_lines.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <spawn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using namespace vek;

constexpr double MiB = 1024.0 * 1024.0;

std::string g_path;
std::int64_t g_fileBytes = 0;

// Peak resident set size of this process so far, in bytes: VmHWM of /proc/self/status.
// (getrusage's ru_maxrss would not do: Linux carries it over from the parent across exec.)
double PeakRssBytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %lf kB", &kib) == 1)
            break;
    std::fclose(status);
    return kib * 1024.0;
}

// User and system CPU time spent in the timed parts of a benchmark.
class CpuSplit
{
public:
    void Start() { start_ = Now(); }
    void Stop()
    {
        const auto [user, sys] = Now();
        user_ += user - start_.first;
        sys_ += sys - start_.second;
    }
    void Report(benchmark::State& state) const
    {
        using benchmark::Counter;
        state.counters["user_ms"] = Counter(user_ * 1e3, Counter::kAvgIterations);
        state.counters["sys_ms"] = Counter(sys_ * 1e3, Counter::kAvgIterations);
    }

private:
    static std::pair<double, double> Now()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
        return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
    }

    std::pair<double, double> start_{};
    double user_ = 0, sys_ = 0;
};

int PeakMemory(const std::string& path)
{
    const double before = PeakRssBytes();
    std::error_code error;
    const auto fileBytes = std::filesystem::file_size(path, error);
    if (error) {
        std::fprintf(stderr, "bench_import: cannot read %s: %s\n", path.c_str(),
                     error.message().c_str());
        return 1;
    }
    auto model = std::make_unique<Model>();
    try {
        LoadS2kFile(*model, path);
        ReadS2kModel(*model);
    } catch (const VekError& e) {
        std::fprintf(stderr, "bench_import: import of %s stopped: %s\n", path.c_str(), e.what());
        return 1;
    }
    const double peak = PeakRssBytes();
    std::printf("Peak memory of importing %s:\n"
                "  file size          %10.1f MiB\n"
                "  peak RSS           %10.1f MiB (%.1f MiB before the import)\n"
                "  peak / file size   %10.2f   (goal at most 4)\n",
                path.c_str(), double(fileBytes) / MiB, peak / MiB, before / MiB,
                peak / double(fileBytes));
    return 0;
}

// Runs this program again with --peak-memory on the file, so the figure is that of a fresh
// process that never held the generator's text.
void PeakMemoryInChild(const std::string& path)
{
    std::fflush(stdout);
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string flag = "--peak-memory";
    std::string file = path;
    char* argv[] = {self.data(), flag.data(), file.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "bench_import: cannot start %s\n", self.c_str());
        return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
}

// Every benchmark builds its model fresh and frees what it made outside the timing.
void BM_Floor_LoadTextFile(benchmark::State& state)
{
    CpuSplit cpu;
    for (auto _ : state) {
        cpu.Start();
        auto lines = std::make_unique<TextLines>(LoadTextFile(g_path));
        benchmark::DoNotOptimize(lines->size());
        cpu.Stop();
        state.PauseTiming();
        lines.reset();
        state.ResumeTiming();
    }
    cpu.Report(state);
    state.SetBytesProcessed(state.iterations() * g_fileBytes);
}

void BM_ReadS2kModel(benchmark::State& state)
{
    CpuSplit cpu;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<Model>();
        LoadS2kFile(*model, g_path);
        state.ResumeTiming();
        cpu.Start();
        benchmark::DoNotOptimize(ReadS2kModel(*model));
        cpu.Stop();
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    cpu.Report(state);
    state.SetBytesProcessed(state.iterations() * g_fileBytes);
}

void BM_LoadS2kFile_ReadS2kModel(benchmark::State& state)
{
    CpuSplit cpu;
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<Model>();
        state.ResumeTiming();
        cpu.Start();
        LoadS2kFile(*model, g_path);
        benchmark::DoNotOptimize(ReadS2kModel(*model));
        cpu.Stop();
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    cpu.Report(state);
    state.SetBytesProcessed(state.iterations() * g_fileBytes);
}

int RunBenchmarks(std::int64_t joints)
{
    const bench::BuildingConfig config = bench::BuildingForJoints(joints);
    g_path = (std::filesystem::temp_directory_path() /
              ("vek_bench_building_" + std::to_string(getpid()) + ".s2k"))
                 .string();
    const auto start = std::chrono::steady_clock::now();
    bench::WriteBuildingFile(config, g_path);
    const std::chrono::duration<double> written = std::chrono::steady_clock::now() - start;
    g_fileBytes = static_cast<std::int64_t>(std::filesystem::file_size(g_path));

    Model probe;
    LoadS2kFile(probe, g_path);
    ReadS2kModel(probe);
    std::printf("Building of %d x %d bays, %d storeys: %d joints, %d frames, %d shells, "
                "%d loads, %zu lines, %.1f MiB; written in %.2f s\n",
                config.BaysX, config.BaysY, config.Storeys, probe.JointCount(), probe.FrameCount(),
                probe.ShellCount(), probe.LoadCount(), probe.FileLines.size(),
                double(g_fileBytes) / MiB, written.count());
    probe = Model();

    const char* floor = "Floor/LoadTextFile";
    const char* read = "ReadS2kModel";
    const char* whole = "LoadS2kFile+ReadS2kModel";
    for (auto [name, fn] :
         {std::pair{floor, &BM_Floor_LoadTextFile}, std::pair{read, &BM_ReadS2kModel},
          std::pair{whole, &BM_LoadS2kFile_ReadS2kModel}})
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->MinTime(1.0);

    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double a = reporter.Of(floor);
    const double b = reporter.Of(read);
    const double c = reporter.Of(whole);
    if (a > 0) {
        auto row = [&](const char* what, const char* name) {
            std::printf("  %-34s %9.1f ms  (user %7.1f, sys %7.1f)  %5.2f x floor\n", what,
                        reporter.Of(name) * 1e3, reporter.CounterOf(name, "user_ms"),
                        reporter.CounterOf(name, "sys_ms"), reporter.Of(name) / a);
        };
        std::printf("\nSummary (real time, shortest of the repetitions):\n");
        row("(a) floor: LoadTextFile", floor);
        row("(b) ReadS2kModel, lines loaded", read);
        row("(c) LoadS2kFile + ReadS2kModel", whole);
        std::printf("  goal: (b)/(a) at most 3; here (b)/(a) = %.2f, (c)/(a) = %.2f\n\n", b / a,
                    c / a);
    }
    PeakMemoryInChild(g_path);
    std::filesystem::remove(g_path);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--peak-memory")
        return PeakMemory(argv[2]);

    std::int64_t joints = 1'000'000;
    if (!bench::InitBenchmarks(argc, argv, "--joints", joints))
        return 2;
    try {
        return RunBenchmarks(joints);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_import: %s\n", error.what());
        std::error_code ignored;
        std::filesystem::remove(g_path, ignored);
        return 1;
    }
}
