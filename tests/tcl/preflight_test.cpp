#include "tcl/preflight.h"

#include "sections/fiber_builder.h"
#include "support/s2k_test_support.h"
#include "tcl/tcl_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vek {
namespace {

using testing::fileHead;
using testing::Import;
using Warnings = std::vector<std::string>;

// Whether some warning holds every one of `parts`.
::testing::AssertionResult SomeWarningHolds(const Warnings& warnings,
                                            std::initializer_list<std::string> parts)
{
    for (const std::string& warning : warnings) {
        bool all = true;
        for (const std::string& part : parts)
            all = all && warning.find(part) != std::string::npos;
        if (all)
            return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << "no warning holds all of";
    for (const std::string& part : parts)
        failure << " \"" << part << "\"";
    for (const std::string& warning : warnings)
        failure << "\n  " << warning;
    return failure;
}

// Whether there is one warning, and it holds every one of `parts`.
::testing::AssertionResult OneWarning(const Warnings& warnings,
                                      std::initializer_list<std::string> parts)
{
    if (warnings.size() != 1)
        return ::testing::AssertionFailure() << warnings.size() << " warnings";
    return SomeWarningHolds(warnings, parts);
}

Warnings Preflight(Model& model, const Settings& settings)
{
    TextLines lines;
    Warnings warnings;
    TclContext ctx{model, settings, lines, warnings};
    ctx.Sections = PrepareSections(model, settings.RebarMaterialTag);
    AddPreflightWarnings(ctx);
    return warnings;
}

Settings OfType(std::int32_t type)
{
    Settings settings;
    settings.AnalysisType = type;
    return settings;
}

void Restrain(TJoint& joint, std::initializer_list<std::size_t> dofs)
{
    for (std::size_t dof : dofs)
        joint.Restraint[dof] = 1;
}

// MassU1, MassU2, ... from the first values.
void SetMass(TJoint& joint, std::initializer_list<double> values)
{
    double* mass[] = {&joint.MassU1, &joint.MassU2, &joint.MassU3,
                      &joint.MassR1, &joint.MassR2, &joint.MassR3};
    std::size_t k = 0;
    for (double value : values)
        *mass[k++] = value;
}

void AddDiaphragm(Model& model, std::int32_t c, std::int32_t master,
                  std::vector<std::int32_t> slaves)
{
    TConstraint& constraint = model.Constraints.Edit(c);
    constraint.JointList.insert(constraint.JointList.end(), slaves.begin(), slaves.end());
    constraint.JointList.push_back(master);
    constraint.SlaveCount = static_cast<std::int32_t>(slaves.size());
    constraint.Master = master;
}

void AddFrame(Model& model, std::int32_t i, std::int32_t section, std::int32_t nodeI,
              std::int32_t nodeJ)
{
    TFrameElem& frame = model.Frames.Edit(i);
    frame.Section = section;
    frame.NodeI = nodeI;
    frame.NodeJ = nodeJ;
}

// Joint 1 free with mass U1, U2 (2 free components); joint 2 restrained in U1 with mass U1, U2
// (1); joint 3 a diaphragm master with mass U1, U2, U3 (2: its U3 is fixed); joint 4 with mass
// in U2 only, which writes no mass line (0). 5 free mass components in all.
Model FiveFreeMassModel()
{
    Model model;
    model.Joints.Reset(5);
    SetMass(model.Joints.Edit(1), {1, 1});
    SetMass(model.Joints.Edit(2), {1, 1});
    Restrain(model.Joints.Edit(2), {1});
    SetMass(model.Joints.Edit(3), {1, 1, 1});
    SetMass(model.Joints.Edit(4), {0, 5});
    model.Constraints.Reset(1);
    AddDiaphragm(model, 1, 3, {5});
    return model;
}

TEST(Preflight, ModalNumberAgainstFreeMass)
{
    Model model = FiveFreeMassModel();
    Settings settings = OfType(4);
    settings.ModeCount = 3;
    EXPECT_EQ(Preflight(model, settings),
              Warnings{"Modal Number is 3, but the model has only 5 free mass components (mass "
                       "on degrees of freedom no fix line holds); OpenSees' eigen solver needs "
                       "twice the modes: set Modal Number to 2 or less."});
    settings.ModeCount = 2;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
    // Only a modal analysis asks for Modal Number modes.
    settings.ModeCount = 30;
    settings.AnalysisType = 1;
    EXPECT_EQ(Preflight(model, settings), Warnings{});

    // Mass only where fix lines hold: none is free.
    Model held;
    held.Joints.Reset(1);
    SetMass(held.Joints.Edit(1), {4, 4});
    Restrain(held.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
    settings.AnalysisType = 4;
    settings.ModeCount = 1;
    EXPECT_TRUE(
        OneWarning(Preflight(held, settings), {"Modal Number is 1, but the model has no free mass",
                                               "a modal analysis cannot run"}));
    held.Joints.Edit(1).Restraint[2] = 0;
    EXPECT_TRUE(OneWarning(Preflight(held, settings),
                           {"only 1 free mass component", "a modal analysis cannot run"}));
}

TEST(Preflight, RayleighDampingNeedsTwoModes)
{
    // Nodes 1 to 4 are supports in U1 (their U1 mass is held), so multiple-support excitation
    // has nothing else to warn about.
    Model model;
    model.Joints.Reset(6);
    for (std::int32_t j = 1; j <= 4; ++j) {
        Restrain(model.Joints.Edit(j), {1});
        SetMass(model.Joints.Edit(j), {1});
    }
    SetMass(model.Joints.Edit(5), {1, 1, 1});

    for (std::int32_t type : {5, 6, 7})
        EXPECT_TRUE(OneWarning(Preflight(model, OfType(type)),
                               {"Rayleigh damping from modes 1 and 2",
                                "needs 4 free mass components", "the model has only 3"}))
            << type;
    EXPECT_TRUE(
        SomeWarningHolds(Preflight(model, OfType(7)), {"MultipleSupport Excitation computes"}));
    // A modal analysis asks for Modal Number modes, not for two.
    Settings modal = OfType(4);
    modal.ModeCount = 1;
    EXPECT_EQ(Preflight(model, modal), Warnings{});

    model.Joints.Edit(6).MassU1 = 1;
    for (std::int32_t type : {5, 6, 7})
        EXPECT_EQ(Preflight(model, OfType(type)), Warnings{}) << type;
}

// Joint 1 fixed, joint 2 master of a diaphragm with slave 3; case PUSH loads joint 3 in every
// direction.
Model ControlModel()
{
    Model model;
    model.Joints.Reset(3);
    Restrain(model.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
    model.Constraints.Reset(1);
    AddDiaphragm(model, 1, 2, {3});
    model.LoadCaseNames[0] = "PUSH";
    model.LoadCaseCount = 1;
    model.Loads.Reset(1);
    TLoad& load = model.Loads.Edit(1);
    load.Target = 3;
    load.LoadType = LoadKind::JointForce;
    load.CaseName = "PUSH";
    load.UX = load.UY = load.UZ = load.RX = load.RY = load.RZ = 1;
    return model;
}

Warnings ControlWarnings(Model& model, std::int32_t type, std::int32_t node, std::int32_t dof)
{
    Settings settings = OfType(type);
    settings.ControlNode = node;
    settings.ControlDof = dof;
    settings.DispControlCase = 1;
    return Preflight(model, settings);
}

TEST(Preflight, ControlNodeAndDof)
{
    Model model = ControlModel();
    // A slave's in-plane degrees of freedom and a master's free ones can be pushed.
    for (std::int32_t dof : {1, 2, 3, 4, 5, 6})
        EXPECT_EQ(ControlWarnings(model, 2, 3, dof), Warnings{}) << dof;
    for (std::int32_t dof : {1, 2, 6})
        EXPECT_EQ(ControlWarnings(model, 3, 2, dof), Warnings{}) << dof;

    const std::pair<std::int32_t, std::string> masterHeld[] = {{3, "UZ"}, {4, "RX"}, {5, "RY"}};
    for (const auto& [dof, name] : masterHeld)
        EXPECT_TRUE(OneWarning(ControlWarnings(model, 2, 2, dof),
                               {"Control Dof " + std::to_string(dof) + " (" + name +
                                ") of Control Node 2 is held by a fix line (the joint is the "
                                "master of a rigid diaphragm"}));
    EXPECT_TRUE(OneWarning(ControlWarnings(model, 3, 1, 1),
                           {"Control Dof 1 (UX) of Control Node 1 is held by a fix line (the "
                            "joint is restrained in it)"}));
    for (std::int32_t node : {0, 4})
        EXPECT_TRUE(OneWarning(
            ControlWarnings(model, 2, node, 1),
            {"Control Node is " + std::to_string(node) + ", but the model's joints are 1 to 3"}));
    for (std::int32_t dof : {0, 7})
        EXPECT_TRUE(OneWarning(ControlWarnings(model, 3, 3, dof),
                               {"Control Dof is " + std::to_string(dof) +
                                ", but node 3 has degrees of freedom 1 to 6"}));
    // Analyses without displacement control do not read the control settings.
    EXPECT_EQ(ControlWarnings(model, 1, 9, 9), Warnings{});
}

TEST(Preflight, LoadVectorPushesControlDof)
{
    // DEAD: a joint force in UZ; PUSH: a joint force in UX; WIND: a distributed load, whose
    // value is kept in UX.
    Model model;
    model.Joints.Reset(2);
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "PUSH";
    model.LoadCaseNames[2] = "WIND";
    model.LoadCaseCount = 3;
    model.Loads.Reset(3);
    const auto addLoad = [&](std::int32_t l, LoadKind type, const char* name) -> TLoad& {
        TLoad& load = model.Loads.Edit(l);
        load.Target = 2;
        load.LoadType = type;
        load.CaseName = name;
        return load;
    };
    addLoad(1, LoadKind::JointForce, "DEAD").UZ = -10;
    addLoad(2, LoadKind::JointForce, "PUSH").UX = 5;
    TLoad& wind = addLoad(3, LoadKind::Distributed, "WIND");
    wind.Direction = 2;
    wind.UX = 3;

    Settings settings = OfType(3);
    settings.ControlNode = 2;
    settings.ControlDof = 1;
    settings.DispControlCase = 1;
    EXPECT_TRUE(OneWarning(Preflight(model, settings),
                           {"Load Vector is load case \"DEAD\", which has no joint force in UX "
                            "(Control Dof 1)"}));
    settings.DispControlCase = 3;
    EXPECT_TRUE(OneWarning(Preflight(model, settings), {"Load Vector is load case \"WIND\""}));

    settings.DispControlCase = 2;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
    settings.DispControlCase = 1;
    settings.ControlDof = 3;
    settings.AnalysisType = 2;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
    // A case that is not in the model is the pattern writer's warning.
    settings.DispControlCase = 4;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
}

TEST(Preflight, NegativeMasses)
{
    Model model;
    model.Joints.Reset(4);
    SetMass(model.Joints.Edit(1), {1});
    SetMass(model.Joints.Edit(2), {1, 0, 0, 0, 0, -1});
    SetMass(model.Joints.Edit(3), {-2});
    // No mass line is written for a joint without mass in U1.
    SetMass(model.Joints.Edit(4), {0, -3});

    Settings settings = OfType(4);
    settings.ModeCount = 1;
    for (std::int32_t type : {4, 5, 6}) {
        settings.AnalysisType = type;
        EXPECT_TRUE(OneWarning(Preflight(model, settings),
                               {"2 joints have a negative mass (first joint 2)"}))
            << type;
    }
    settings.AnalysisType = 1;
    EXPECT_EQ(Preflight(model, settings), Warnings{});

    model.Joints.Edit(2).MassR3 = 1;
    settings.AnalysisType = 4;
    EXPECT_TRUE(
        OneWarning(Preflight(model, settings), {"1 joint has a negative mass (first joint 3)"}));
    model.Joints.Edit(3).MassU1 = 2;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
}

TEST(Preflight, JointsOnlyTrussesReach)
{
    // Sections: 1 truss, 2 corotational truss, 3 elastic beam column.
    Model model;
    model.FrameSections.Reset(3);
    for (std::int32_t s : {1, 2}) {
        TFrameSection& truss = model.FrameSections.Edit(s);
        truss.ElemType = s == 1 ? ElementKind::Truss : ElementKind::CorotTruss;
        truss.Shape = SectionShape::Rectangle;
        truss.T1 = truss.T2 = 100;
        truss.DivideFX = truss.DivideFY = 1;
    }
    model.FrameSections.Edit(3).ElemType = ElementKind::ElasticBeamColumn;
    model.Joints.Reset(11);
    model.Frames.Reset(6);
    // Joint 1 fixed; 2 free between trusses; 3 between a beam and a truss that comes later.
    Restrain(model.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
    AddFrame(model, 1, 1, 1, 2);
    AddFrame(model, 2, 3, 3, 4);
    AddFrame(model, 3, 2, 2, 3);
    // Joint 5 pinned, 6 a shell corner.
    Restrain(model.Joints.Edit(5), {1, 2, 3});
    AddFrame(model, 4, 1, 5, 6);
    model.Shells.Reset(1);
    model.Shells.Edit(1) = {"", 1, 6, 10, 11, 8};
    // Joint 7 a diaphragm slave held in R1, R2: the diaphragm carries its R3.
    Restrain(model.Joints.Edit(7), {4, 5});
    model.Constraints.Reset(1);
    AddDiaphragm(model, 1, 8, {7});
    AddFrame(model, 5, 1, 7, 1);
    // A frame without a section, which is not written, reaches joint 9 and joint 2; joint 10
    // no frame.
    AddFrame(model, 6, 0, 9, 2);

    EXPECT_TRUE(OneWarning(Preflight(model, Settings()),
                           {"2 joints (first joint 2) are reached only by truss elements",
                            "singular stiffness matrix"}));
    Restrain(model.Joints.Edit(2), {4, 5, 6});
    EXPECT_TRUE(OneWarning(Preflight(model, Settings()),
                           {"1 joint (first joint 5) is reached only by truss elements"}));
    Restrain(model.Joints.Edit(5), {4, 5, 6});
    EXPECT_EQ(Preflight(model, Settings()), Warnings{});
}

// Sections by the first letter of their names: N nonlinear beam column, D displacement beam
// column, T truss, E elastic, R release link. SH=L has no fibre layout.
const std::string fiberModel = fileHead + testing::JointTable(2) +
                               "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n\n"
                               "FRAME SECTION\n"
                               "  NAME=NANGLE  MAT=C30  SH=L  T=100,100\n"
                               "  NAME=DWIDE  MAT=C30  SH=I  T=400,180,13.5,8.6,180,13.5\n"
                               "  NAME=NCOL  MAT=C30  SH=R  T=400,400\n"
                               "  NAME=TANGLE  MAT=C30  SH=L  T=100,100\n"
                               "  NAME=EANGLE  MAT=C30  SH=L  T=100,100\n"
                               "  NAME=RANGLE  MAT=C30  SH=L  T=100,100\n\n"
                               "FRAME\n"
                               "  1  J=1,2  SEC=NANGLE  NSEG=4  ANG=0\n"
                               "  2  J=1,2  SEC=DWIDE  NSEG=4  ANG=0\n"
                               "  3  J=1,2  SEC=DWIDE  NSEG=4  ANG=0\n"
                               "  4  J=1,2  SEC=NCOL  NSEG=4  ANG=0\n"
                               "  5  J=1,2  SEC=EANGLE  NSEG=4  ANG=0\n"
                               "  6  J=1,2  SEC=RANGLE  NSEG=4  ANG=0\n\n";

TEST(Preflight, FibreSectionsWithoutFibres)
{
    Model model = Import(fiberModel);
    Restrain(model.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
    TFrameSection& wide = model.FrameSections.Edit(2);
    wide.DivideFX = wide.DivideFY = 0;

    const Warnings warnings = Preflight(model, Settings());
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], "Frame section \"NANGLE\" is written as an empty fibre section: its "
                           "shape has no fibre layout (only rectangle, I, box and pipe sections "
                           "have one). Its 1 frame (nonlinearBeamColumn elements) need fibres, "
                           "and OpenSees cannot build them: give the section fibres, or the "
                           "element type Elastic Beam Column.");
    EXPECT_TRUE(SomeWarningHolds(warnings, {"Frame section \"DWIDE\" is written as an empty "
                                            "fibre section: its fibre divisions make none "
                                            "(DivideFX 0, DivideFY 0",
                                            "Its 2 frames (dispBeamColumn elements)"}));

    wide.DivideFX = 4;
    model.Frames.Edit(1).Section = 3;
    EXPECT_EQ(Preflight(model, Settings()), Warnings{});
}

// Legal section values and integration points that do not give what they mean. NMETRE is a
// column of a model in metres that kept the import's cover of 35; HBEAM's hinges (600 each,
// its depth) are longer together than its frame of 1000; DCOL is sound.
TEST(Preflight, OddSectionValuesAndIntegrationPoints)
{
    Model model = Import(fileHead + testing::JointTable(2) +
                         "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n\n"
                         "FRAME SECTION\n"
                         "  NAME=NMETRE  MAT=C30  SH=R  T=0.4,0.5\n"
                         "  NAME=HBEAM  MAT=C30  SH=R  T=600,300\n"
                         "  NAME=DCOL  MAT=C30  SH=R  T=400,400\n\n"
                         "FRAME\n"
                         "  1  J=1,2  SEC=NMETRE  NSEG=4  ANG=0\n"
                         "  2  J=1,2  SEC=HBEAM  NSEG=4  ANG=0\n"
                         "  3  J=1,2  SEC=DCOL  NSEG=4  ANG=0\n\n");
    Restrain(model.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(Preflight(model, Settings()),
              (Warnings{"Frame section \"NMETRE\" has a cover of 35, and half its smaller side is "
                        "0.2: its bars lie at or past the middle of the section, with no concrete "
                        "core between their rows. Set Cover, the distance from the faces to the "
                        "bar centres in the model's length unit, to at least 0 and less than 0.2.",
                        "Frame section \"HBEAM\" has hinge lengths 600 and 600, together longer "
                        "than 1 frame (beamWithHinges elements; first frame 2, 1000 long): the "
                        "hinges overlap. Shorten the hinge lengths."}));
    model.FrameSections.Edit(1).Cover = -0.01;
    EXPECT_TRUE(SomeWarningHolds(Preflight(model, Settings()),
                                 {"\"NMETRE\" has a cover of -0.01", "outside the concrete"}));
    // Without bars the cover places nothing.
    model.FrameSections.Edit(1).BarNumNX = model.FrameSections.Edit(1).BarNumNY = 0;
    model.FrameSections.Edit(2).HingeLengthJ = 400;
    EXPECT_EQ(Preflight(model, Settings()), Warnings{});

    Settings settings;
    for (std::int32_t points : {11, 0}) {
        settings.NumIntegrationPoints = points;
        EXPECT_TRUE(OneWarning(Preflight(model, settings),
                               {"numIntgrPts is " + std::to_string(points),
                                "with 1 to 10 integration points: 2 frames of these elements "
                                "(first frame 1) cannot be built"}));
    }
    settings.NumIntegrationPoints = 10;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
    // A beamWithHinges element has its own integration.
    model.FrameSections.Edit(1).ElemType = model.FrameSections.Edit(3).ElemType =
        ElementKind::BeamWithHinge;
    settings.NumIntegrationPoints = 12;
    EXPECT_EQ(Preflight(model, settings), Warnings{});
}

// A fibre column with bars, of concrete 1 and rebar 2 (both elastic as imported), changed by
// each case; the first words of the one warning expected, empty for none.
TEST(Preflight, NonlinearMaterialsAndTheElementsUsingThem)
{
    const struct
    {
        std::int32_t rebar;
        MaterialType concrete, steel;
        ElementKind element;
        std::string warning;
    } cases[] = {
        {5, MaterialType::Elastic, MaterialType::Elastic, ElementKind::NonlinearBeamColumn,
         "Rebar Material Tag is 5, but the model has no material 5: the bars of 1 fibre section "
         "(first \"COL\")"},
        {2, MaterialType::Elastic, MaterialType::Steel02, ElementKind::DispBeamColumn,
         "Frame section \"COL\" (dispBeamColumn elements) has fibres of the elastic material "
         "\"C30\" (1), while material \"STEEL\" (2) is Steel02"},
        {2, MaterialType::Concrete01, MaterialType::Elastic, ElementKind::ElasticBeamColumn,
         "Material \"C30\" (1) is Concrete01, but only elastic elements use it (1 "
         "elasticBeamColumn frame)"},
        {2, MaterialType::Concrete01, MaterialType::Steel01, ElementKind::NonlinearBeamColumn, ""},
        // The bars are the column's own material.
        {1, MaterialType::Concrete01, MaterialType::Elastic, ElementKind::NonlinearBeamColumn, ""},
    };
    for (const auto& c : cases) {
        Model model = Import(fileHead + testing::JointTable(2) +
                             "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n"
                             "  NAME=STEEL  IDES=S\n    T=0  E=200000  U=0.3\n\n"
                             "FRAME SECTION\n  NAME=COL  MAT=C30  SH=R  T=400,400\n\n"
                             "FRAME\n  1  J=1,2  SEC=COL  NSEG=4  ANG=0\n\n");
        Restrain(model.Joints.Edit(1), {1, 2, 3, 4, 5, 6});
        model.Materials.Edit(1).MatType = c.concrete;
        model.Materials.Edit(2).MatType = c.steel;
        model.FrameSections.Edit(1).ElemType = c.element;
        Settings settings;
        settings.RebarMaterialTag = c.rebar;
        const Warnings warnings = Preflight(model, settings);
        if (c.warning.empty())
            EXPECT_EQ(warnings, Warnings{});
        else
            EXPECT_TRUE(OneWarning(warnings, {c.warning})) << c.warning;
    }

    // A shell of a nonlinear material: a PlateFiber without its nD material, or an elastic
    // membrane section that takes E alone.
    Model shells = Import(fileHead + testing::JointTable(4) +
                          "MATERIAL\n  NAME=C30  IDES=C\n    T=0  E=30000  U=0.2\n\n"
                          "SHELL SECTION\n  NAME=SLAB  MAT=C30   TYPE=Shell,Thin  TH=200\n\n"
                          "SHELL\n  1  J=1,2,3,4  SEC=SLAB\n\n");
    shells.Materials.Edit(1).MatType = MaterialType::Concrete02;
    Settings settings;
    EXPECT_TRUE(OneWarning(Preflight(shells, settings),
                           {"Shell section \"SLAB\" is of material \"C30\" (1), which is "
                            "Concrete02",
                            "\"nDMaterial PlateFiber 601\" names no nD material"}));
    settings.GenPlateFiber = false;
    EXPECT_TRUE(OneWarning(Preflight(shells, settings),
                           {"Material \"C30\" (1) is Concrete02, but only elastic elements use "
                            "it (1 shell)"}));
}

TEST(Preflight, ImposedMotionsNeedSupportsOneToFour)
{
    Model model;
    model.Joints.Reset(3);
    for (std::int32_t j = 1; j <= 3; ++j)
        Restrain(model.Joints.Edit(j), {1, 2, 3});
    model.Joints.Edit(2).Restraint[1] = 0;
    // Enough free mass for the damping.
    SetMass(model.Joints.Edit(2), {1, 0, 0, 1, 1, 1});

    EXPECT_EQ(Preflight(model, OfType(7)),
              Warnings{"MultipleSupport Excitation imposes ground motions in direction 1 on "
                       "nodes 1, 2, 3 and 4, but node 4 is not a joint of the model, and node 2 "
                       "is not restrained in U1: OpenSees cannot impose them. Number four "
                       "supports restrained in U1 as joints 1 to 4."});
    EXPECT_EQ(Preflight(model, OfType(5)), Warnings{});

    Model empty;
    EXPECT_TRUE(SomeWarningHolds(Preflight(empty, OfType(7)),
                                 {"but nodes 1, 2, 3 and 4 are not joints of the model"}));

    Model supported;
    supported.Joints.Reset(5);
    for (std::int32_t j = 1; j <= 4; ++j)
        Restrain(supported.Joints.Edit(j), {1});
    SetMass(supported.Joints.Edit(5), {1, 1, 0, 1, 1});
    EXPECT_EQ(Preflight(supported, OfType(7)), Warnings{});
}

// The examples after the generator's passes, checked with `settings`.
Warnings ExampleWarnings(const std::string& name, const Settings& settings)
{
    Model model = Import(ReadWholeFile(std::string(VEK_EXAMPLES_DIR) + "/" + name));
    TextLines lines;
    Warnings generated;
    GenerateTclScript(model, settings, lines, generated);
    return Preflight(model, settings);
}

TEST(Preflight, Examples)
{
    EXPECT_EQ(ExampleWarnings("portal.s2k", Settings()), Warnings{});

    Settings modal = OfType(4);
    modal.ModeCount = 12;
    EXPECT_TRUE(OneWarning(ExampleWarnings("building.s2k", modal),
                           {"Modal Number is 12, but the model has only 8 free mass components",
                            "set Modal Number to 4 or less."}));
    modal.ModeCount = 4;
    EXPECT_EQ(ExampleWarnings("building.s2k", modal), Warnings{});
}

// A joint only a solid names is a 3-DOF node: it has no rotations to push, and its mass and
// fixity are the three translations.
TEST(Preflight, SolidJointsHaveThreeDegreesOfFreedom)
{
    std::string joints = "JOINT\n";
    for (int i = 1; i <= 8; ++i)
        joints += "  " + std::to_string(i) + "  X=" + std::to_string((i - 1) % 2 * 1000) +
                  "  Y=" + std::to_string((i - 1) / 2 % 2 * 1000) +
                  "  Z=" + std::to_string((i - 1) / 4 * 1000) + "\n";
    Model model = Import(fileHead + joints +
                         "\nRESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1\n\n"
                         "MASS\n  ADD=8  U1=1  U2=1  U3=1\n\n"
                         "SOLID\n  1  J=1,2,3,4,5,6,7,8  SEC=1\n\n"
                         "LOAD\n  NAME=PUSH\n    TYPE=FORCE\n      ADD=8  UX=5  RX=9\n\n");
    TextLines lines;
    Warnings warnings;
    Settings settings = OfType(2);
    settings.ControlNode = 8;
    settings.ControlDof = 4;
    {
        TclContext ctx{model, settings, lines, warnings};
        ctx.JointClasses.Classify(model);
        AddPreflightWarnings(ctx);
    }
    EXPECT_TRUE(SomeWarningHolds(warnings, {"Control Dof is 4", "1 to 3"}));

    // Three free mass components allow one mode.
    warnings.clear();
    settings = OfType(4);
    settings.ModeCount = 2;
    TclContext ctx{model, settings, lines, warnings};
    ctx.JointClasses.Classify(model);
    AddPreflightWarnings(ctx);
    EXPECT_TRUE(OneWarning(warnings, {"only 3 free mass components", "1 or less"}));
}

} // namespace
} // namespace vek
