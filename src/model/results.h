#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vek {

// The displacement of a joint that the recorder files give.
struct JointDisplacement
{
    double DispX = 0, DispY = 0, DispZ = 0;
};

// The section value of a frame's first section (I) and of its last integration section (J).
struct FrameResult
{
    double ResultI = 0, ResultJ = 0;
};

// The end forces of a frame at one step, as OpenSees' "localForce" writes them for a 3D
// beam-column, in the element's local axes: N, Vy, Vz, T, My, Mz at end I, then at end J.
// `Recorded` is false for a frame whose element kind writes none.
struct FrameEndForces
{
    bool Recorded = false;
    std::array<double, 12> Local{};
};

// Entry i of a list numbered as a model table; an entry the list does not reach (entry 0, a
// number outside the table, a list not read yet) is all zero.
template <class Entry> Entry EntryOf(const std::vector<Entry>& entries, std::int64_t i)
{
    return i >= 1 && i < static_cast<std::int64_t>(entries.size())
               ? entries[static_cast<std::size_t>(i)]
               : Entry{};
}

// The internal force that a force diagram shows along the frames, in the element's local axes.
enum class FrameQuantity : std::int32_t {
    None = 0,
    N = 1,
    Vy = 2,
    Vz = 3,
    T = 4,
    My = 5,
    Mz = 6,
};

// The diagram of one frame: the value at distance s from end I is A + B s + C s^2 for s in
// 0..Length, drawn `scale * value` model lengths away from the frame along the unit vector
// Dir (in global axes). ValueJ is the value that the recorded forces of end J give.
struct FrameDiagram
{
    bool Drawn = false;
    double A = 0, B = 0, C = 0;
    double Length = 0;
    double ValueJ = 0;
    double DirX = 0, DirY = 0, DirZ = 0;
};

// What the force diagram layer of the view shows: the quantity (None draws nothing), the step
// its end forces were read at, the load case whose distributed loads act between the ends,
// the scale (model length per unit of the quantity), whether the end values are written, and
// the diagrams numbered as the model's frames.
struct ForceDiagrams
{
    FrameQuantity Quantity = FrameQuantity::None;
    std::int64_t Step = 0;
    std::int32_t LoadCase = 0;
    double Scale = 0;
    bool ShowValues = true;
    std::vector<FrameDiagram> Frames;
};

// The results read from the solver's recorder files, numbered as the model's joints and
// frames. They are kept out of the model: the post-processing reads them, the view draws the
// deformed shape, the hinge colours and the force diagrams from them.
struct Results
{
    std::vector<JointDisplacement> Joints;
    std::vector<FrameResult> Frames;
    ForceDiagrams Forces;

    // Clear Results: every displacement and section value zero, no force diagram.
    void Clear()
    {
        std::fill(Joints.begin(), Joints.end(), JointDisplacement{});
        std::fill(Frames.begin(), Frames.end(), FrameResult{});
        Forces = ForceDiagrams{};
    }
};

// The displacements of one joint at each animation step.
struct JointSteps
{
    std::vector<double> AnimDispX, AnimDispY, AnimDispZ;
};

// The animation's displacements, numbered as the model's joints.
struct AnimationData
{
    std::vector<JointSteps> Joints;
};

} // namespace vek
