#include "post/frame_forces.h"

#include "model/element_kinds.h"
#include "post/recorder_files.h"
#include "post/recorder_table.h"
#include "tcl/recorder_groups.h"
#include "util/format.h"

#include <algorithm>

namespace vek {

namespace {

// A 3D beam-column's N, Vy, Vz, T, My, Mz at both ends.
constexpr std::int32_t BeamColumnForces = 12;
// A release link's zeroLength has a spring in each of its directions 4, 5 and 6.
constexpr std::int32_t ReleaseLinkForces = 3;

} // namespace

std::int32_t LocalForceCount(const Model& model, std::int64_t frame)
{
    const std::int32_t s = model.Frames[frame].Section;
    if (!model.FrameSections.Contains(s))
        return 0;
    switch (model.FrameSections[s].ElemType) {
    case ElementKind::ElasticBeamColumn:
    case ElementKind::NonlinearBeamColumn:
    case ElementKind::DispBeamColumn:
    case ElementKind::BeamWithHinge:
    case ElementKind::Truss:
        return BeamColumnForces;
    case ElementKind::ReleaseLink:
        return ReleaseLinkForces;
    default:
        // corotTrussSection answers "localForce" with nothing.
        return 0;
    }
}

std::vector<FrameEndForces> ReadFrameEndForces(const Model& model, const Settings& /*settings*/,
                                               std::string_view folder, std::int64_t step)
{
    std::vector<FrameEndForces> forces(static_cast<std::size_t>(std::max(model.FrameCount(), 0)) +
                                       1);
    for (const RecorderFile& file : ElementRecorderFiles(model.FrameCount())) {
        std::size_t total = 0;
        for (std::int64_t i = file.First; i <= file.Last; ++i)
            total += static_cast<std::size_t>(LocalForceCount(model, i));
        if (total == 0)
            continue;
        RecorderTable table(RecorderPath(folder, Format("ele%d.out", {file.Number})));
        table.Select(step, total,
                     Format("frames %d to %d record %d with the model's element types",
                            {file.First, file.Last, total}));
        std::size_t next = 1;
        for (std::int64_t i = file.First; i <= file.Last; ++i) {
            const std::int32_t count = LocalForceCount(model, i);
            if (count == BeamColumnForces) {
                FrameEndForces& frame = forces[static_cast<std::size_t>(i)];
                frame.Recorded = true;
                for (std::size_t k = 0; k < frame.Local.size(); ++k)
                    frame.Local[k] = table.Value(next + k);
            }
            next += static_cast<std::size_t>(count);
        }
    }
    return forces;
}

} // namespace vek
