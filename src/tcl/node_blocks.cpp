#include "tcl/tcl_blocks.h"

#include <cstdint>
#include <string>

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
    const SolidJoints& solid = ctx.JointClasses;

    ctx.Line("puts \"node\"");
    for (std::int64_t i = 1; i <= model.JointCount(); ++i) {
        if (solid.IsSolid(i))
            continue;
        const TJoint& joint = model.Joints[i];
        // A joint tied to another by a release link stands at that joint's place.
        const TJoint& place = joint.LinkedJoint != 0 ? model.Joints[joint.LinkedJoint] : joint;
        ctx.Line("node %D %0.4E %0.4E %0.4E", {i, place.X, place.Y, place.Z});
    }
    if (solid.Any()) {
        // The nodes of the solids carry the three translations only.
        ctx.Line("model basic -ndm 3 -ndf 3");
        for (std::int32_t i : solid.SolidList()) {
            const TJoint& joint = model.Joints[i];
            const TJoint& place = joint.LinkedJoint != 0 ? model.Joints[joint.LinkedJoint] : joint;
            ctx.Line("node %D %0.4E %0.4E %0.4E", {i, place.X, place.Y, place.Z});
        }
        for (std::int32_t i : solid.SharedList()) {
            const TJoint& joint = model.Joints[i];
            ctx.Line("node %D %0.4E %0.4E %0.4E", {solid.TwinOf(i), joint.X, joint.Y, joint.Z});
        }
        ctx.Line("model basic -ndm 3 -ndf 6");
    }

    ctx.Line("puts \"rigidDiaphragm\"");
    for (std::int64_t c = 1; c <= model.ConstraintCount(); ++c) {
        const TConstraint& constraint = model.Constraints[c];
        std::int64_t firstSolid = solid.IsSolid(constraint.Master) ? constraint.Master : 0;
        std::int64_t solidCount = firstSolid != 0 ? 1 : 0;
        for (std::int64_t k = 1; k <= constraint.SlaveCount; ++k) {
            if (k >= static_cast<std::int64_t>(constraint.JointList.size()))
                break;
            const std::int32_t slave = constraint.JointList[k];
            ctx.Line("rigidDiaphragm 3 %D %D", {constraint.Master, slave});
            ctx.HasMultiPointConstraints = true;
            if (solid.IsSolid(slave) && slave != constraint.Master && solidCount++ == 0)
                firstSolid = slave;
        }
        if (solidCount > 0) {
            const std::string joints =
                solidCount == 1 ? "joint " + std::to_string(firstSolid) + ", which only solids use"
                                : std::to_string(solidCount) +
                                      " joints that only solids use (the first is joint " +
                                      std::to_string(firstSolid) + ")";
            const bool master = solid.IsSolid(constraint.Master);
            ctx.Warn("Rigid diaphragm " + std::to_string(c) + " names " + joints +
                     ": a solid joint has 3 degrees of freedom and a rigid diaphragm needs 6, so "
                     "OpenSees leaves it out of the diaphragm" +
                     (master ? "; the master's fix has 6 values, at which OpenSees stops." : "."));
        }
    }

    ctx.Line("puts \"mass\"");
    for (std::int64_t i = 1; i <= model.JointCount(); ++i) {
        const TJoint& joint = model.Joints[i];
        if (joint.MassU1 == 0)
            continue;
        if (solid.IsSolid(i))
            ctx.Line("mass %d %0.4E %0.4E %0.4E", {i, joint.MassU1, joint.MassU2, joint.MassU3});
        else
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
        if (fixed <= 0)
            continue;
        if (solid.IsSolid(i))
            ctx.Line("fix %D %D %D %D;", {i, r[1], r[2], r[3]});
        else
            ctx.Line("fix %D %D %D %D %D %D %D;", {i, r[1], r[2], r[3], r[4], r[5], r[6]});
    }
}

void WriteEqualDofBlock(TclContext& ctx)
{
    const Model& model = ctx.model;

    ctx.Line("puts \"Equal DOF\"");
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        const TFrameElem& frame = model.Frames[i];
        if (model.FrameSections[frame.Section].ElemType != ElementKind::ReleaseLink)
            continue;
        // The released end follows the other end in the three translations.
        if (frame.Release == FrameRelease::EndI)
            ctx.Line("equalDOF %d %d 1 2 3", {frame.NodeI, frame.NodeJ});
        else if (frame.Release == FrameRelease::EndJ)
            ctx.Line("equalDOF %d %d 1 2 3", {frame.NodeJ, frame.NodeI});
        else
            continue;
        ctx.HasMultiPointConstraints = true;
    }
    // A shared joint carries its twin, the node its solids use, in the three translations.
    for (std::int32_t i : ctx.JointClasses.SharedList()) {
        ctx.Line("equalDOF %d %d 1 2 3", {i, ctx.JointClasses.TwinOf(i)});
        ctx.HasMultiPointConstraints = true;
    }
}

} // namespace vek
