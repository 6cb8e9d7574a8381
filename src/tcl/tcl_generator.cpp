#include "tcl/tcl_generator.h"

#include "tcl/preflight.h"
#include "tcl/tcl_blocks.h"

#include <algorithm>

namespace vek {

void GenerateTclScript(const Model& model, const Settings& settings, TextLines& tclLines,
                       std::vector<std::string>& warnings)
{
    warnings.clear();
    tclLines.clear();
    // A script has a line or two for each joint, frame, shell, solid and load.
    const auto records = [](std::int32_t count) {
        return static_cast<std::size_t>(std::max(count, 0));
    };
    const std::size_t expectedLines = 2 * records(model.JointCount()) +
                                      2 * records(model.FrameCount()) +
                                      records(model.ShellCount()) + records(model.SolidCount()) +
                                      records(model.LoadCount()) + 100;
    tclLines.reserve(expectedLines, 60 * expectedLines);
    TclContext ctx{model, settings, tclLines, warnings};
    ctx.JointClasses.Classify(model);
    ctx.Sections = PrepareSections(model, settings.RebarMaterialTag);
    WriteModelHeader(ctx);
    WriteNodeBlock(ctx);
    WriteEqualDofBlock(ctx);
    WriteMaterials(ctx);
    WriteFiberSections(ctx);
    WritePlateFiberSections(ctx);
    WriteFrameElements(ctx);
    WriteShellElements(ctx);
    WriteSolidElements(ctx);
    WriteRecorders(ctx);
    WriteAnalysisBlock(ctx);
    AddPreflightWarnings(ctx);
}

void SaveTclScript(const TextLines& tclLines, const std::string& path)
{
    WriteLinesCrLf(path, tclLines);
}

} // namespace vek
