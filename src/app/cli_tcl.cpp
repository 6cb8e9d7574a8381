#include "app/cli_support.h"
#include "app/cli_tcl.h"

#include "sections/section_fields.h"
#include "tcl/settings_names.h"
#include "tcl/tcl_generator.h"
#include "util/error.h"
#include "util/number_parse.h"

#include <optional>
#include <tuple>
#include <ostream>

namespace vek {

namespace {

// "N:Field=Value" of a --section or --shell-section option.
struct SectionOption
{
    bool shell = false;
    std::int32_t number = 0;
    std::string field;
    std::string value;
};

struct TclOptions
{
    std::string input;
    std::optional<std::string> output;
    Settings settings;
    std::vector<SectionOption> sections;
};

// Splits "Name=Value"; raises VekError when there is no '='.
std::pair<std::string, std::string> SplitAssignment(const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        throw VekError("'" + text + "' is not of the form Name=Value");
    return {text.substr(0, eq), text.substr(eq + 1)};
}

SectionOption ParseSectionOption(const std::string& text, bool shell)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form N:Field=Value");
    SectionOption option;
    option.shell = shell;
    option.number = StrToInt(text.substr(0, colon));
    std::tie(option.field, option.value) = SplitAssignment(text.substr(colon + 1));
    // Check the field and its value now, on a scratch record, so a typo is a usage error
    // before the import runs.
    if (shell) {
        TShellSection scratch;
        SetShellSectionField(scratch, option.field, option.value);
    } else {
        TFrameSection scratch;
        SetFrameSectionField(scratch, option.field, option.value);
    }
    return option;
}

TclOptions ParseTclOptions(const std::vector<std::string>& args)
{
    TclOptions options;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        auto next = [&]() -> const std::string& {
            if (k + 1 >= args.size())
                throw VekError(arg + " needs a value");
            return args[++k];
        };
        if (arg == "-o") {
            options.output = next();
        } else if (arg == "--set") {
            const auto [name, value] = SplitAssignment(next());
            SetSettingByName(options.settings, name, value);
        } else if (arg == "--section" || arg == "--shell-section") {
            const bool shell = arg == "--shell-section";
            options.sections.push_back(ParseSectionOption(next(), shell));
        } else if (!arg.empty() && arg[0] == '-') {
            throw VekError("unknown option '" + arg + "'");
        } else if (options.input.empty()) {
            options.input = arg;
        } else {
            throw VekError("more than one s2k file given");
        }
    }
    if (options.input.empty())
        throw VekError("give an s2k file");
    return options;
}

void ApplySectionOptions(Model& model, const std::vector<SectionOption>& sections)
{
    for (const SectionOption& option : sections) {
        const bool exists = option.shell ? model.ShellSections.Contains(option.number)
                                         : model.FrameSections.Contains(option.number);
        if (!exists)
            throw VekError(std::string(option.shell ? "shell section " : "frame section ") +
                           std::to_string(option.number) + " does not exist in the model");
        if (option.shell)
            SetShellSectionField(model.ShellSections.Edit(option.number), option.field,
                                 option.value);
        else
            SetFrameSectionField(model.FrameSections.Edit(option.number), option.field,
                                 option.value);
    }
}

} // namespace

int TclCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TclOptions options;
    try {
        options = ParseTclOptions(args);
    } catch (const VekError& error) {
        return UsageError(std::string("tcl: ") + error.what(), err);
    }

    Model model;
    if (!ImportForCli(model, options.input, err))
        return 1;
    try {
        ApplySectionOptions(model, options.sections);
    } catch (const VekError& error) {
        return UsageError(std::string("tcl: ") + error.what(), err);
    }

    TextLines tclLines;
    std::vector<std::string> warnings;
    try {
        GenerateTclScript(model, options.settings, tclLines, warnings);
        for (const std::string& warning : warnings)
            err << "warning: " << warning << '\n';
        if (options.output)
            SaveTclScript(tclLines, *options.output);
        else
            out << tclLines.JoinCrLf();
    } catch (const VekError& error) {
        err << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace vek
