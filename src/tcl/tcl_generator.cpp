#include "tcl/tcl_generator.h"

#include "sections/fiber_builder.h"
#include "tcl/preflight.h"
#include "tcl/tcl_blocks.h"

#include <algorithm>

namespace vek {

void CopyIntegrationPoints(Model& model, const Settings& settings)
{
    for (std::int32_t i = 1; i <= model.FrameCount(); ++i)
        model.Frames.Edit(i).IntegrationPoints = settings.NumIntegrationPoints;
}

void PrepareForScript(Model& model, const Settings& settings)
{
    CopyIntegrationPoints(model, settings);
    ComputeSectionProperties(model);
    BuildFiberLists(model, settings.RebarMaterialTag);
    if (model.Frames.Count < 0)
        model.Frames.Count = 0;
}

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
