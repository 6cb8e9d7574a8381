#pragma once

#include "post/solver_launch.h"
#include "run/recorder_line_counter.h"
#include "run/run_script.h"
#include "run/run_verdict.h"
#include "run/solver_process.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vek {

// One run of the solver on a script VEK wrote, followed as it goes: the solver's output, the
// stage and step from the lines of the progress file, and at the end the verdict. The
// recorder files the script names are removed before the start, so that no file of an older
// run passes for this one's. The window and vek-cli each poll it in their own loop.
class SolverRun
{
public:
    // Reads the script, removes its old recorder files and starts the solver; `warnings` are
    // the script's pre-flight warnings, for the verdict. Raises VekError when the script
    // cannot be read or the solver cannot be started.
    SolverRun(const SolverLaunch& launch, std::vector<std::string> warnings);

    // Reads what the solver wrote and counts the progress file, waiting up to `wait` for
    // output. Returns false once the solver has ended (and after that).
    bool Poll(std::chrono::milliseconds wait);
    void Cancel();

    const RunScript& Script() const { return script_; }
    // The solver's whole output so far.
    const std::string& Output() const { return output_; }
    StageProgress Progress() const;
    std::optional<std::int64_t> RecordedLines() const;
    bool Ended() const { return process_->Exit().has_value(); }
    // The verdict, once the solver has ended.
    RunVerdict Verdict() const;
    const std::filesystem::path& Folder() const { return folder_; }
    int Pid() const { return process_->Pid(); }

private:
    RunScript script_;
    std::vector<std::string> warnings_;
    std::filesystem::path folder_;
    std::optional<RecorderLineCounter> counter_;
    std::unique_ptr<SolverProcess> process_;
    std::string output_;
};

} // namespace vek
