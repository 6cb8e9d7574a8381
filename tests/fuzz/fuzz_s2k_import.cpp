// Imports the input as an s2k file and, when the import succeeds, writes its Tcl script with
// the start-up settings and with one other set of settings picked by the input's length. An
// import or generation may stop with the program's own error (VekError); anything else, a
// crash or a sanitizer report is a finding.

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "tcl/settings.h"
#include "tcl/solid_materials.h"
#include "tcl/tcl_generator.h"
#include "util/error.h"
#include "util/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

vek::Settings OtherSettings(std::size_t pick)
{
    vek::Settings settings;
    settings.AnalysisType = static_cast<std::int32_t>(1 + pick % 7);
    settings.UseSectionAggregator = (pick / 7) % 2 == 1;
    settings.GenPlateFiber = (pick / 14) % 2 == 0;
    settings.GenNodeMass = (pick / 28) % 2 == 0;
    settings.RecordFrameForce = settings.RecordSectionDeform = true;
    settings.RecordSectionStressStrain = settings.RecordModeShapes = true;
    settings.ControlNode = 2;
    settings.ControlDof = 3;
    settings.ModeCount = 3;
    settings.LoadControlCase = settings.DispControlCase = 2;
    return settings;
}

void Generate(vek::Model& model, const vek::Settings& settings)
{
    vek::TextLines script;
    std::vector<std::string> warnings;
    try {
        vek::GenerateTclScript(model, settings, script, warnings);
    } catch (const vek::VekError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vek::Model model;
    model.FileLines =
        vek::TextLines::FromText(std::string(reinterpret_cast<const char*>(data), size));
    try {
        vek::ReadS2kModel(model);
    } catch (const vek::VekError&) {
        return 0;
    }
    vek::Settings settings;
    vek::InitSolidMaterials(model, settings);
    Generate(model, settings);
    vek::Settings other = OtherSettings(size);
    vek::InitSolidMaterials(model, other);
    Generate(model, other);
    return 0;
}
