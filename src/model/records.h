#pragma once

#include "model/codes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// Flags are stored as -1 for true and 0 for false.
constexpr std::int32_t FlagTrue = -1;
constexpr std::int32_t FlagFalse = 0;

// A joint of the model. Coordinates are rounded to 0.1 at import.
struct TJoint
{
    double X = 0, Y = 0, Z = 0;
    // Fixity of U1, U2, U3, R1, R2, R3 in entries 1..6 (1 fixed, 0 free); entry 0 is unused.
    std::array<std::int32_t, 7> Restraint{};
    double MassU1 = 0, MassU2 = 0, MassU3 = 0;
    double MassR1 = 0, MassR2 = 0, MassR3 = 0;
    // 0, or the joint whose coordinates this joint takes when nodes are written.
    std::int32_t LinkedJoint = 0;
};

// A frame element (beam, column, brace, truss or release link).
struct TFrameElem
{
    std::string SectionName;
    std::int32_t Section = 0;
    std::int32_t NodeI = 0, NodeJ = 0;
    double Angle = 0;
    double VecXZ1 = 0, VecXZ2 = 0, VecXZ3 = 0;
    // As the file gives it; the script gives every frame the analysis setting's number.
    std::int32_t IntegrationPoints = 0;
    // Release links only: the end that follows the other in the translations.
    FrameRelease Release = FrameRelease::None;
};

// A four-node shell element; corners in perimeter order.
struct TShellElem
{
    std::string SectionName;
    std::int32_t Section = 0;
    std::int32_t Node1 = 0, Node2 = 0, Node3 = 0, Node4 = 0;
};

// An eight-node solid element; each face in perimeter order.
struct TSolidElem
{
    std::int32_t SectionTag = 0;
    std::int32_t Node1 = 0, Node2 = 0, Node3 = 0, Node4 = 0;
    std::int32_t Node5 = 0, Node6 = 0, Node7 = 0, Node8 = 0;
};

struct TFrameSection
{
    SectionShape Shape = SectionShape::None;
    ElementKind ElemType = ElementKind::None;
    double T1 = 0, T2 = 0, T3 = 0, T4 = 0, T5 = 0, T6 = 0;
    std::int32_t Material = 0;
    std::string Name;
    std::int32_t Color = 0;
    std::int32_t DivideFX = 0, DivideFY = 0;
    std::int32_t BarNumNX = 0, BarNumNY = 0;
    double Cover = 0;
    double XBarTop = 0, YBarBot = 0;
    FrameSectionKind SectionKind = FrameSectionKind::None;
    Transformation GeomTransf = Transformation::None;
    double HingeLengthI = 0, HingeLengthJ = 0;
};

struct TShellSection
{
    double Thickness = 0;
    ShellSectionKind Kind = ShellSectionKind::None;
    std::int32_t Material = 0;
    std::string Name;
    std::int32_t Color = 0;
    ShellElement ShellElemType = ShellElement::MITC4;
};

struct TMaterial
{
    std::string Name;
    MaterialType MatType = MaterialType::None;
    double E = 0;
    double Poisson = 0;
    double G = 0;
    // The parameters of the nonlinear types, each in its OpenSees command's order; a type
    // reads only its own (sections/material_parameters.h lists them). Compression is negative.
    // Steel01: Fy, E0, B; Steel02: Fy, E0, B, R0, CR1, CR2.
    double Fy = 0, E0 = 0, B = 0, R0 = 0, CR1 = 0, CR2 = 0;
    // Concrete01: Fpc, Epsc0, Fpcu, EpsU; Concrete02: those and Lambda, Ft, Ets.
    double Fpc = 0, Epsc0 = 0, Fpcu = 0, EpsU = 0, Lambda = 0, Ft = 0, Ets = 0;
};

// A joint force or a distributed frame load of one load case.
struct TLoad
{
    std::int32_t Target = 0;
    LoadKind LoadType = LoadKind::None;
    std::string CaseName;
    // Distributed loads: 1, 2 or 3, the local axis of the load.
    std::int32_t Direction = 0;
    // Joint force: force in X; distributed load: the load value.
    double UX = 0;
    double UY = 0, UZ = 0;
    double RX = 0, RY = 0, RZ = 0;

    double Value() const { return UX; }
};

// A rigid floor diaphragm: the last listed joint is the master, the others are slaves.
struct TConstraint
{
    std::int32_t SlaveCount = 0;
    // The listed joints in entries 1..; entry 0 stays empty.
    std::vector<std::int32_t> JointList = std::vector<std::int32_t>(1);
    std::int32_t Master = 0;
};

} // namespace vek
