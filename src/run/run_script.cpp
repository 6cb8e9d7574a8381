#include "run/run_script.h"

#include "util/format.h"
#include "util/number_parse.h"
#include "util/text_lines.h"

#include <algorithm>

namespace vek {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r;");
    if (last == std::string_view::npos || last < first)
        return {};
    return text.substr(first, last - first + 1);
}

std::string Unquoted(std::string_view word)
{
    if (!word.empty() && word.back() == ';')
        word.remove_suffix(1);
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
        word = word.substr(1, word.size() - 2);
    return std::string(word);
}

void AddOnce(std::vector<std::string>& names, std::string name)
{
    if (!name.empty() && name.front() != '$' &&
        std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

// The value after `option` among the words, empty without one.
std::string_view ValueAfter(const std::vector<std::string_view>& words, std::string_view option)
{
    for (std::size_t k = 0; k + 1 < words.size(); ++k)
        if (words[k] == option)
            return words[k + 1];
    return {};
}

} // namespace

std::int64_t RunScript::TotalSteps() const
{
    std::int64_t total = 0;
    for (const RunStage& stage : Stages)
        total += stage.Steps;
    return total;
}

RunScript ReadRunScript(std::string_view script)
{
    RunScript run;
    std::string firstNodeFile;
    // The stage marker written since the last stage, which names the next one.
    std::string pendingName;
    bool modal = false;
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos)
            end = script.size();
        const std::string_view line = Trimmed(script.substr(start, end - start));
        start = end + 1;
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty())
            continue;
        const std::string_view command = words[0];
        if (command == "puts" && words.size() >= 2 && words[1].front() == '"') {
            const std::size_t open = line.find('"');
            const std::size_t close = line.rfind('"');
            if (close > open) {
                std::string marker(line.substr(open + 1, close - open - 1));
                if (marker != "analysis" && marker != "recorder")
                    pendingName = marker;
                if (marker == "recorder")
                    pendingName.clear();
                run.Markers.push_back(std::move(marker));
            }
        } else if (command == "recorder" && words.size() >= 2) {
            const std::string file = Unquoted(ValueAfter(words, "-file"));
            AddOnce(run.RecorderFiles, file);
            if (words[1] == "Node" && firstNodeFile.empty())
                firstNodeFile = file;
        } else if (command == "analyze" && words.size() >= 2) {
            std::int32_t steps = 0;
            if (!TryStrToInt(words[1], steps) || steps < 0)
                steps = 0;
            std::string name = pendingName;
            if (name.empty())
                name = words.size() >= 3 ? "time history" : "analysis";
            run.Stages.push_back({std::move(name), steps});
            pendingName.clear();
        } else if (command == "set" && words.size() >= 3) {
            if (words[1] == "numModes") {
                std::int32_t modes = 0;
                if (TryStrToInt(Unquoted(words[2]), modes))
                    run.ModeCount = modes;
            } else if (words[1] == "iGMfile") {
                AddOnce(run.GroundMotionFiles, Unquoted(words[2]));
            }
        } else if (command == "timeSeries") {
            AddOnce(run.GroundMotionFiles, Unquoted(ValueAfter(words, "-filePath")));
        } else if (command == "record" && words.size() == 1) {
            modal = true;
        }
    }
    if (modal) {
        run.Stages.push_back({"eigen", 0});
        run.Stages.push_back({"record", 1});
    }
    run.ProgressFile = !firstNodeFile.empty()       ? firstNodeFile
                       : !run.RecorderFiles.empty() ? run.RecorderFiles.front()
                                                    : std::string();
    return run;
}

StageProgress ProgressOf(const RunScript& script, std::int64_t lines)
{
    StageProgress progress;
    if (script.Stages.empty())
        return progress;
    std::int64_t before = 0;
    for (std::size_t k = 0; k < script.Stages.size(); ++k) {
        const std::int64_t steps = script.Stages[k].Steps;
        const std::int64_t after = before + steps;
        if (lines < after || (steps == 0 && lines == after)) {
            progress.Stage = k;
            progress.Step = std::max<std::int64_t>(lines - before, 0);
            progress.Steps = steps;
            return progress;
        }
        before = after;
    }
    progress.Stage = script.Stages.size() - 1;
    progress.Steps = script.Stages.back().Steps;
    progress.Step = progress.Steps;
    progress.AllDone = true;
    return progress;
}

std::string ProgressText(const RunScript& script, const StageProgress& progress)
{
    if (script.Stages.empty())
        return "analysis";
    const RunStage& stage = script.Stages[progress.Stage];
    if (stage.Steps == 0)
        return stage.Name;
    return stage.Name + ": step " + FormatInt(progress.Step) + " of " + FormatInt(stage.Steps);
}

} // namespace vek
