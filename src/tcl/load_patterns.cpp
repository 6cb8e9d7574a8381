#include "tcl/tcl_blocks.h"

#include <cstdint>
#include <string>

namespace vek {

void WriteLoadPattern(TclContext& ctx, std::int32_t c, std::int32_t tag)
{
    const Model& model = ctx.model;

    if (c < 1 || c > model.LoadCaseCount) {
        ctx.Warn("No load case is chosen (case " + std::to_string(c) + " of " +
                 std::to_string(model.LoadCaseCount) +
                 "): the load pattern was left out of the script.");
        return;
    }

    const std::string& name = model.LoadCaseNames[c - 1];
    ctx.Line("## Load Case = %s", {name});
    ctx.Line("pattern Plain %D Linear {", {tag});
    std::int64_t droppedMoments = 0;
    std::int32_t firstDropped = 0;
    for (std::int64_t l = 1; l <= model.LoadCount(); ++l) {
        const TLoad& load = model.Loads[l];
        if (load.CaseName != name)
            continue;
        if (load.LoadType == LoadKind::JointForce && ctx.JointClasses.IsSolid(load.Target)) {
            // A solid joint has no rotations to take a moment.
            ctx.Line("load %D %0.4E %0.4E %0.4E", {load.Target, load.UX, load.UY, load.UZ});
            if ((load.RX != 0 || load.RY != 0 || load.RZ != 0) && droppedMoments++ == 0)
                firstDropped = load.Target;
        } else if (load.LoadType == LoadKind::JointForce) {
            ctx.Line("load %D %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E",
                     {load.Target, load.UX, load.UY, load.UZ, load.RX, load.RY, load.RZ});
        } else if (load.LoadType == LoadKind::Distributed) {
            // beamUniform takes Wy, Wz, Wx: direction 1 goes to Wx, 2 to Wz, and 3 to Wy
            // with its sign reversed.
            switch (load.Direction) {
            case 1:
                ctx.Line("eleLoad -ele %D -type -beamUniform 0 0 %0.4E",
                         {load.Target, load.Value()});
                break;
            case 2:
                ctx.Line("eleLoad -ele %D -type -beamUniform 0 %0.4E 0",
                         {load.Target, load.Value()});
                break;
            case 3:
                ctx.Line("eleLoad -ele %D -type -beamUniform %0.4E 0 0",
                         {load.Target, -load.Value()});
                break;
            default:
                break;
            }
        }
    }
    ctx.Line("}");
    if (droppedMoments > 0)
        ctx.Warn("Load case " + name + " puts a moment on joint " + std::to_string(firstDropped) +
                 ", which only solids use and which has no rotations: the moments of " +
                 std::to_string(droppedMoments) +
                 (droppedMoments == 1 ? " joint force" : " joint forces") +
                 " were left out of pattern " + std::to_string(tag) + ".");
}

} // namespace vek
