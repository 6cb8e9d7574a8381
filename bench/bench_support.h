#pragma once

// What the benchmark programs share: their summary of the fastest runs and their arguments.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vek::bench {

// The console report, keeping for each benchmark its run of the shortest real time per
// iteration, for the summary a program prints at the end.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double seconds = run.real_accumulated_time / double(run.iterations);
            Best& best = best_[run.run_name.function_name];
            if (best.Seconds == 0 || seconds < best.Seconds)
                best = {seconds, run.counters};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The shortest real time of an iteration in seconds; 0 when the benchmark did not run.
    double Of(const std::string& name) const
    {
        const auto it = best_.find(name);
        return it == best_.end() ? 0 : it->second.Seconds;
    }

    // A counter of that fastest run; 0 when there is none.
    double CounterOf(const std::string& name, const std::string& counter) const
    {
        const auto it = best_.find(name);
        if (it == best_.end())
            return 0;
        const auto value = it->second.Counters.find(counter);
        return value == it->second.Counters.end() ? 0 : double(value->second);
    }

private:
    struct Best
    {
        double Seconds = 0;
        benchmark::UserCounters Counters;
    };

    std::map<std::string, Best> best_;
};

// Takes "`flag` N" out of the arguments (`value` keeps its default when it is not there) and
// gives the rest to Google Benchmark. False when an argument is not recognised.
inline bool InitBenchmarks(int argc, char** argv, std::string_view flag, std::int64_t& value)
{
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == flag && i + 1 < argc)
            value = std::atoll(argv[++i]);
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    return !benchmark::ReportUnrecognizedArguments(restCount, rest.data());
}

} // namespace vek::bench
