#include "tcl/preflight.h"

#include "model/element_kinds.h"
#include "sections/material_parameters.h"
#include "util/format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

namespace {

// The Rayleigh damping of the time history analyses asks the eigen solver for this many modes.
constexpr std::int64_t DampingModes = 2;

// OpenSees' default eigen solver needs this many free mass components per mode.
constexpr std::int64_t MassComponentsPerMode = 2;

// OpenSees 3.8 builds a nonlinearBeamColumn or dispBeamColumn element with at most this many
// integration points; beyond, "max number of sections exceeded" stops it.
constexpr std::int32_t MaxIntegrationPoints = 10;

// Multiple-support excitation imposes its motions on nodes 1..4, in direction 1.
constexpr std::int32_t ImposedMotionNodes = 4;
constexpr std::int32_t ImposedMotionDof = 1;

// How the constraints and elements of the model reach one joint.
struct JointUse
{
    // Master of a rigid diaphragm: the diaphragm's fix line holds its 3, 4 and 5.
    bool DiaphragmMaster = false;
    // Master or slave of a rigid diaphragm, which carries its rotation about Z.
    bool InDiaphragm = false;
    // A frame of a section in the model ends at it.
    bool Frame = false;
    // Such a frame that is not a truss ends at it.
    bool BendingFrame = false;
    // A shell names it.
    bool Shell = false;
};

// The joint as the script writes it: its number of degrees of freedom, the values of its
// "mass" line and the degrees of freedom its "fix" lines hold, in entries 1..DofCount.
struct ScriptJoint
{
    std::int32_t DofCount = 6;
    bool HasMassLine = false;
    std::array<double, 7> Mass{};
    std::array<bool, 7> Held{};
};

// What the node block writes for a joint: a 6-DOF node with a mass line of MassU1..MassR3
// when MassU1 is not 0, and fix lines that hold its restraints and, for a diaphragm master,
// its 3, 4, 5. A solid joint is a 3-DOF node: its mass line holds MassU1..MassU3 and its fix
// line the first three restraints.
ScriptJoint ScriptJointOf(const TJoint& joint, const JointUse& use, bool solid)
{
    const double mass[] = {joint.MassU1, joint.MassU2, joint.MassU3,
                           joint.MassR1, joint.MassR2, joint.MassR3};
    ScriptJoint s;
    s.DofCount = solid ? 3 : 6;
    s.HasMassLine = joint.MassU1 != 0;
    for (std::size_t dof = 1; dof <= static_cast<std::size_t>(s.DofCount); ++dof) {
        s.Mass[dof] = s.HasMassLine ? mass[dof - 1] : 0;
        s.Held[dof] = joint.Restraint[dof] != 0;
    }
    if (use.DiaphragmMaster && !solid)
        s.Held[3] = s.Held[4] = s.Held[5] = true;
    return s;
}

// The uses of every joint, entries 1..JointCount, from one pass over the constraints, the
// frames and the shells.
std::vector<JointUse> JointUsesOf(const Model& model)
{
    std::vector<JointUse> uses(static_cast<std::size_t>(std::max(model.JointCount(), 0)) + 1);
    const auto use = [&](std::int64_t j) -> JointUse* {
        return model.Joints.Contains(j) ? &uses[static_cast<std::size_t>(j)] : nullptr;
    };

    for (const TConstraint& constraint : model.Constraints) {
        if (JointUse* master = use(constraint.Master))
            master->DiaphragmMaster = master->InDiaphragm = true;
        for (std::int64_t k = 1; k <= constraint.SlaveCount; ++k) {
            if (k >= static_cast<std::int64_t>(constraint.JointList.size()))
                break;
            if (JointUse* slave = use(constraint.JointList[static_cast<std::size_t>(k)]))
                slave->InDiaphragm = true;
        }
    }
    for (const TFrameElem& frame : model.Frames) {
        // A frame without a section is left out of the script.
        if (!model.FrameSections.Contains(frame.Section))
            continue;
        const bool bending = !InfoOf(model.FrameSections[frame.Section].ElemType).IsTruss;
        for (std::int64_t j : {frame.NodeI, frame.NodeJ}) {
            if (JointUse* end = use(j)) {
                end->Frame = true;
                end->BendingFrame = end->BendingFrame || bending;
            }
        }
    }
    for (const TShellElem& shell : model.Shells)
        for (std::int64_t j : {shell.Node1, shell.Node2, shell.Node3, shell.Node4})
            if (JointUse* corner = use(j))
                corner->Shell = true;
    return uses;
}

// What the checks share: the context and the uses of the joints.
struct Preflight
{
    TclContext& ctx;
    const Model& model;
    const Settings& settings;
    std::vector<JointUse> uses;

    // The uses of joint j; none outside the joint table.
    const JointUse& Use(std::int64_t j) const
    {
        static const JointUse none;
        return IsJoint(j) ? uses[static_cast<std::size_t>(j)] : none;
    }
    ScriptJoint Joint(std::int64_t j) const
    {
        return ScriptJointOf(model.Joints[j], Use(j), ctx.JointClasses.IsSolid(j));
    }
    bool IsJoint(std::int64_t j) const { return model.Joints.Contains(j); }
};

std::string Str(std::int64_t value)
{
    return std::to_string(value);
}

// "1 joint", "3 joints".
std::string Counted(std::int64_t count, const std::string& noun)
{
    return Str(count) + " " + noun + (count == 1 ? "" : "s");
}

// "1", "1 and 2", "1, 2 and 3".
std::string ListOf(const std::vector<std::int32_t>& numbers)
{
    std::string text;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0)
            text += k + 1 == numbers.size() ? " and " : ", ";
        text += Str(numbers[k]);
    }
    return text;
}

// The load component and the joint degree of freedom of DOF 1..6.
const char* DofName(std::int32_t dof)
{
    static constexpr const char* names[] = {"", "UX", "UY", "UZ", "RX", "RY", "RZ"};
    return names[dof];
}

double LoadComponent(const TLoad& load, std::int32_t dof)
{
    const double components[] = {0, load.UX, load.UY, load.UZ, load.RX, load.RY, load.RZ};
    return components[dof];
}

// The non-zero mass values of the mass lines on degrees of freedom no fix line holds.
std::int64_t FreeMassCount(const Preflight& p)
{
    std::int64_t free = 0;
    for (std::int64_t j = 1; j <= p.model.JointCount(); ++j) {
        const ScriptJoint s = p.Joint(j);
        if (!s.HasMassLine)
            continue;
        for (std::int32_t dof = 1; dof <= s.DofCount; ++dof)
            if (s.Mass[dof] != 0 && !s.Held[dof])
                ++free;
    }
    return free;
}

const std::string freeMassMeaning = "mass on degrees of freedom no fix line holds";

void CheckModalModeCount(Preflight& p, std::int64_t free)
{
    const std::int64_t modes = p.settings.ModeCount;
    if (MassComponentsPerMode * modes <= free)
        return;
    const std::string head = "Modal Number is " + Str(modes) + ", but the model has ";
    const std::int64_t largest = free / MassComponentsPerMode;
    if (largest == 0) {
        const std::string mass = free == 0 ? "no free mass (no " + freeMassMeaning + ")"
                                           : "only 1 free mass component (" + freeMassMeaning +
                                                 "), too little for one mode";
        p.ctx.Warn(head + mass + ", so a modal analysis cannot run: add mass (MASS table) in " +
                   "directions in which the joints can move.");
        return;
    }
    p.ctx.Warn(head + "only " + Str(free) + " free mass components (" + freeMassMeaning +
               "); OpenSees' eigen solver needs twice the modes: set Modal Number to " +
               Str(largest) + " or less.");
}

// The caption of a time history analysis type.
const char* TimeHistoryName(std::int32_t type)
{
    switch (type) {
    case TimeHistory:
        return "Time History Analysis";
    case GravityTimeHistory:
        return "D+L+Time Hist Analysis";
    default:
        return "MultipleSupport Excitation";
    }
}

void CheckDampingModes(Preflight& p, std::int64_t free)
{
    const std::int64_t needed = MassComponentsPerMode * DampingModes;
    if (free >= needed)
        return;
    p.ctx.Warn(std::string(TimeHistoryName(p.settings.AnalysisType)) +
               " computes its Rayleigh damping from modes 1 and 2, and OpenSees' eigen solver "
               "needs " +
               Str(needed) + " free mass components (" + freeMassMeaning +
               ") for them, but the model has " + (free == 0 ? "none" : "only " + Str(free)) +
               ": give mass to joints that can move (MASS table), or the analysis stops before "
               "its first step.");
}

// Displacement control follows Control Dof of Control Node; it must be a degree of freedom the
// node has and no fix line holds.
void CheckControlNode(Preflight& p)
{
    const std::int32_t node = p.settings.ControlNode;
    const std::int32_t dof = p.settings.ControlDof;
    if (!p.IsJoint(node)) {
        const std::string joints = p.model.JointCount() > 0
                                       ? "the model's joints are 1 to " + Str(p.model.JointCount())
                                       : "the model has no joints";
        p.ctx.Warn("Control Node is " + Str(node) + ", but " + joints +
                   ": displacement control has no node to follow. Set Control Node to the joint "
                   "whose displacement is pushed.");
        return;
    }
    const ScriptJoint s = p.Joint(node);
    if (dof < 1 || dof > s.DofCount) {
        p.ctx.Warn("Control Dof is " + Str(dof) + ", but node " + Str(node) + " has degrees of " +
                   "freedom 1 to " + Str(s.DofCount) + ": set Control Dof to one of them.");
        return;
    }
    if (!s.Held[static_cast<std::size_t>(dof)])
        return;
    const std::string why = p.model.Joints[node].Restraint[static_cast<std::size_t>(dof)] != 0
                                ? "the joint is restrained in it"
                                : "the joint is the master of a rigid diaphragm, whose fix line "
                                  "holds its degrees of freedom 3, 4 and 5";
    p.ctx.Warn("Control Dof " + Str(dof) + " (" + DofName(dof) + ") of Control Node " + Str(node) +
               " is held by a fix line (" + why +
               "); displacement control cannot push a fixed degree of freedom: choose another "
               "Control Node or Control Dof.");
}

// Displacement control scales the Load Vector's pattern; without a joint force in Control Dof
// it finds no load factor.
void CheckLoadVector(Preflight& p)
{
    const std::int32_t c = p.settings.DispControlCase;
    const std::int32_t dof = p.settings.ControlDof;
    // A case outside the model writes no pattern and warns already.
    if (c < 1 || c > p.model.LoadCaseCount || dof < 1 || dof > 6)
        return;
    const std::string& name = p.model.LoadCaseNames[static_cast<std::size_t>(c - 1)];
    // The moments on a solid joint are left out of the script.
    for (const TLoad& load : p.model.Loads)
        if (load.LoadType == LoadKind::JointForce && load.CaseName == name &&
            LoadComponent(load, dof) != 0 && (dof <= 3 || !p.ctx.JointClasses.IsSolid(load.Target)))
            return;
    p.ctx.Warn("Load Vector is load case \"" + name + "\", which has no joint force in " +
               DofName(dof) + " (Control Dof " + Str(dof) +
               "): displacement control cannot find the load factor. Choose a load case that "
               "pushes in " +
               DofName(dof) + ", or another Control Dof.");
}

void CheckNegativeMasses(Preflight& p)
{
    std::int64_t count = 0;
    std::int64_t first = 0;
    for (std::int64_t j = 1; j <= p.model.JointCount(); ++j) {
        const ScriptJoint s = p.Joint(j);
        bool negative = false;
        for (std::int32_t dof = 1; dof <= s.DofCount; ++dof)
            negative = negative || s.Mass[dof] < 0;
        if (negative && count++ == 0)
            first = j;
    }
    if (count == 0)
        return;
    p.ctx.Warn(Counted(count, "joint") + (count == 1 ? " has" : " have") +
               " a negative mass (first joint " + Str(first) +
               "); OpenSees' eigen solver fails on a negative mass: correct the MASS table.");
}

// A joint that only trusses reach has no stiffness in the rotations no fix line holds; a
// diaphragm carries its joints' rotation about Z.
bool HasUnstiffenedRotation(const ScriptJoint& s, const JointUse& use)
{
    if (!use.Frame || use.BendingFrame || use.Shell)
        return false;
    for (std::int32_t dof = 4; dof <= s.DofCount; ++dof) {
        const bool carried = dof == 6 && use.InDiaphragm;
        if (!s.Held[static_cast<std::size_t>(dof)] && !carried)
            return true;
    }
    return false;
}

void CheckTrussOnlyJoints(Preflight& p)
{
    std::int64_t count = 0;
    std::int64_t first = 0;
    for (std::int64_t j = 1; j <= p.model.JointCount(); ++j)
        if (HasUnstiffenedRotation(p.Joint(j), p.Use(j)) && count++ == 0)
            first = j;
    if (count == 0)
        return;
    p.ctx.Warn(Counted(count, "joint") + " (first joint " + Str(first) + ") " +
               (count == 1 ? "is" : "are") +
               " reached only by truss elements, and no restraint holds all of " +
               (count == 1 ? "its" : "their") +
               " rotations: those rotations have no stiffness and OpenSees will report a "
               "singular stiffness matrix. Restrain R1, R2 and R3 there (RESTRAINT table), or "
               "give one of the frames at the joint a beam element type.");
}

bool HasFiberLayout(SectionShape shape)
{
    return shape >= SectionShape::Rectangle && shape <= SectionShape::Pipe;
}

// The number of frames of each section, entries 1..FrameSectionCount.
std::vector<std::int64_t> FramesPerSection(const Model& model)
{
    std::vector<std::int64_t> frames(
        static_cast<std::size_t>(std::max(model.FrameSectionCount(), 0)) + 1);
    for (const TFrameElem& frame : model.Frames)
        if (model.FrameSections.Contains(frame.Section))
            ++frames[static_cast<std::size_t>(frame.Section)];
    return frames;
}

void CheckEmptyFiberSections(Preflight& p, const std::vector<std::int64_t>& frames)
{
    const Model& model = p.model;
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const TFrameSection& section = model.FrameSections[s];
        const std::int64_t used = frames[static_cast<std::size_t>(s)];
        if (used == 0 || !InfoOf(section.ElemType).UsesFibers)
            continue;
        std::string why;
        if (!HasFiberLayout(section.Shape))
            why = "its shape has no fibre layout (only rectangle, I, box and pipe sections have "
                  "one)";
        else if (p.ctx.Sections[s].Fibers.Count() == 0)
            why = "its fibre divisions make none (DivideFX " + Str(section.DivideFX) +
                  ", DivideFY " + Str(section.DivideFY) + ", BarNumNX " + Str(section.BarNumNX) +
                  ", BarNumNY " + Str(section.BarNumNY) + ")";
        else
            continue;
        p.ctx.Warn("Frame section \"" + section.Name + "\" is written as an empty fibre section: " +
                   why + ". Its " + Counted(used, "frame") + " (" +
                   std::string(InfoOf(section.ElemType).OpenSeesName) +
                   " elements) need fibres, and OpenSees cannot build them: give the section "
                   "fibres, or the element type Elastic Beam Column.");
    }
}

// The bars of a rectangle's fibre section sit at Cover from its faces. A cover below 0 puts them
// outside the concrete; one of half the smaller side or more leaves no core between the rows
// (the import gives every section a cover of 35, too much for a model in metres).
void CheckRectangleCovers(Preflight& p, const std::vector<std::int64_t>& frames)
{
    const Model& model = p.model;
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const TFrameSection& section = model.FrameSections[s];
        if (frames[static_cast<std::size_t>(s)] == 0 || !InfoOf(section.ElemType).UsesFibers ||
            section.Shape != SectionShape::Rectangle ||
            std::max(section.BarNumNX, 0) + std::max(section.BarNumNY, 0) == 0)
            continue;
        const double half = std::min(section.T1, section.T2) / 2;
        std::string why;
        if (section.Cover < 0)
            why = "its bars lie outside the concrete";
        else if (section.Cover >= half)
            why = "its bars lie at or past the middle of the section, with no concrete core "
                  "between their rows";
        else
            continue;
        p.ctx.Warn("Frame section \"" + section.Name + "\" has a cover of " +
                   FormatGeneral(section.Cover) + ", and half its smaller side is " +
                   FormatGeneral(half) + ": " + why +
                   ". Set Cover, the distance from the faces to the bar centres in the model's "
                   "length unit, to at least 0 and less than " +
                   FormatGeneral(half) + ".");
    }
}

// Force/Disp Beam Column numIntgrPts is the integration points of every nonlinearBeamColumn
// and dispBeamColumn element.
void CheckIntegrationPoints(Preflight& p)
{
    const std::int32_t points = p.settings.NumIntegrationPoints;
    if (points >= 1 && points <= MaxIntegrationPoints)
        return;
    std::int64_t count = 0;
    std::int64_t first = 0;
    for (std::int64_t i = 1; i <= p.model.FrameCount(); ++i) {
        const TFrameElem& frame = p.model.Frames[i];
        if (!p.model.FrameSections.Contains(frame.Section))
            continue;
        const ElementKind type = p.model.FrameSections[frame.Section].ElemType;
        if (InfoOf(type).HasIntegrationPoints && count++ == 0)
            first = i;
    }
    if (count == 0)
        return;
    p.ctx.Warn("Force/Disp Beam Column numIntgrPts is " + Str(points) +
               ", but OpenSees 3.8 builds nonlinearBeamColumn and dispBeamColumn elements with "
               "1 to " +
               Str(MaxIntegrationPoints) + " integration points: " + Counted(count, "frame") +
               " of these elements (first frame " + Str(first) +
               ") cannot be built. Set numIntgrPts between 1 and " + Str(MaxIntegrationPoints) +
               ".");
}

// The place of joint j as the node block writes it.
const TJoint& PlaceOf(const Model& model, std::int64_t j)
{
    const TJoint& joint = model.Joints[j];
    return joint.LinkedJoint != 0 ? model.Joints[joint.LinkedJoint] : joint;
}

// A beamWithHinges element has a hinge at each end; longer together than the frame, they
// overlap.
void CheckHingeLengths(Preflight& p)
{
    const Model& model = p.model;
    struct Short
    {
        std::int64_t count = 0, first = 0;
        double length = 0;
    };
    std::vector<Short> shorts(static_cast<std::size_t>(std::max(model.FrameSectionCount(), 0)) + 1);
    for (std::int64_t i = 1; i <= model.FrameCount(); ++i) {
        const TFrameElem& frame = model.Frames[i];
        if (!model.FrameSections.Contains(frame.Section))
            continue;
        const TFrameSection& section = model.FrameSections[frame.Section];
        if (section.ElemType != ElementKind::BeamWithHinge)
            continue;
        const TJoint& a = PlaceOf(model, frame.NodeI);
        const TJoint& b = PlaceOf(model, frame.NodeJ);
        const double length = std::hypot(b.X - a.X, b.Y - a.Y, b.Z - a.Z);
        Short& s = shorts[static_cast<std::size_t>(frame.Section)];
        if (length < section.HingeLengthI + section.HingeLengthJ && s.count++ == 0) {
            s.first = i;
            s.length = length;
        }
    }
    for (std::int64_t k = 1; k <= model.FrameSectionCount(); ++k) {
        const Short& s = shorts[static_cast<std::size_t>(k)];
        if (s.count == 0)
            continue;
        const TFrameSection& section = model.FrameSections[k];
        p.ctx.Warn("Frame section \"" + section.Name + "\" has hinge lengths " +
                   FormatGeneral(section.HingeLengthI) + " and " +
                   FormatGeneral(section.HingeLengthJ) + ", together longer than " +
                   Counted(s.count, "frame") + " (beamWithHinges elements; first frame " +
                   Str(s.first) + ", " + FormatGeneral(s.length) +
                   " long): the hinges overlap. Shorten the hinge lengths.");
    }
}

// Multiple-support excitation imposes its motions in direction 1 on nodes 1 to 4, which must
// be joints restrained in that direction.
void CheckImposedMotionNodes(Preflight& p)
{
    std::vector<std::int32_t> missing;
    std::vector<std::int32_t> unrestrained;
    for (std::int32_t j = 1; j <= ImposedMotionNodes; ++j) {
        if (!p.IsJoint(j))
            missing.push_back(j);
        else if (!p.Joint(j).Held[ImposedMotionDof])
            unrestrained.push_back(j);
    }
    if (missing.empty() && unrestrained.empty())
        return;
    std::string problems;
    if (!missing.empty())
        problems = (missing.size() == 1 ? "node " : "nodes ") + ListOf(missing) +
                   (missing.size() == 1 ? " is not a joint" : " are not joints") + " of the model";
    if (!unrestrained.empty()) {
        if (!problems.empty())
            problems += ", and ";
        problems += (unrestrained.size() == 1 ? "node " : "nodes ") + ListOf(unrestrained) +
                    (unrestrained.size() == 1 ? " is" : " are") + " not restrained in U1";
    }
    p.ctx.Warn("MultipleSupport Excitation imposes ground motions in direction 1 on nodes 1, 2, "
               "3 and 4, but " +
               problems +
               ": OpenSees cannot impose them. Number four supports restrained in U1 as joints 1 "
               "to 4.");
}

bool IsNonlinear(const TMaterial& material)
{
    const MaterialTypeInfo* info = InfoOfMaterialType(material.MatType);
    return info != nullptr && info->Type != MaterialType::Elastic;
}

std::string TypeName(const TMaterial& material)
{
    const MaterialTypeInfo* info = InfoOfMaterialType(material.MatType);
    return info != nullptr ? std::string(info->Name) : "no type";
}

// "\"C30\" (1)": a material by its name and number.
std::string MaterialName(const Model& model, std::int64_t m)
{
    return "\"" + model.Materials[m].Name + "\" (" + Str(m) + ")";
}

// Whether the fibres of section s name material m.
bool HasFiberOf(const Preflight& p, std::int64_t s, std::int64_t m)
{
    const std::vector<TFiber>& fibers = p.ctx.Sections[s].Fibers.Fibers;
    return std::any_of(fibers.begin() + std::min<std::size_t>(fibers.size(), 1), fibers.end(),
                       [&](const TFiber& f) { return f.MatTag == m; });
}

// The bars of the fibre sections are fibres of Rebar Material Tag, which must be a material
// the script writes.
void CheckRebarMaterial(Preflight& p, const std::vector<std::int64_t>& frames)
{
    const std::int32_t tag = p.settings.RebarMaterialTag;
    const Model& model = p.model;
    if (InfoOfMaterialType(model.Materials[tag].MatType) != nullptr)
        return;
    std::int64_t count = 0, first = 0;
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s)
        if (frames[static_cast<std::size_t>(s)] > 0 &&
            InfoOf(model.FrameSections[s].ElemType).UsesFibers &&
            model.FrameSections[s].Material != tag && HasFiberOf(p, s, tag) && count++ == 0)
            first = s;
    if (count == 0)
        return;
    const std::string why = model.Materials.Contains(tag) ? "material " + Str(tag) + " has no type"
                                                          : "the model has no material " + Str(tag);
    p.ctx.Warn("Rebar Material Tag is " + Str(tag) + ", but " + why + ": the bars of " +
               Counted(count, "fibre section") + " (first \"" + model.FrameSections[first].Name +
               "\") name a uniaxialMaterial the script does not write, and OpenSees cannot "
               "build them. Set RebarMaterialTag to the number of the bars' material.");
}

// The first nonlinear material; 0 when all are elastic.
std::int64_t FirstNonlinearMaterial(const Model& model)
{
    for (std::int64_t m = 1; m <= model.MaterialCount(); ++m)
        if (IsNonlinear(model.Materials[m]))
            return m;
    return 0;
}

// A fibre section of an elastic material in a model with nonlinear materials stays elastic
// where its fibres are of that material.
void CheckElasticFiberSections(Preflight& p, const std::vector<std::int64_t>& frames)
{
    const Model& model = p.model;
    const std::int64_t nonlinear = FirstNonlinearMaterial(model);
    if (nonlinear == 0)
        return;
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const TFrameSection& section = model.FrameSections[s];
        const ElementKindInfo& kind = InfoOf(section.ElemType);
        if (frames[static_cast<std::size_t>(s)] == 0 || !kind.UsesFibers ||
            model.Materials[section.Material].MatType != MaterialType::Elastic)
            continue;
        p.ctx.Warn("Frame section \"" + section.Name + "\" (" + std::string(kind.OpenSeesName) +
                   " elements) has fibres of the elastic material " +
                   MaterialName(model, section.Material) + ", while material " +
                   MaterialName(model, nonlinear) + " is " + TypeName(model.Materials[nonlinear]) +
                   ": those fibres stay elastic. Give material " + Str(section.Material) +
                   " a nonlinear type, if the section is meant to yield.");
    }
}

// How the elements of the script use one material.
struct MaterialUse
{
    // Fibres, hinges or zero-length springs of the material: its stress-strain law acts.
    bool Nonlinear = false;
    // Elastic beam-columns and shells, which take only its E, G and Poisson's ratio.
    std::int64_t ElasticFrames = 0;
    std::int64_t Shells = 0;
};

std::vector<MaterialUse> MaterialUsesOf(const Preflight& p, const std::vector<std::int64_t>& frames)
{
    const Model& model = p.model;
    std::vector<MaterialUse> uses(static_cast<std::size_t>(std::max(model.MaterialCount(), 0)) + 1);
    const auto use = [&](std::int64_t m) -> MaterialUse* {
        return model.Materials.Contains(m) ? &uses[static_cast<std::size_t>(m)] : nullptr;
    };
    for (std::int64_t s = 1; s <= model.FrameSectionCount(); ++s) {
        const TFrameSection& section = model.FrameSections[s];
        const std::int64_t count = frames[static_cast<std::size_t>(s)];
        MaterialUse* own = use(section.Material);
        if (count == 0 || own == nullptr)
            continue;
        if (section.ElemType == ElementKind::ElasticBeamColumn)
            own->ElasticFrames += count;
        else if (section.ElemType == ElementKind::ReleaseLink ||
                 InfoOf(section.ElemType).UsesFibers)
            own->Nonlinear = true;
        MaterialUse* rebar = use(p.settings.RebarMaterialTag);
        if (InfoOf(section.ElemType).UsesFibers && rebar != nullptr &&
            HasFiberOf(p, s, p.settings.RebarMaterialTag))
            rebar->Nonlinear = true;
    }
    // With plate fibre information a shell of a nonlinear material has a warning of its own.
    if (p.settings.GenPlateFiber)
        return uses;
    for (const TShellElem& shell : model.Shells) {
        const TShellSection& section = model.ShellSections[shell.Section];
        if (section.Kind == ShellSectionKind::Shell)
            if (MaterialUse* own = use(section.Material))
                ++own->Shells;
    }
    return uses;
}

// A nonlinear material that only elastic elements use changes nothing but their E and G.
void CheckNonlinearMaterialUses(Preflight& p, const std::vector<std::int64_t>& frames)
{
    const Model& model = p.model;
    const std::vector<MaterialUse> uses = MaterialUsesOf(p, frames);
    for (std::int64_t m = 1; m <= model.MaterialCount(); ++m) {
        const MaterialUse& use = uses[static_cast<std::size_t>(m)];
        if (!IsNonlinear(model.Materials[m]) || use.Nonlinear ||
            use.ElasticFrames + use.Shells == 0)
            continue;
        std::string users;
        if (use.ElasticFrames > 0)
            users = Counted(use.ElasticFrames, "elasticBeamColumn frame");
        if (use.Shells > 0)
            users += (users.empty() ? "" : " and ") + Counted(use.Shells, "shell");
        p.ctx.Warn("Material " + MaterialName(model, m) + " is " + TypeName(model.Materials[m]) +
                   ", but only elastic elements use it (" + users +
                   "): they take its elastic constants alone, and its nonlinear law changes "
                   "nothing. Give their sections a fibre element type, or leave the material "
                   "Elastic.");
    }
}

// With plate fibre information the script writes an nDMaterial only for the elastic materials
// of the shell sections; a PlateFiber of any other material names none.
void CheckShellSectionMaterials(Preflight& p)
{
    const Model& model = p.model;
    if (!p.settings.GenPlateFiber)
        return;
    for (std::int64_t k = 1; k <= model.ShellSectionCount(); ++k) {
        const TShellSection& section = model.ShellSections[k];
        const TMaterial& material = model.Materials[section.Material];
        if (section.Kind != ShellSectionKind::Shell || !IsNonlinear(material))
            continue;
        p.ctx.Warn("Shell section \"" + section.Name + "\" is of material " +
                   MaterialName(model, section.Material) + ", which is " + TypeName(material) +
                   ": nDMaterial ElasticIsotropic is written only for elastic materials, so its "
                   "\"nDMaterial PlateFiber " +
                   Str(600 + k) +
                   "\" names no nD material and OpenSees stops there. Leave the material "
                   "Elastic, or turn Gen ND Material Plate Fiber Information off.");
    }
}

} // namespace

void AddPreflightWarnings(TclContext& ctx)
{
    Preflight p{ctx, ctx.model, ctx.settings, JointUsesOf(ctx.model)};
    const std::int32_t type = ctx.settings.AnalysisType;

    if (type == Modal || type == TimeHistory || type == GravityTimeHistory ||
        type == MultipleSupportExcitation) {
        const std::int64_t free = FreeMassCount(p);
        if (type == Modal)
            CheckModalModeCount(p, free);
        else
            CheckDampingModes(p, free);
    }
    if (type == SingleDisplacementControl || type == GravityPushover) {
        CheckControlNode(p);
        CheckLoadVector(p);
    }
    if (type >= Modal && type <= MultipleSupportExcitation)
        CheckNegativeMasses(p);
    CheckTrussOnlyJoints(p);
    const std::vector<std::int64_t> frames = FramesPerSection(ctx.model);
    CheckEmptyFiberSections(p, frames);
    CheckRectangleCovers(p, frames);
    CheckIntegrationPoints(p);
    CheckHingeLengths(p);
    CheckRebarMaterial(p, frames);
    CheckElasticFiberSections(p, frames);
    CheckNonlinearMaterialUses(p, frames);
    CheckShellSectionMaterials(p);
    if (type == MultipleSupportExcitation)
        CheckImposedMotionNodes(p);
}

} // namespace vek
