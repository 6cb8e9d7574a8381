#pragma once

#include "model/codes.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vek {

// What the script writer, the fibre builder, the pre-flight checks and the recorder readers
// need to know of a frame element kind.
struct ElementKindInfo
{
    // The caption of the kind in the frame section dialog's element list; a kind without one
    // is not offered there.
    const char* Caption = nullptr;
    // The OpenSees element a frame of this kind is written as; empty when none is written.
    std::string_view OpenSeesName;
    // The element is built from the fibre section of its frame section.
    bool UsesFibers = false;
    // A geomTransf is written for each frame of this kind.
    bool NeedsTransformation = false;
    // The element carries axial force only and gives its joints no bending stiffness.
    bool IsTruss = false;
    // The element has Force/Disp Beam Column numIntgrPts integration points.
    bool HasIntegrationPoints = false;
};

namespace detail {

// Entry k describes the kind with the stored number k; entry 0 a number with no kind.
inline constexpr std::array<ElementKindInfo, 8> ElementKindTable{{
    {},
    {.Caption = "Elastic BeamColumn",
     .OpenSeesName = "elasticBeamColumn",
     .NeedsTransformation = true},
    {.Caption = "Nonlinear BeamColumn",
     .OpenSeesName = "nonlinearBeamColumn",
     .UsesFibers = true,
     .NeedsTransformation = true,
     .HasIntegrationPoints = true},
    {.Caption = "Disp BeamColumn",
     .OpenSeesName = "dispBeamColumn",
     .UsesFibers = true,
     .NeedsTransformation = true,
     .HasIntegrationPoints = true},
    {.Caption = "Beam with Hinge",
     .OpenSeesName = "beamWithHinges",
     .UsesFibers = true,
     .NeedsTransformation = true},
    {.Caption = "Truss", .OpenSeesName = "trussSection", .UsesFibers = true, .IsTruss = true},
    {.Caption = "corotTruss",
     .OpenSeesName = "corotTrussSection",
     .UsesFibers = true,
     .IsTruss = true},
    // ReleaseLink: made by the import and not offered in the dialog.
    {.OpenSeesName = "zeroLength"},
}};

} // namespace detail

// The captions of the kinds the frame section dialog offers, in the order of their numbers
// from 1: list position k is the kind with the number k + 1.
inline constexpr auto FrameTypeItems = [] {
    std::array<const char*, 6> captions{};
    for (std::size_t k = 0; k < captions.size(); ++k)
        captions[k] = detail::ElementKindTable[k + 1].Caption;
    return captions;
}();

// The description of `kind`; a number with no kind gets the empty description.
constexpr const ElementKindInfo& InfoOf(ElementKind kind)
{
    const auto k = static_cast<std::size_t>(CodeNumber(kind));
    return detail::ElementKindTable[k < detail::ElementKindTable.size() ? k : 0];
}

} // namespace vek
