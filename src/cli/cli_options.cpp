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

namespace {

// The "Name=Value" parts of a comma-separated list.
std::vector<std::pair<std::string, std::string>> Assignments(const std::string& list)
{
    std::vector<std::pair<std::string, std::string>> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        parts.push_back(SplitAssignment(list.substr(start, comma - start)));
        if (comma == list.size())
            return parts;
        start = comma + 1;
    }
}

} // namespace

MaterialOption ParseMaterialOption(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form M:Type=T,Name=Value,...");
    MaterialOption option;
    option.Number = StrToInt(text.substr(0, colon));
    std::optional<std::string> type;
    for (auto& [key, value] : Assignments(text.substr(colon + 1))) {
        std::optional<std::string>* field = key == "Type"   ? &type
                                            : key == "Name" ? &option.Name
                                                            : nullptr;
        const bool repeated = field ? field->has_value() : option.Parameters.contains(key);
        if (repeated)
            throw VekError("'" + text + "' gives " + key + " twice");
        if (field)
            *field = std::move(value);
        else
            option.Parameters.emplace(key, std::move(value));
    }
    if (!type)
        throw VekError("'" + text + "' needs Type=T (Elastic, Steel01, Concrete01, Steel02, " +
                       "Concrete02)");
    try {
        option.Type = MaterialTypeNamed(*type);
        CheckMaterialParameters(option.Type, option.Parameters);
    } catch (const VekError& error) {
        throw VekError("material " + FormatInt(option.Number) + ": " + error.what());
    }
    return option;
}

void ApplyMaterialOptions(Model& model, const std::vector<MaterialOption>& materials)
{
    for (const MaterialOption& option : materials) {
        const std::int32_t count = std::max(model.MaterialCount(), 0);
        const std::string head = "material " + FormatInt(option.Number);
        const bool added = option.Number == count + 1;
        if (!added && !model.Materials.Contains(option.Number))
            throw VekError(
                head + " does not exist in the model (" +
                (count == 0 ? "it has none" : "its materials are 1 to " + FormatInt(count)) + "; " +
                FormatInt(count + 1) + " adds one)");
        if (added && !option.Name)
            throw VekError(head + " is a new material and needs Name=");
        TMaterial material = added ? TMaterial() : model.Materials[option.Number];
        try {
            SetMaterialParameters(material, option.Type, option.Parameters);
        } catch (const VekError& error) {
            throw VekError(head + ": " + error.what());
        }
        if (option.Name)
            material.Name = *option.Name;
        (added ? model.Materials.Append() : model.Materials.Edit(option.Number)) =
            std::move(material);
    }
}

bool ReadModelOption(const std::vector<std::string>& args, std::size_t& k, ModelOptionKinds kinds,
                     ModelOptions& options)
{
    const std::string& arg = args[k];
    const bool shellsAndSolids = kinds != ModelOptionKinds::SetAndFrameSection;
    if (arg == "--set") {
        Settings scratch;
        ViewSettings scratchView;
        SetSettingOption(scratch, scratchView, OptionValue(args, k));
        options.Sets.push_back(args[k]);
    } else if (arg == "--section" || (shellsAndSolids && arg == "--shell-section")) {
        const bool shell = arg == "--shell-section";
        options.Sections.push_back(ParseSectionOption(OptionValue(args, k), shell));
    } else if (shellsAndSolids && arg == "--solid-material") {
        options.SolidMaterials.push_back(ParseSolidMaterialOption(OptionValue(args, k)));
    } else if (shellsAndSolids && arg == "--material") {
        options.Materials.push_back(ParseMaterialOption(OptionValue(args, k)));
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
    ApplyMaterialOptions(model, options.Materials);
    ApplySectionOptions(model, options.Sections);
}

std::string ReadInputAndOptions(const std::vector<std::string>& args, ModelOptionKinds kinds,
                                ModelOptions& changes, const OwnOptionReader& own,
                                std::string_view file)
{
    std::string input;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (own(args, k) || ReadModelOption(args, k, kinds, changes))
            continue;
        if (!arg.empty() && arg[0] == '-')
            throw VekError("unknown option '" + arg + "'");
        if (!input.empty())
            throw VekError("more than one " + std::string(file) + " given");
        input = arg;
    }
    if (input.empty())
        throw VekError("give an " + std::string(file));
    return input;
}

InputAndOutput ParseInputAndOutput(const std::vector<std::string>& args, ModelOptionKinds kinds)
{
    InputAndOutput options;
    const auto output = [&](const std::vector<std::string>& all, std::size_t& k) {
        if (all[k] != "-o")
            return false;
        options.Output = OptionValue(all, k);
        return true;
    };
    options.Input = ReadInputAndOptions(args, kinds, options.Changes, output, "s2k file");
    return options;
}

} // namespace vek
