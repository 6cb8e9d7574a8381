#include "run/run_verdict.h"

#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <initializer_list>

namespace vek {

namespace {

std::vector<std::string_view> OutputLines(std::string_view output)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string_view::npos)
            end = output.size();
        std::string_view line = output.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool ContainsNoCase(std::string_view text, std::string_view word)
{
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), word.begin(), word.end(), same) != text.end();
}

// The first line holding one of the words, or none.
std::optional<std::size_t> FindLine(const std::vector<std::string_view>& lines,
                                    std::initializer_list<std::string_view> words)
{
    for (std::size_t k = 0; k < lines.size(); ++k)
        for (std::string_view word : words)
            if (ContainsNoCase(lines[k], word))
                return k;
    return std::nullopt;
}

std::string_view LastNonEmpty(const std::vector<std::string_view>& lines)
{
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (!it->empty())
            return *it;
    return {};
}

std::string_view TrimmedView(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

// The kinds of failure the pre-flight checks warn about, by words of their warnings.
std::vector<std::string_view> WarningWordsOfCommand(std::string_view command)
{
    if (ContainsNoCase(command, "DisplacementControl"))
        return {"Control Node", "Control Dof", "displacement control"};
    if (ContainsNoCase(command, "eigen"))
        return {"Modal Number", "modal analysis cannot run", "negative mass"};
    if (ContainsNoCase(command, "section"))
        return {"fibre section", "cover", "Rebar Material Tag"};
    if (ContainsNoCase(command, "Material"))
        return {"Rebar Material Tag", "solid material", "E and Poisson"};
    if (ContainsNoCase(command, "imposedMotion") || ContainsNoCase(command, "groundMotion"))
        return {"MultipleSupport"};
    if (ContainsNoCase(command, "element"))
        return {"numIntgrPts", "hinge"};
    return {};
}

std::vector<std::string> Predicted(const std::vector<std::string>& warnings,
                                   const std::vector<std::string_view>& words)
{
    std::vector<std::string> predicted;
    for (const std::string& warning : warnings)
        if (std::any_of(words.begin(), words.end(),
                        [&warning](std::string_view w) { return ContainsNoCase(warning, w); }))
            predicted.push_back(warning);
    return predicted;
}

// " at step 135 of 200 of the pushover stage" (" in the eigen stage") of the recorded lines, or
// of the stage the output last named and the step OpenSees reported when nothing is recorded;
// empty without stages.
std::string WhereItStopped(const RunScript& script, const std::vector<std::string_view>& lines,
                           std::optional<std::int64_t> recordedLines)
{
    if (script.Stages.empty())
        return {};
    StageProgress progress;
    if (recordedLines) {
        progress = ProgressOf(script, *recordedLines);
    } else {
        std::int32_t step = 0;
        for (std::string_view line : lines) {
            for (std::size_t k = 0; k < script.Stages.size(); ++k)
                if (line == script.Stages[k].Name)
                    progress.Stage = k;
            const std::size_t at = line.find("failed at step: ");
            if (at != std::string_view::npos) {
                std::string_view rest = line.substr(at + 16);
                TryStrToInt(rest.substr(0, rest.find(' ')), step);
            }
        }
        progress.Step = step;
        progress.Steps = script.Stages[progress.Stage].Steps;
    }
    const RunStage& stage = script.Stages[progress.Stage];
    if (stage.Steps == 0)
        return " in the " + stage.Name + " stage";
    return " at step " + FormatInt(progress.Step) + " of " + FormatInt(stage.Steps) + " of the " +
           stage.Name + " stage";
}

bool ReachedEnd(const RunScript& script, const std::vector<std::string_view>& lines,
                std::optional<std::int64_t> recordedLines)
{
    if (!script.Markers.empty() &&
        std::find(lines.begin(), lines.end(), script.Markers.back()) == lines.end())
        return false;
    return !recordedLines || *recordedLines >= script.TotalSteps();
}

std::string CommandFailure(const std::vector<std::string_view>& lines, std::size_t at,
                           std::string& solverLine, std::string& command)
{
    std::size_t k = at + 1;
    while (k < lines.size() && TrimmedView(lines[k]).empty())
        ++k;
    if (k < lines.size()) {
        std::string_view text = TrimmedView(lines[k]);
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
        command = std::string(text);
    }
    std::string where;
    for (std::size_t j = k + 1; j < lines.size() && j <= k + 3; ++j) {
        const std::size_t line = lines[j].find(" line ");
        if (lines[j].find("(file ") != std::string_view::npos && line != std::string_view::npos) {
            std::string_view number = lines[j].substr(line + 6);
            number = number.substr(0, number.find(')'));
            where = " (line " + std::string(number) + " of the script)";
            break;
        }
    }
    for (std::size_t j = at; j-- > 0;) {
        if (!TrimmedView(lines[j]).empty()) {
            solverLine = std::string(TrimmedView(lines[j]));
            break;
        }
    }
    return "a command of the script failed: " + command + where;
}

std::string SignalName(int signal)
{
    const char* name = strsignal(signal);
    return "signal " + FormatInt(signal) + (name ? std::string(", ") + name : std::string());
}

} // namespace

std::string RunVerdict::Summary() const
{
    return Finished ? std::string("finished") : "failed: " + Reason;
}

std::string RunVerdict::Text() const
{
    std::string text = Summary();
    if (!SolverLine.empty())
        text += "\nOpenSees: " + SolverLine;
    for (const std::string& warning : Predicted)
        text += "\npredicted by the warning: " + warning;
    return text;
}

RunVerdict JudgeRun(const RunScript& script, std::string_view output, const SolverExit& exit,
                    std::optional<std::int64_t> recordedLines,
                    const std::vector<std::string>& warnings)
{
    const std::vector<std::string_view> lines = OutputLines(output);
    const std::string where = WhereItStopped(script, lines, recordedLines);
    RunVerdict verdict;
    const auto quote = [&lines, &verdict](std::optional<std::size_t> k) {
        if (k)
            verdict.SolverLine = std::string(TrimmedView(lines[*k]));
    };

    if (exit.Cancelled) {
        verdict.Reason = "the run was cancelled" + where +
                         "; the solver and every process it started were ended";
        return verdict;
    }
    if (exit.Signal != 0) {
        verdict.Reason = "the solver crashed (" + SignalName(exit.Signal) + ")" + where;
        verdict.SolverLine = std::string(LastNonEmpty(lines));
        return verdict;
    }
    if (const auto eigen = FindLine(
            lines, {"ArpackSolver::Error", "EigenSOE failed", "eigen() -", "eigen failed"})) {
        const std::string modes = script.ModeCount > 0
                                      ? "the " + FormatInt(script.ModeCount) + " modes asked for"
                                      : "the modes asked for";
        verdict.Reason = "the eigen solver could not find " + modes +
                         ": more modes than the model's free masses allow";
        quote(eigen);
        verdict.Predicted = Predicted(warnings, WarningWordsOfCommand("eigen"));
        return verdict;
    }
    const auto stopped = FindLine(lines, {"analyze failed", "failed at step", "failed at time"});
    if (const auto singular = FindLine(lines, {"singular"})) {
        verdict.Reason = "the stiffness matrix is singular" + where +
                         ": the model is a mechanism, most likely a joint or a rotation that no "
                         "element or support holds (joints only trusses reach, missing "
                         "supports, releases at both ends of a frame)";
        quote(singular);
        verdict.Predicted = Predicted(warnings, {"singular", "no stiffness"});
        return verdict;
    }
    if (stopped) {
        verdict.Reason = "the analysis stopped" + where +
                         ": the next step did not converge, and the recorder files hold the steps "
                         "up to it";
        const auto cause = FindLine(lines, {"failed at step", "failed at time"});
        quote(cause ? cause : stopped);
        verdict.Predicted = Predicted(warnings, {"singular", "no stiffness", "Control Node",
                                                 "Control Dof", "displacement control"});
        return verdict;
    }
    if (const auto executing = FindLine(lines, {"while executing"})) {
        std::string command;
        verdict.Reason = CommandFailure(lines, *executing, verdict.SolverLine, command);
        verdict.Predicted = Predicted(warnings, WarningWordsOfCommand(command));
        return verdict;
    }
    if (const auto build = FindLine(lines, {"Could not build"})) {
        verdict.Reason = "the solver could not build part of the model";
        quote(build);
        return verdict;
    }
    if (exit.Code != 0) {
        verdict.Reason = "the solver stopped with exit code " + FormatInt(exit.Code) + where;
        verdict.SolverLine = std::string(LastNonEmpty(lines));
        return verdict;
    }
    if (!ReachedEnd(script, lines, recordedLines)) {
        verdict.Reason = "the solver ended before the end of the script" + where;
        verdict.SolverLine = std::string(LastNonEmpty(lines));
        return verdict;
    }
    verdict.Finished = true;
    return verdict;
}

} // namespace vek
