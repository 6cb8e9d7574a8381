#pragma once

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

// The results read from the solver's recorder files, numbered as the model's joints and
// frames. They are kept out of the model: the post-processing reads them, the view draws the
// deformed shape and the hinge colours from them.
struct Results
{
    std::vector<JointDisplacement> Joints;
    std::vector<FrameResult> Frames;
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
