#include "tcl/tcl_generator.h"

#include "sections/fiber_builder.h"
#include "tcl/tcl_blocks.h"

namespace vek {

void CopyIntegrationPoints(Model& model, const Settings& settings)
{
    for (std::int32_t i = 1; i <= model.FrameCount(); ++i)
        model.Frames.Edit(i).IntegrationPoints = settings.NumIntegrationPoints;
}

void GenerateTclScript(Model& model, const Settings& settings, TextLines& tclLines,
                       std::vector<std::string>& warnings)
{
    warnings.clear();
    CopyIntegrationPoints(model, settings);
    ComputeSectionProperties(model);
    BuildFiberLists(model, settings);

    tclLines.clear();
    TclContext ctx{model, settings, tclLines, warnings};
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
}

void SaveTclScript(const TextLines& tclLines, const std::string& path)
{
    WriteWholeFile(path, tclLines.JoinCrLf());
}

} // namespace vek
