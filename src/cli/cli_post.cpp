#include "cli/cli_post.h"
#include "cli/cli_input.h"
#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include "post/deformation_data.h"
#include "project/script_record.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <optional>
#include <ostream>
#include <string_view>

namespace vek {

namespace {

struct PostOptions
{
    std::string Input;
    std::string Folder;
    std::int32_t Step = 1;
    std::optional<std::int32_t> Mode;
    std::int32_t Kind = AxialStrain;
    ModelOptions Changes;
};

// The options of disp (`sections` false) or sections; raises VekError for a usage error.
PostOptions ParsePostOptions(const std::vector<std::string>& args, bool sections)
{
    PostOptions options;
    std::vector<std::string> files;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--step") {
            options.Step = StrToInt(OptionValue(args, k));
        } else if (arg == "--mode" && !sections) {
            options.Mode = StrToInt(OptionValue(args, k));
        } else if (arg == "--kind" && sections) {
            options.Kind = StrToInt(OptionValue(args, k));
            if (options.Kind < AxialStrain || options.Kind > CurvatureKy)
                throw VekError("--kind is 1 (axial strain), 2 (curvature z) or 3 (curvature y)");
        } else if (sections && ReadModelOption(args, k, ModelOptionKinds::SetAndFrameSection,
                                               options.Changes)) {
            continue;
        } else if (!arg.empty() && arg[0] == '-') {
            throw VekError("unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2)
        throw VekError("give an s2k file and the folder of the recorder files");
    options.Input = files[0];
    options.Folder = files[1];
    return options;
}

void WriteLine(std::ostream& out, std::int64_t number, std::initializer_list<double> values)
{
    out << number;
    for (const double value : values)
        out << ',' << FormatShortest(value);
    out << '\n';
}

} // namespace

std::optional<CliInput> LoadPostInput(const std::string& path, const std::string& folder,
                                      std::ostream& err)
{
    std::optional<CliInput> input = LoadCliInput(path, err);
    if (!input)
        return std::nullopt;
    try {
        if (const std::optional<ScriptRecord> record = FindScriptRecord(folder))
            ApplyScriptRecord(*record, input->InputModel, input->InputSettings);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return std::nullopt;
    }
    return input;
}

int DispCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    PostOptions options;
    try {
        options = ParsePostOptions(args, false);
    } catch (const VekError& error) {
        return UsageError("disp", error.what(), err);
    }
    std::optional<CliInput> input = LoadPostInput(options.Input, options.Folder, err);
    if (!input)
        return 1;
    const Model& model = input->InputModel;
    Results results;
    try {
        if (options.Mode)
            LoadModeShape(model, results, options.Folder, *options.Mode);
        else
            LoadNodeDeformData(model, results, options.Folder, options.Step);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    for (std::int64_t i = 1; i <= model.Joints.end() - model.Joints.begin(); ++i) {
        const JointDisplacement joint = EntryOf(results.Joints, i);
        WriteLine(out, i, {joint.DispX, joint.DispY, joint.DispZ});
    }
    return 0;
}

int SectionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    PostOptions options;
    try {
        options = ParsePostOptions(args, true);
    } catch (const VekError& error) {
        return UsageError("sections", error.what(), err);
    }
    std::optional<CliInput> input = LoadPostInput(options.Input, options.Folder, err);
    if (!input)
        return 1;
    Model& model = input->InputModel;
    if (!ApplyCommandOptions("sections", options.Changes, *input, err))
        return 2;
    Results results;
    try {
        LoadSecDeformData(model, input->InputSettings, results, input->View, options.Folder,
                          options.Step, options.Kind);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    for (std::int64_t i = 1; i <= model.Frames.end() - model.Frames.begin(); ++i) {
        const FrameResult frame = EntryOf(results.Frames, i);
        WriteLine(out, i, {frame.ResultI, frame.ResultJ});
    }
    return 0;
}

} // namespace vek
