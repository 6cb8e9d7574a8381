#include "run/solver_run.h"

#include "util/error.h"
#include "util/text_lines.h"

#include <system_error>

namespace vek {

namespace fs = std::filesystem;

SolverRun::SolverRun(const SolverLaunch& launch, std::vector<std::string> warnings)
    : warnings_(std::move(warnings)), folder_(launch.WorkingFolder)
{
    if (launch.Arguments.empty())
        throw VekError("No script to run.");
    script_ = ReadRunScript(ReadWholeFile(launch.Arguments.front()));
    for (const std::string& file : script_.RecorderFiles) {
        const fs::path path = folder_ / fs::path(file);
        std::error_code error;
        if (fs::is_regular_file(path, error))
            fs::remove(path, error);
    }
    if (!script_.ProgressFile.empty())
        counter_.emplace(folder_ / fs::path(script_.ProgressFile));
    process_ = std::make_unique<SolverProcess>(launch.Program, launch.Arguments, folder_);
}

bool SolverRun::Poll(std::chrono::milliseconds wait)
{
    const bool running = process_->Read(output_, wait);
    if (counter_)
        counter_->Count();
    return running;
}

void SolverRun::Cancel()
{
    process_->Cancel();
}

std::optional<std::int64_t> SolverRun::RecordedLines() const
{
    if (!counter_)
        return std::nullopt;
    return counter_->Lines();
}

StageProgress SolverRun::Progress() const
{
    return ProgressOf(script_, counter_ ? counter_->Lines() : 0);
}

RunVerdict SolverRun::Verdict() const
{
    if (!process_->Exit())
        throw VekError("The solver is still running.");
    return JudgeRun(script_, output_, *process_->Exit(), RecordedLines(), warnings_);
}

} // namespace vek
