#include "tcl/solid_joints.h"

#include <algorithm>

namespace vek {

void SolidJoints::Classify(const Model& model)
{
    kind_.clear();
    sharedIndex_.clear();
    solid_.clear();
    shared_.clear();
    jointCount_ = std::max(model.JointCount(), 0);
    if (model.SolidCount() < 1 || jointCount_ < 1)
        return;

    // Bit 1: a solid names the joint; bit 2: a frame or a shell does.
    constexpr std::uint8_t bySolid = 1, byOther = 2;
    std::vector<std::uint8_t> named(static_cast<std::size_t>(jointCount_) + 1, 0);
    auto mark = [&](std::int64_t joint, std::uint8_t bit) {
        if (joint >= 1 && joint <= jointCount_)
            named[static_cast<std::size_t>(joint)] |= bit;
    };
    for (const TSolidElem& s : model.Solids)
        for (std::int32_t joint :
             {s.Node1, s.Node2, s.Node3, s.Node4, s.Node5, s.Node6, s.Node7, s.Node8})
            mark(joint, bySolid);
    for (const TFrameElem& frame : model.Frames) {
        mark(frame.NodeI, byOther);
        mark(frame.NodeJ, byOther);
    }
    for (const TShellElem& shell : model.Shells)
        for (std::int32_t joint : {shell.Node1, shell.Node2, shell.Node3, shell.Node4})
            mark(joint, byOther);

    kind_.assign(named.size(), None);
    for (std::int32_t j = 1; j <= jointCount_; ++j) {
        const std::uint8_t n = named[static_cast<std::size_t>(j)];
        if (n == bySolid) {
            kind_[static_cast<std::size_t>(j)] = Solid;
            solid_.push_back(j);
        } else if (n == (bySolid | byOther)) {
            kind_[static_cast<std::size_t>(j)] = Shared;
            shared_.push_back(j);
        }
    }
    if (shared_.empty())
        return;
    sharedIndex_.assign(named.size(), 0);
    for (std::size_t k = 0; k < shared_.size(); ++k)
        sharedIndex_[static_cast<std::size_t>(shared_[k])] = static_cast<std::int32_t>(k + 1);
}

std::int64_t SolidJoints::TwinOf(std::int64_t joint) const
{
    if (!IsShared(joint))
        return 0;
    return jointCount_ + sharedIndex_[static_cast<std::size_t>(joint)];
}

std::int64_t SolidJoints::SolidNode(std::int64_t joint) const
{
    return IsShared(joint) ? TwinOf(joint) : joint;
}

} // namespace vek
