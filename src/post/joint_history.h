#pragma once

#include "model/model.h"
#include "tcl/recorder_groups.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One joint's displacement in one direction at every recorded line of the node files: the
// time of the line (the load factor of a static analysis) and the value.
struct JointHistory
{
    std::vector<double> Times;
    std::vector<double> Values;
};

// The history of joint `joint`'s displacement in U`dof` (1, 2 or 3) from the node recorder
// files node<k>.out in `folder`, one entry per line of the file. A joint outside the model or
// a dof outside 1..3 raises VekError; so does a line with another number of values than the
// file's joints record, or a field that is not a number, naming the file and the line.
JointHistory ReadJointHistory(const Model& model, std::string_view folder, std::int64_t joint,
                              std::int32_t dof);

// Every line of one node file: the times, and the three displacements of each joint
// First..Last of `file` (Values[line * Columns + 3 * (j - First) + dof - 1]).
struct NodeFileHistories
{
    std::vector<double> Times;
    std::vector<double> Values;
    std::size_t Columns = 0;
};

// Reads node file `path` holding the joints of `file` whole, with the checks of
// ReadJointHistory.
NodeFileHistories ReadNodeFileHistories(const std::string& path, const RecorderFile& file);

// The node file that holds joint `joint`; raises VekError for a joint outside the model.
RecorderFile NodeFileOf(const Model& model, std::int64_t joint);

} // namespace vek
