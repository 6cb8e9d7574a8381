#include "tcl/recorder_groups.h"
#include "tcl/tcl_blocks.h"

#include <cstdint>
#include <vector>

namespace vek {

void WriteRecorders(TclContext& ctx)
{
    const Model& model = ctx.model;
    const Settings& settings = ctx.settings;
    const std::vector<RecorderFile> nodeFiles = NodeRecorderFiles(model.JointCount());
    const std::vector<RecorderFile> elementFiles = ElementRecorderFiles(model.FrameCount());

    ctx.Line("puts \"recorder\"");

    if (settings.RecordNodeDisp) {
        for (const RecorderFile& file : nodeFiles)
            ctx.Line("recorder Node -file node%d.out -time -nodeRange %D %D -dof 1 2 3 disp",
                     {file.Number, file.First, file.Last});
    }

    if (settings.RecordFrameForce) {
        for (const RecorderFile& file : elementFiles)
            ctx.Line("recorder Element -file ele%d.out -time -eleRange %D %D localForce",
                     {file.Number, file.First, file.Last});
    }

    if (settings.RecordSectionDeform) {
        for (const RecorderFile& file : elementFiles)
            ctx.Line("recorder Element -file ele%d_secs.out -time -eleRange %D %D section 1 "
                     "deformation",
                     {file.Number, file.First, file.Last});
        for (const RecorderFile& file : elementFiles)
            ctx.Line("recorder Element -file ele%d_secn.out -time -eleRange %D %D section %d "
                     "deformation",
                     {file.Number, file.First, file.Last, settings.NumIntegrationPoints});
    }

    if (settings.RecordModeShapes) {
        // Outside a modal analysis no eigenvectors are set, and OpenSees fails every step of a
        // static or transient analysis that has an eigen recorder.
        if (settings.AnalysisType == Modal) {
            for (std::int64_t m = 1; m <= settings.ModeCount; ++m)
                for (const RecorderFile& file : nodeFiles)
                    ctx.Line("recorder Node -file eigen%d_node%d.out -time -nodeRange %D %D -dof "
                             "1 2 3 \"eigen %D\"",
                             {m, file.Number, file.First, file.Last, m});
        } else {
            ctx.Warn("Mode shapes are recorded only by a modal analysis (Analysis Type 4); the "
                     "mode-shape recorders were left out.");
        }
    }
}

} // namespace vek
