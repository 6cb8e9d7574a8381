#include "view/projected_model.h"

namespace vek {

namespace {

// Entries 0..valid records of the table.
template <class Record> std::size_t EntriesFor(const Table<Record>& table)
{
    return static_cast<std::size_t>(table.end() - table.begin()) + 1;
}

} // namespace

void FitJoints(ProjectedModel& projected, const Model& model)
{
    projected.Joints.resize(EntriesFor(model.Joints));
}

void FitFrames(ProjectedModel& projected, const Model& model)
{
    projected.Frames.resize(EntriesFor(model.Frames));
}

} // namespace vek
