#pragma once

#include "run/run_script.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// How the solver's process ended.
struct SolverExit
{
    // The exit code, when it exited by itself.
    int Code = 0;
    // The signal that ended it, 0 when it exited by itself.
    int Signal = 0;
    // The engineer cancelled the run (the signal is then the one VEK sent).
    bool Cancelled = false;
};

// What a run came to.
struct RunVerdict
{
    bool Finished = false;
    // Why it did not finish, in plain words; empty for a finished run.
    std::string Reason;
    // The solver's own line that tells the failure, as it wrote it; empty without one.
    std::string SolverLine;
    // The pre-flight warnings, given before the run, that predicted this failure.
    std::vector<std::string> Predicted;

    // "finished", or "failed: REASON".
    std::string Summary() const;
    // The summary, the solver's line quoted and the predicting warnings, one to a line.
    std::string Text() const;
};

// Judges a run by the solver's whole output (standard output and error together), how it
// ended, and the lines of the progress file (none when the script records nothing). OpenSees
// exits with 0 when a command of the script fails, so the output decides: a run is finished
// only when no command failed and the run reached the end of the script: its last stage
// marker was written and every step of every stage was recorded. Otherwise the reason names
// the first failure: a cancel, a crash, an eigen solver that found too few modes, a singular
// matrix, an analysis that stopped (at step k of N of its stage, k the steps in the recorder
// files), a command of the script that failed, a solver that stopped with an error code, or a
// script that ended early. `warnings` are the script's pre-flight warnings; those of the kind
// that causes the failure are kept in Predicted.
RunVerdict JudgeRun(const RunScript& script, std::string_view output, const SolverExit& exit,
                    std::optional<std::int64_t> recordedLines,
                    const std::vector<std::string>& warnings);

} // namespace vek
