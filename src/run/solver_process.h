#pragma once

#include "run/run_verdict.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vek {

// The solver's process, started without a shell: the program gets its arguments as they are
// (blanks, quotes and letters of any language need no quoting) and runs in its own process
// group, in the working folder, its standard output and error on one pipe. Ending it ends the
// whole group: every process the solver started goes with it. The destructor ends a process
// that still runs.
class SolverProcess
{
public:
    // Starts the program; one that cannot be started (not found, not executable, a working
    // folder that cannot be entered) raises VekError naming it and why.
    SolverProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                  const std::filesystem::path& workingFolder);
    ~SolverProcess();
    SolverProcess(const SolverProcess&) = delete;
    SolverProcess& operator=(const SolverProcess&) = delete;

    // Appends to `output` what the solver wrote, waiting up to `wait` for something to come.
    // Returns false once the solver has ended and everything it wrote is read.
    bool Read(std::string& output, std::chrono::milliseconds wait);

    // Asks the whole group to end (SIGTERM); Read then goes on until the solver ended. A solver
    // that is still there `grace` later is killed (SIGKILL), and so is the rest of its group.
    void Cancel(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));

    // How the solver ended, once Read returned false.
    const std::optional<SolverExit>& Exit() const { return exit_; }
    int Pid() const { return pid_; }

private:
    // Whether the solver has ended, without reaping it yet (its group stays known).
    bool Ended() const;
    // Kills what is left of the group, reaps the solver and records how it ended.
    void Reap();

    int pid_ = -1;
    int pipe_ = -1;
    bool cancelled_ = false;
    std::optional<std::chrono::steady_clock::time_point> killAt_;
    std::optional<SolverExit> exit_;
};

} // namespace vek
