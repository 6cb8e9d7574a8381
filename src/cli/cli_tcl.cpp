#include "cli/cli_tcl.h"
#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include "tcl/solid_materials.h"
#include "tcl/tcl_generator.h"
#include "util/error.h"
#include "util/number_parse.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace vek {

namespace {

// "T:E=Value,Poisson=Value" of a --solid-material option.
struct SolidMaterialOption
{
    std::int32_t tag = 0;
    SolidMaterial material;
};

struct TclOptions
{
    std::string input;
    std::optional<std::string> output;
    Settings settings;
    // Named by --set as in the window; the script does not read them.
    ViewSettings viewSettings;
    std::vector<SectionOption> sections;
    std::vector<SolidMaterialOption> solidMaterials;
};

SolidMaterialOption ParseSolidMaterialOption(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw VekError("'" + text + "' is not of the form T:E=Value,Poisson=Value");
    SolidMaterialOption option;
    option.tag = StrToInt(text.substr(0, colon));
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
        (key == "E" ? option.material.E : option.material.Poisson) = StrToFloat(value);
        if (comma == text.size())
            break;
        start = comma + 1;
    }
    if (!hasE || !hasPoisson)
        throw VekError("'" + text + "' needs both E and Poisson");
    if (!(option.material.E > 0))
        throw VekError("the E of solid material " + std::to_string(option.tag) +
                       " must be greater than 0");
    if (!(option.material.Poisson > -1 && option.material.Poisson < 0.5))
        throw VekError("the Poisson's ratio of solid material " + std::to_string(option.tag) +
                       " must lie between -1 and 0.5");
    return option;
}

TclOptions ParseTclOptions(const std::vector<std::string>& args)
{
    TclOptions options;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "-o") {
            options.output = OptionValue(args, k);
        } else if (arg == "--set") {
            SetSettingOption(options.settings, options.viewSettings, OptionValue(args, k));
        } else if (arg == "--section" || arg == "--shell-section") {
            const bool shell = arg == "--shell-section";
            options.sections.push_back(ParseSectionOption(OptionValue(args, k), shell));
        } else if (arg == "--solid-material") {
            options.solidMaterials.push_back(ParseSolidMaterialOption(OptionValue(args, k)));
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

// Sets the solid materials given on the command line, over the ones the import gave. A tag no
// solid names changes nothing, which a warning says.
void ApplySolidMaterialOptions(const Model& model, Settings& settings,
                               const std::vector<SolidMaterialOption>& options, std::ostream& err)
{
    for (const SolidMaterialOption& option : options) {
        settings.SolidMaterials[option.tag] = option.material;
        const bool used =
            std::any_of(model.Solids.begin(), model.Solids.end(),
                        [&](const TSolidElem& s) { return s.SectionTag == option.tag; });
        if (!used)
            err << "warning: no solid names the material " << option.tag << ": --solid-material "
                << option.tag << " changes nothing.\n";
    }
}

} // namespace

int TclCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TclOptions options;
    try {
        options = ParseTclOptions(args);
    } catch (const VekError& error) {
        return UsageError("tcl", error.what(), err);
    }

    Model model;
    if (!ImportForCli(model, options.input, err))
        return 1;
    InitSolidMaterials(model, options.settings);
    ApplySolidMaterialOptions(model, options.settings, options.solidMaterials, err);
    try {
        ApplySectionOptions(model, options.sections);
    } catch (const VekError& error) {
        return UsageError("tcl", error.what(), err);
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
