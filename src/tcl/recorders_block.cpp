#include "tcl/tcl_blocks.h"

#include <algorithm>
#include <cstdint>

namespace vek {

namespace {

// A recorder covers at most this many nodes or elements.
constexpr std::int64_t RangeSize = 100;

// A count of nodes or elements; an absent table (count -1) counts as none.
std::int64_t CountOf(std::int32_t count)
{
    return std::max<std::int64_t>(count, 0);
}

// Calls write(file, first, last) for the node ranges of n nodes: file k covers nodes
// 100k+1..100k+100, and a last file the nodes that are left, if any.
template <class Write> void ForEachNodeRange(std::int64_t n, Write write)
{
    const std::int64_t q = n / RangeSize;
    const std::int64_t r = n % RangeSize;
    for (std::int64_t k = 0; k < q; ++k)
        write(k, RangeSize * k + 1, RangeSize * k + RangeSize);
    if (r != 0)
        write(q, RangeSize * q + 1, RangeSize * q + r);
}

// Calls write(file, first, last) for the element ranges of n elements: files 1..q cover full
// ranges, and file 0 the elements that are left, if any. (OpenSees swaps a reversed range,
// so an empty "101 100" would record elements 100 and 101 a second time.)
template <class Write> void ForEachElementRange(std::int64_t n, Write write)
{
    const std::int64_t q = n / RangeSize;
    const std::int64_t r = n % RangeSize;
    for (std::int64_t k = 1; k <= q; ++k)
        write(k, RangeSize * (k - 1) + 1, RangeSize * k);
    if (r != 0)
        write(0, RangeSize * q + 1, RangeSize * q + r);
}

} // namespace

void WriteRecorders(TclContext& ctx)
{
    const Model& model = ctx.model;
    const Settings& settings = ctx.settings;
    const std::int64_t joints = CountOf(model.JointCount());
    const std::int64_t frames = CountOf(model.FrameCount());

    ctx.Line("puts \"recorder\"");

    if (settings.RecordNodeDisp) {
        ForEachNodeRange(joints, [&](std::int64_t file, std::int64_t first, std::int64_t last) {
            ctx.Line("recorder Node -file node%d.out -time -nodeRange %D %D -dof 1 2 3 disp",
                     {file, first, last});
        });
    }

    if (settings.RecordFrameForce) {
        ForEachElementRange(frames, [&](std::int64_t file, std::int64_t first, std::int64_t last) {
            ctx.Line("recorder Element -file ele%d.out -time -eleRange %D %D localForce",
                     {file, first, last});
        });
    }

    if (settings.RecordSectionDeform) {
        ForEachElementRange(frames, [&](std::int64_t file, std::int64_t first, std::int64_t last) {
            ctx.Line("recorder Element -file ele%d_secs.out -time -eleRange %D %D section 1 "
                     "deformation",
                     {file, first, last});
        });
        ForEachElementRange(frames, [&](std::int64_t file, std::int64_t first, std::int64_t last) {
            ctx.Line("recorder Element -file ele%d_secn.out -time -eleRange %D %D section %d "
                     "deformation",
                     {file, first, last, settings.NumIntegrationPoints});
        });
    }

    if (settings.RecordModeShapes) {
        // Outside a modal analysis no eigenvectors are set, and OpenSees fails every step of a
        // static or transient analysis that has an eigen recorder.
        if (settings.AnalysisType == Modal) {
            for (std::int64_t m = 1; m <= settings.ModeCount; ++m) {
                ForEachNodeRange(joints, [&](std::int64_t file, std::int64_t first,
                                             std::int64_t last) {
                    ctx.Line("recorder Node -file eigen%d_node%d.out -time -nodeRange %D %D -dof "
                             "1 2 3 \"eigen %D\"",
                             {m, file, first, last, m});
                });
            }
        } else {
            ctx.Warn("Mode shapes are recorded only by a modal analysis (Analysis Type 4); the "
                     "mode-shape recorders were left out.");
        }
    }
}

} // namespace vek
