#pragma once

#include "model/model.h"

#include <cstdint>
#include <vector>

namespace vek {

// Which joints of the model are solid joints and which are shared joints, for one generation.
//
// A solid joint is named by at least one solid and by no frame and no shell: its node has the
// three translations only. A shared joint is named by a solid and by a frame or a shell: it
// keeps its 6-DOF node, and the solids use a 3-DOF twin node at the same place, tied to it in
// the three translations. The k-th shared joint, in joint order, has the twin node
// JointCount + k. References outside the joint table count for no joint.
class SolidJoints
{
public:
    // Classifies the joints of `model` in one pass over its solids, frames, shells and joints.
    void Classify(const Model& model);

    bool IsSolid(std::int64_t joint) const { return KindOf(joint) == Solid; }
    bool IsShared(std::int64_t joint) const { return KindOf(joint) == Shared; }

    // The node a solid uses for the joint: the twin of a shared joint, else the joint itself.
    std::int64_t SolidNode(std::int64_t joint) const;
    // The twin node of a shared joint; 0 for any other joint.
    std::int64_t TwinOf(std::int64_t joint) const;

    // The solid joints and the shared joints, each in joint order.
    const std::vector<std::int32_t>& SolidList() const { return solid_; }
    const std::vector<std::int32_t>& SharedList() const { return shared_; }

    // True when the script needs 3-DOF nodes: there is a solid or a shared joint.
    bool Any() const { return !solid_.empty() || !shared_.empty(); }

private:
    enum Kind : std::uint8_t { None = 0, Solid = 1, Shared = 2 };

    Kind KindOf(std::int64_t joint) const
    {
        if (joint < 1 || joint >= static_cast<std::int64_t>(kind_.size()))
            return None;
        return kind_[static_cast<std::size_t>(joint)];
    }

    std::vector<Kind> kind_;
    // The 1-based position of each shared joint among the shared joints; 0 for the others.
    std::vector<std::int32_t> sharedIndex_;
    std::vector<std::int32_t> solid_;
    std::vector<std::int32_t> shared_;
    std::int64_t jointCount_ = 0;
};

} // namespace vek
