#include "tcl/tcl_blocks.h"

#include <cstdint>

namespace vek {

void WriteModelHeader(TclContext& ctx)
{
    ctx.Line("wipe");
    ctx.Line("puts \"System\"");
    ctx.Line("model basic -ndm 3 -ndf 6");
}

void WriteNodeBlock(TclContext& ctx)
{
    const Model& model = ctx.model;

    ctx.Line("puts \"node\"");
    for (std::int64_t i = 1; i <= model.JointCount(); ++i) {
        const TJoint& joint = model.Joints[i];
        // A joint tied to another by a release link stands at that joint's place.
        const TJoint& place = joint.LinkedJoint != 0 ? model.Joints[joint.LinkedJoint] : joint;
        ctx.Line("node %D %0.4E %0.4E %0.4E", {i, place.X, place.Y, place.Z});
    }

    ctx.Line("puts \"rigidDiaphragm\"");
    for (std::int64_t c = 1; c <= model.ConstraintCount(); ++c) {
        const TConstraint& constraint = model.Constraints[c];
        for (std::int64_t k = 1; k <= constraint.SlaveCount; ++k) {
            if (k >= static_cast<std::int64_t>(constraint.JointList.size()))
                break;
            ctx.Line("rigidDiaphragm 3 %D %D", {constraint.Master, constraint.JointList[k]});
            ctx.HasMultiPointConstraints = true;
        }
    }

    ctx.Line("puts \"mass\"");
    for (std::int64_t i = 1; i <= model.JointCount(); ++i) {
        const TJoint& joint = model.Joints[i];
        if (joint.MassU1 == 0)
            continue;
        ctx.Line("mass %d %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E",
                 {i, joint.MassU1, joint.MassU2, joint.MassU3, joint.MassR1, joint.MassR2,
                  joint.MassR3});
    }

    ctx.Line("puts \"restraint\"");
    // The master of a diaphragm moves in the floor's plane and turns about the vertical.
    for (std::int64_t c = 1; c <= model.ConstraintCount(); ++c)
        ctx.Line("fix %d 0 0 1 1 1 0", {model.Constraints[c].Master});
    for (std::int64_t i = 1; i <= model.JointCount(); ++i) {
        const auto& r = model.Joints[i].Restraint;
        std::int64_t fixed = 0;
        for (std::size_t dof = 1; dof <= 6; ++dof)
            fixed += r[dof];
        if (fixed > 0)
            ctx.Line("fix %D %D %D %D %D %D %D;", {i, r[1], r[2], r[3], r[4], r[5], r[6]});
    }
}

void WriteEqualDofBlock(TclContext& ctx)
{
    const Model& model = ctx.model;

    ctx.Line("puts \"Equal DOF\"");
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        const TFrameElem& frame = model.Frames[i];
        if (model.FrameSections[frame.Section].ElemType != ElemReleaseLink)
            continue;
        // The released end follows the other end in the three translations.
        if (frame.Release == 1)
            ctx.Line("equalDOF %d %d 1 2 3", {frame.NodeI, frame.NodeJ});
        else if (frame.Release == 2)
            ctx.Line("equalDOF %d %d 1 2 3", {frame.NodeJ, frame.NodeI});
        else
            continue;
        ctx.HasMultiPointConstraints = true;
    }
}

} // namespace vek
