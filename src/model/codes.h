#pragma once

#include <cstdint>
#include <type_traits>

namespace vek {

// The codes the model tables store, with the numbers the import, the model dump and vek-cli's
// field setters use. A record can hold a number with no name here (0 before a code is set,
// or a value from an old model); the code paths treat such numbers as they always did.

// The element a frame section makes of its frames.
enum class ElementKind : std::int32_t {
    None = 0,
    ElasticBeamColumn = 1,
    NonlinearBeamColumn = 2,
    DispBeamColumn = 3,
    BeamWithHinge = 4,
    Truss = 5,
    CorotTruss = 6,
    ReleaseLink = 7,
};

// The coordinate transformation of a frame section's beam-column elements.
enum class Transformation : std::int32_t {
    None = 0,
    Linear = 1,
    PDelta = 2,
    Corotational = 3,
};

// Whether a frame section is a beam or a column section.
enum class FrameSectionKind : std::int32_t {
    None = 0,
    Beam = 1,
    Column = 2,
};

// The shape of a frame section.
enum class SectionShape : std::int32_t {
    None = 0,
    Rectangle = 1,
    I = 2,
    Box = 3,
    Pipe = 4,
};

// The released end of a release link (IREL or JREL in the FRAME table).
enum class FrameRelease : std::int32_t {
    None = 0,
    EndI = 1,
    EndJ = 2,
};

// The kind of a shell section; only shell-kind sections make elements.
enum class ShellSectionKind : std::int32_t {
    None = 0,
    Shell = 1,
};

// The element a shell section makes of its shells.
enum class ShellElement : std::int32_t {
    MITC4 = 0,
    DKGQ = 1,
};

enum class MaterialType : std::int32_t {
    None = 0,
    Elastic = 1,
    Steel01 = 2,
    Concrete01 = 3,
    Steel02 = 4,
    Concrete02 = 5,
};

enum class LoadKind : std::int32_t {
    None = 0,
    JointForce = 1,
    Distributed = 2,
};

// The stored number of a code.
template <class Code>
requires std::is_enum_v<Code>
constexpr std::int32_t CodeNumber(Code code)
{
    return static_cast<std::int32_t>(code);
}

} // namespace vek
