#include "app/cli_post.h"
#include "app/cli_support.h"

#include "post/deformation_data.h"
#include "sections/section_fields.h"
#include "tcl/settings_names.h"
#include "util/error.h"
#include "util/number_parse.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

namespace vek {

namespace {

// "N:Field=Value" of a --section option.
struct SectionField
{
    std::int32_t Number = 0;
    std::string Field;
    std::string Value;
};

struct PostOptions
{
    std::string Input;
    std::string Folder;
    std::int32_t Step = 1;
    std::optional<std::int32_t> Mode;
    std::int32_t Kind = AxialStrain;
    Settings Values;
    std::vector<SectionField> Sections;
};

// Splits "Name=Value" at its first '='.
std::pair<std::string, std::string> SplitAssignment(const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        throw VekError("'" + text + "' is not of the form Name=Value");
    return {text.substr(0, eq), text.substr(eq + 1)};
}

SectionField ParseSectionField(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form N:Field=Value");
    SectionField option;
    option.Number = StrToInt(text.substr(0, colon));
    const auto [field, value] = SplitAssignment(text.substr(colon + 1));
    option.Field = field;
    option.Value = value;
    // A typo is a usage error before the import runs.
    TFrameSection scratch;
    SetFrameSectionField(scratch, option.Field, option.Value);
    return option;
}

// The options of disp (`sections` false) or sections; raises VekError for a usage error.
PostOptions ParsePostOptions(const std::vector<std::string>& args, bool sections)
{
    PostOptions options;
    std::vector<std::string> files;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        auto next = [&]() -> const std::string& {
            if (k + 1 >= args.size())
                throw VekError(arg + " needs a value");
            return args[++k];
        };
        if (arg == "--step") {
            options.Step = StrToInt(next());
        } else if (arg == "--mode" && !sections) {
            options.Mode = StrToInt(next());
        } else if (arg == "--kind" && sections) {
            options.Kind = StrToInt(next());
            if (options.Kind < AxialStrain || options.Kind > CurvatureKy)
                throw VekError("--kind is 1 (axial strain), 2 (curvature z) or 3 (curvature y)");
        } else if (arg == "--set" && sections) {
            const auto [name, value] = SplitAssignment(next());
            SetSettingByName(options.Values, name, value);
        } else if (arg == "--section" && sections) {
            options.Sections.push_back(ParseSectionField(next()));
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

void ApplySectionFields(Model& model, const std::vector<SectionField>& sections)
{
    for (const SectionField& option : sections) {
        if (!model.FrameSections.Contains(option.Number))
            throw VekError("frame section " + std::to_string(option.Number) +
                           " does not exist in the model");
        SetFrameSectionField(model.FrameSections.Edit(option.Number), option.Field, option.Value);
    }
}

// A value with 17 significant digits, the shortest form of that precision.
void WriteValue(std::ostream& out, double value)
{
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    out << std::string_view(text, static_cast<std::size_t>(end.ptr - text));
}

void WriteLine(std::ostream& out, std::int64_t number, std::initializer_list<double> values)
{
    out << number;
    for (const double value : values) {
        out << ',';
        WriteValue(out, value);
    }
    out << '\n';
}

} // namespace

int DispCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    PostOptions options;
    try {
        options = ParsePostOptions(args, false);
    } catch (const VekError& error) {
        return UsageError(std::string("disp: ") + error.what(), err);
    }
    Model model;
    if (!ImportForCli(model, options.Input, err))
        return 1;
    try {
        if (options.Mode)
            LoadModeShape(model, options.Folder, *options.Mode);
        else
            LoadNodeDeformData(model, options.Folder, options.Step);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    std::int64_t i = 0;
    for (const TJoint& joint : model.Joints)
        WriteLine(out, ++i, {joint.DispX, joint.DispY, joint.DispZ});
    return 0;
}

int SectionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    PostOptions options;
    try {
        options = ParsePostOptions(args, true);
    } catch (const VekError& error) {
        return UsageError(std::string("sections: ") + error.what(), err);
    }
    Model model;
    if (!ImportForCli(model, options.Input, err))
        return 1;
    try {
        ApplySectionFields(model, options.Sections);
    } catch (const VekError& error) {
        return UsageError(std::string("sections: ") + error.what(), err);
    }
    try {
        LoadSecDeformData(model, options.Values, options.Folder, options.Step, options.Kind);
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    std::int64_t i = 0;
    for (const TFrameElem& frame : model.Frames)
        WriteLine(out, ++i, {frame.ResultI, frame.ResultJ});
    return 0;
}

} // namespace vek
