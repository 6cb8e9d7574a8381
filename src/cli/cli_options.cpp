#include "cli/cli_options.h"

#include "sections/section_fields.h"
#include "tcl/settings_names.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "view/view_setting_names.h"

#include <algorithm>
#include <ostream>
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

SolidMaterialOption ParseSolidMaterialOption(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form T:E=Value,Poisson=Value");
    SolidMaterialOption option;
    option.Tag = StrToInt(text.substr(0, colon));
    bool hasE = false, hasPoisson = false;
    std::size_t start = colon + 1;
    while (true) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto [key, value] = SplitAssignment(text.substr(start, comma - start));
        bool& given = key == "E" ? hasE : hasPoisson;
        if (key != "E" && key != "Poisson")
            throw VekError("unknown solid material field '" + key + "' (use E and Poisson)");
        if (given)
            throw VekError("'" + text + "' gives " + key + " twice");
        given = true;
        (key == "E" ? option.Material.E : option.Material.Poisson) = StrToFloat(value);
        if (comma == text.size())
            break;
        start = comma + 1;
    }
    if (!hasE || !hasPoisson)
        throw VekError("'" + text + "' needs both E and Poisson");
    if (!(option.Material.E > 0))
        throw VekError("the E of solid material " + std::to_string(option.Tag) +
                       " must be greater than 0");
    if (!(option.Material.Poisson > -1 && option.Material.Poisson < 0.5))
        throw VekError("the Poisson's ratio of solid material " + std::to_string(option.Tag) +
                       " must lie between -1 and 0.5");
    return option;
}

bool ReadModelOption(const std::vector<std::string>& args, std::size_t& k, ModelOptionKinds kinds,
                     ModelOptions& options)
{
    const std::string& arg = args[k];
    const bool all = kinds == ModelOptionKinds::All;
    if (arg == "--set") {
        Settings scratch;
        ViewSettings scratchView;
        SetSettingOption(scratch, scratchView, OptionValue(args, k));
        options.Sets.push_back(args[k]);
    } else if (arg == "--section" || (all && arg == "--shell-section")) {
        const bool shell = arg == "--shell-section";
        options.Sections.push_back(ParseSectionOption(OptionValue(args, k), shell));
    } else if (all && arg == "--solid-material") {
        options.SolidMaterials.push_back(ParseSolidMaterialOption(OptionValue(args, k)));
    } else {
        return false;
    }
    return true;
}

namespace {

// Sets the solid materials given on the command line, over the ones the input has. A tag no
// solid names changes nothing, which a warning says.
void ApplySolidMaterialOptions(const Model& model, Settings& settings,
                               const std::vector<SolidMaterialOption>& options, std::ostream& err)
{
    for (const SolidMaterialOption& option : options) {
        settings.SolidMaterials[option.Tag] = option.Material;
        const bool used =
            std::any_of(model.Solids.begin(), model.Solids.end(),
                        [&](const TSolidElem& s) { return s.SectionTag == option.Tag; });
        if (!used)
            err << "warning: no solid names the material " << option.Tag << ": --solid-material "
                << option.Tag << " changes nothing.\n";
    }
}

} // namespace

void ApplyModelOptions(const ModelOptions& options, Model& model, Settings& settings,
                       ViewSettings& viewSettings, std::ostream& err)
{
    for (const std::string& text : options.Sets)
        SetSettingOption(settings, viewSettings, text);
    ApplySolidMaterialOptions(model, settings, options.SolidMaterials, err);
    ApplySectionOptions(model, options.Sections);
}

} // namespace vek
