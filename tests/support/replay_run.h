#pragma once

#include "util/text_lines.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <signal.h>
#include <unistd.h>

namespace vek::testing {

// A scratch folder's name of this test process alone: the cases of a test run in parallel
// processes.
inline std::string OwnName(const std::string& name)
{
    return name + "_" + std::to_string(getpid());
}

// A test's name for a recorded run: "frame_pushover_stops".
inline std::string TestName(std::string run)
{
    for (char& c : run)
        if (c == '-')
            c = '_';
    return run;
}

// A recorded OpenSees run of ../shared/opensees/runs.
inline std::string RecordedRun(const std::string& name)
{
    return std::string(VEK_OPENSEES_RUNS) + "/" + name;
}

// The frame model of the recorded frame runs.
inline std::string RecordedFrameModel()
{
    return std::string(VEK_OPENSEES_RUNS) + "/../frame.s2k";
}

// The vek-cli options a recorded run's script was written with (command.txt), after the model.
inline std::vector<std::string> RecordedOptions(const std::string& run)
{
    const std::string command = ReadWholeFile(RecordedRun(run) + "/command.txt");
    const std::size_t start = command.find(".s2k") + 4;
    std::istringstream words(command.substr(start, command.find(" (then") - start));
    std::vector<std::string> options;
    for (std::string word; words >> word;)
        options.push_back(word);
    return options;
}

// Sets VEK_REPLAY_RUN, the run the stand-in solver replays ("long": one that runs until killed,
// "crash": one that aborts), for as long as it lives.
class ReplayRun
{
public:
    explicit ReplayRun(const std::string& run)
    {
        const bool mode = run == "long" || run == "crash";
        setenv("VEK_REPLAY_RUN", mode ? run.c_str() : RecordedRun(run).c_str(), 1);
    }
    ~ReplayRun() { unsetenv("VEK_REPLAY_RUN"); }
    ReplayRun(const ReplayRun&) = delete;
    ReplayRun& operator=(const ReplayRun&) = delete;
};

// The pid a long stand-in run wrote to child.pid in `folder`, once it is there; 0 after about
// twenty seconds without it.
inline int WaitForChildPid(const std::filesystem::path& folder)
{
    for (int k = 0; k < 2000; ++k) {
        std::ifstream in(folder / "child.pid");
        int pid = 0;
        if (in >> pid)
            return pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

// Whether the process is gone: not there, or a zombie that only waits to be reaped.
inline bool ProcessGone(int pid)
{
    for (int k = 0; k < 500; ++k) {
        if (kill(pid, 0) != 0 && errno == ESRCH)
            return true;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text;
        std::getline(stat, text);
        const std::size_t close = text.rfind(')');
        if (close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z')
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace vek::testing
