#pragma once

#include "model/model.h"
#include "sections/material_parameters.h"
#include "tcl/settings.h"
#include "view/view_settings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vek {

// The option parts the vek-cli commands share. Each raises VekError with the usage error's
// text.

// The value that follows the option args[k]; k moves on to it. Raises "<option> needs a value"
// when the option is the last argument.
const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& k);

// Splits "Name=Value" at its first '='; raises "'<text>' is not of the form Name=Value" when
// there is no '=' or no name.
std::pair<std::string, std::string> SplitAssignment(const std::string& text);

// Sets the setting of a "--set Name=Value" option: a view setting when the name is one, an
// analysis, recorder or script setting otherwise.
void SetSettingOption(Settings& settings, ViewSettings& viewSettings, const std::string& text);

// "N:Field=Value" of a --section (frame section N) or --shell-section option.
struct SectionOption
{
    bool Shell = false;
    std::int32_t Number = 0;
    std::string Field;
    std::string Value;
};

// Reads "N:Field=Value". The field and its value are checked at once, on a scratch record, so
// that a typo is a usage error before the import runs; only the cover's upper bound, which
// needs the section's sides, waits for ApplySectionOptions.
SectionOption ParseSectionOption(const std::string& text, bool shell);

// Sets the section fields of the options in the imported model; raises "frame section N does
// not exist in the model" (or "shell section N ...") for a section the model does not have,
// and "frame section N: <message>" for a value that section cannot take.
void ApplySectionOptions(Model& model, const std::vector<SectionOption>& sections);

// "T:E=Value,Poisson=Value" of a --solid-material option.
struct SolidMaterialOption
{
    std::int32_t Tag = 0;
    SolidMaterial Material;
};

// Reads "T:E=Value,Poisson=Value"; both fields are needed, E > 0 and -1 < Poisson < 0.5.
SolidMaterialOption ParseSolidMaterialOption(const std::string& text);

// "M:Type=T,Name=Value,p=Value,..." of a --material option: material M made an OpenSees
// uniaxial material of type T with the parameters p, and renamed when Name is given.
struct MaterialOption
{
    std::int32_t Number = 0;
    MaterialType Type = MaterialType::None;
    std::optional<std::string> Name;
    MaterialParameterTexts Parameters;
};

// Reads "M:Type=T,..."; Type is needed, each key may appear once, and the parameters are
// checked for T at once (names, required ones, values and signs).
MaterialOption ParseMaterialOption(const std::string& text);

// Sets the materials of the options in order: M in 1..MaterialCount changes material M, M =
// MaterialCount + 1 adds one, which needs a Name. Raises "material M: <message>" for a value
// the material cannot take and says which numbers are possible for any other M.
void ApplyMaterialOptions(Model& model, const std::vector<MaterialOption>& materials);

// The options that change the model and its settings, in the order given: --set,
// --section, --shell-section, --solid-material and --material.
struct ModelOptions
{
    // The "Name=Value" texts of the --set options.
    std::vector<std::string> Sets;
    std::vector<SectionOption> Sections;
    std::vector<SolidMaterialOption> SolidMaterials;
    std::vector<MaterialOption> Materials;
};

// Which of the model options a command takes.
enum class ModelOptionKinds {
    All,
    // --set and --section only.
    SetAndFrameSection,
};

// Reads args[k] into `options` when it is one of the model options of `kinds` (k moves on to
// its value) and returns true; false for any other argument. A bad value raises VekError at
// once, before the import; the --set values are checked on scratch settings.
bool ReadModelOption(const std::vector<std::string>& args, std::size_t& k, ModelOptionKinds kinds,
                     ModelOptions& options);

// The arguments of a command that reads one input file and may write to -o.
struct InputAndOutput
{
    std::string Input;
    std::optional<std::string> Output;
    ModelOptions Changes;
};

// Reads a command's own options: true when args[k] is one (k moves on to its value).
using OwnOptionReader = std::function<bool(const std::vector<std::string>& args, std::size_t& k)>;

// Reads the arguments after the command's name: one input file (returned), the model options
// of `kinds` into `changes` and the options `own` reads. An unknown option, a second file or no
// file at all raises VekError; `file` names the input in those messages ("s2k file").
std::string ReadInputAndOptions(const std::vector<std::string>& args, ModelOptionKinds kinds,
                                ModelOptions& changes, const OwnOptionReader& own,
                                std::string_view file);

// Reads the arguments after the command's name: one input file, -o PATH and the model options
// of `kinds`. An unknown option, a second file or no file at all raises VekError.
InputAndOutput ParseInputAndOutput(const std::vector<std::string>& args, ModelOptionKinds kinds);

// Applies the options over the model and settings of a command's input: the settings first,
// then the solid materials (a tag no solid names is a warning on `err`), then the materials,
// then the section fields. A value the model cannot take raises VekError with the usage error's
// text.
void ApplyModelOptions(const ModelOptions& options, Model& model, Settings& settings,
                       ViewSettings& viewSettings, std::ostream& err);

} // namespace vek
