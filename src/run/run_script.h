#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One stage of a script's analysis: a static or transient "analyze N" (N steps, one line of
// every recorder file a step), or the two parts of a modal analysis: "eigen" (no recorder
// line) and "record" (one line).
struct RunStage
{
    // What the engineer reads: the script's own stage marker ("loading", "gravity",
    // "pushover"), "time history" for a transient stage without one, "eigen" and "record".
    std::string Name;
    std::int64_t Steps = 0;
};

// What a run of a script VEK wrote can be followed by, read from the script's text alone.
struct RunScript
{
    std::vector<RunStage> Stages;
    // The texts of the script's `puts "TEXT"` lines, in the order they run.
    std::vector<std::string> Markers;
    // The files the recorders write, in the script's order; the first node recorder's file
    // (or, without one, the first recorder's) is the one progress is counted on, empty when
    // the script records nothing.
    std::vector<std::string> RecorderFiles;
    std::string ProgressFile;
    // The ground-motion files the time series read ("GMX.txt", "DM1X.txt"), each once.
    std::vector<std::string> GroundMotionFiles;
    // The number of modes a modal analysis asks for; 0 without one.
    std::int64_t ModeCount = 0;

    // The recorder lines a finished run writes: the steps of all stages.
    std::int64_t TotalSteps() const;
};

// Reads the stages, markers, recorder and ground-motion files of a script. Lines it does not
// know are passed over; a count that is not a whole number ("analyze $n") makes a stage of
// unknown length (0 steps).
RunScript ReadRunScript(std::string_view script);

// Where a run is, from the number of lines the progress file holds: the stage it is in (the
// first one not yet complete, or the last one once all are), how many of that stage's steps
// are done, and whether every stage is.
struct StageProgress
{
    std::size_t Stage = 0;
    std::int64_t Step = 0;
    std::int64_t Steps = 0;
    bool AllDone = false;
};

// Progress of `lines` recorder lines; a script without stages gives Steps 0. Lines beyond the
// total count as the last step.
StageProgress ProgressOf(const RunScript& script, std::int64_t lines);

// "pushover: step 135 of 200"; a stage without steps is its name alone.
std::string ProgressText(const RunScript& script, const StageProgress& progress);

} // namespace vek
