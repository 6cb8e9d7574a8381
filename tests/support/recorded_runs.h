#pragma once

// The real OpenSees 3.8 runs of VEK's scripts kept beside the project (VEK_OPENSEES_RUNS):
// each folder's command.txt names the s2k file and the vek-cli options of its script.

#include "cli/cli_input.h"
#include "cli/cli_options.h"

#include "util/text_lines.h"

#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vek::testing {

inline std::string RecordedRunFolder(const std::string& name)
{
    return std::string(VEK_OPENSEES_RUNS) + "/" + name + "/";
}

inline bool HasRecordedRun(const std::string& name)
{
    return std::filesystem::is_directory(RecordedRunFolder(name));
}

// The arguments of command.txt after "vek-cli tcl": the run's s2k file (beside the runs, or
// among the bundled examples) and the options of its script.
inline std::vector<std::string> RecordedRunArgs(const std::string& name)
{
    const std::string command = ReadWholeFile(RecordedRunFolder(name) + "command.txt");
    std::istringstream words(command.substr(0, command.find(" (then")));
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);
    args.erase(args.begin(), args.begin() + 2);
    const std::string beside = std::string(VEK_OPENSEES_RUNS) + "/../" + args.at(0);
    args[0] =
        std::filesystem::exists(beside) ? beside : std::string(VEK_EXAMPLES_DIR) + "/" + args[0];
    return args;
}

// The model and settings the run's script was written with.
inline CliInput RecordedRunInput(const std::string& name)
{
    std::vector<std::string> args = RecordedRunArgs(name);
    args.insert(args.begin(), "tcl");
    const InputAndOutput parsed = ParseInputAndOutput(args, ModelOptionKinds::All);
    std::ostringstream err;
    std::optional<CliInput> input = LoadCliInput(parsed.Input, err);
    if (!input)
        throw std::runtime_error("cannot import " + parsed.Input + ": " + err.str());
    ApplyModelOptions(parsed.Changes, input->InputModel, input->InputSettings, input->View, err);
    return std::move(*input);
}

// The blank-separated numbers of line `line` (from 1) of a run's file.
inline std::vector<double> RecordedLine(const std::string& run, const std::string& file,
                                        std::size_t line)
{
    const TextLines lines = LoadTextFile(RecordedRunFolder(run) + file);
    std::istringstream words{std::string(lines[line - 1])};
    std::vector<double> values;
    for (double value; words >> value;)
        values.push_back(value);
    return values;
}

} // namespace vek::testing
