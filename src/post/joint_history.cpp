#include "post/joint_history.h"

#include "post/recorder_files.h"
#include "post/recorder_table.h"
#include "util/error.h"
#include "util/format.h"

#include <algorithm>

namespace vek {

namespace {

constexpr std::size_t ValuesPerJoint = 3;

std::string NodeFileWhat(const RecorderFile& file, std::size_t values)
{
    return Format("joints %d to %d record %d", {file.First, file.Last, values});
}

} // namespace

RecorderFile NodeFileOf(const Model& model, std::int64_t joint)
{
    if (joint < 1 || joint > model.JointCount())
        throw VekError(Format("Joint %d is not in the model (joints 1 to %d)",
                              {joint, std::max(model.JointCount(), 0)}));
    for (const RecorderFile& file : NodeRecorderFiles(model.JointCount()))
        if (joint >= file.First && joint <= file.Last)
            return file;
    return {};
}

JointHistory ReadJointHistory(const Model& model, std::string_view folder, std::int64_t joint,
                              std::int32_t dof)
{
    if (dof < 1 || dof > 3)
        throw VekError(
            Format("The node files record U1, U2 and U3: dof %d is not among them", {dof}));
    const RecorderFile file = NodeFileOf(model, joint);
    RecorderTable table(RecorderPath(folder, Format("node%d.out", {file.Number})));
    const std::size_t values =
        ValuesPerJoint * static_cast<std::size_t>(file.Last - file.First + 1);
    const std::string what = NodeFileWhat(file, values);
    const std::size_t column = ValuesPerJoint * static_cast<std::size_t>(joint - file.First) +
                               static_cast<std::size_t>(dof);
    JointHistory history;
    history.Times.reserve(static_cast<std::size_t>(table.LineCount()));
    history.Values.reserve(static_cast<std::size_t>(table.LineCount()));
    for (std::int64_t line = 1; line <= table.LineCount(); ++line) {
        table.Select(line, values, what);
        history.Times.push_back(table.Time());
        history.Values.push_back(table.Value(column));
    }
    return history;
}

NodeFileHistories ReadNodeFileHistories(const std::string& path, const RecorderFile& file)
{
    RecorderTable table(path);
    NodeFileHistories histories;
    histories.Columns = ValuesPerJoint * static_cast<std::size_t>(file.Last - file.First + 1);
    const std::string what = NodeFileWhat(file, histories.Columns);
    const auto lines = static_cast<std::size_t>(table.LineCount());
    histories.Times.reserve(lines);
    histories.Values.resize(lines * histories.Columns);
    std::vector<double> row(histories.Columns + 1);
    for (std::size_t line = 0; line < lines; ++line) {
        table.ReadLine(static_cast<std::int64_t>(line + 1), histories.Columns, what, row.data());
        histories.Times.push_back(row[0]);
        std::copy(row.begin() + 1, row.end(),
                  histories.Values.begin() + static_cast<std::ptrdiff_t>(line * histories.Columns));
    }
    return histories;
}

} // namespace vek
