#include "cli/cli_options.h"

#include "sections/section_fields.h"
#include "tcl/settings_names.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "view/view_setting_names.h"

#include <tuple>

namespace vek {

const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& k)
{
    if (k + 1 >= args.size())
        throw VekError(args[k] + " needs a value");
    return args[++k];
}

std::pair<std::string, std::string> SplitAssignment(const std::string& text)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        throw VekError("'" + text + "' is not of the form Name=Value");
    return {text.substr(0, eq), text.substr(eq + 1)};
}

void SetSettingOption(Settings& settings, ViewSettings& viewSettings, const std::string& text)
{
    const auto [name, value] = SplitAssignment(text);
    if (IsViewSettingName(name))
        SetViewSettingByName(viewSettings, name, value);
    else
        SetSettingByName(settings, name, value);
}

SectionOption ParseSectionOption(const std::string& text, bool shell)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form N:Field=Value");
    SectionOption option;
    option.Shell = shell;
    option.Number = StrToInt(text.substr(0, colon));
    std::tie(option.Field, option.Value) = SplitAssignment(text.substr(colon + 1));
    if (shell) {
        TShellSection scratch;
        SetShellSectionField(scratch, option.Field, option.Value);
    } else {
        TFrameSection scratch;
        SetFrameSectionField(scratch, option.Field, option.Value);
    }
    return option;
}

void ApplySectionOptions(Model& model, const std::vector<SectionOption>& sections)
{
    for (const SectionOption& option : sections) {
        const bool exists = option.Shell ? model.ShellSections.Contains(option.Number)
                                         : model.FrameSections.Contains(option.Number);
        if (!exists)
            throw VekError(std::string(option.Shell ? "shell section " : "frame section ") +
                           std::to_string(option.Number) + " does not exist in the model");
        if (option.Shell) {
            SetShellSectionField(model.ShellSections.Edit(option.Number), option.Field,
                                 option.Value);
            continue;
        }
        // The scratch record of the parsing has no shape; a rectangle's cover is checked
        // against its sides here.
        try {
            SetFrameSectionField(model.FrameSections.Edit(option.Number), option.Field,
                                 option.Value);
        } catch (const VekError& error) {
            throw VekError("frame section " + FormatInt(option.Number) + ": " + error.what());
        }
    }
}

} // namespace vek
