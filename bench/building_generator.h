#pragma once

// Writes regular multi-storey reinforced-concrete buildings as SAP2000 version 6 s2k text,
// in the layout the importer reads. examples/building.s2k is ExampleBuilding() written out.
//
// The building, for a grid of BaysX x BaysY bays and Storeys storeys (mm, N, tonnes):
//
// JOINT       level 0 grid joints (row by row along X, rows along Y), then a foundation block
//             of 26 joints under the base joint of grid line (1, 1), then for every floor
//             1..Storeys: its grid joints, two joints 300 mm in from the columns at the ends
//             of every bay of grid line x = BaysX (the ends of the pinned steel beams), and
//             the diaphragm master at the floor's centre.
// RESTRAINT   every base grid joint fixed, except the one on the foundation block; the nine
//             joints under the block fixed in U1, U2, U3.
// CONSTRAINT  one rigid diaphragm per floor: its grid joints, then its master.
// MASS        on each master, U1 = U2 = floor area times 1.0 t/m2 (0.8 t/m2 on the roof).
// MATERIAL    C30 concrete and S355 steel.
// FRAME       for every storey: the columns under the floor (steel box at the corners,
//             concrete elsewhere), the beams along X, the concrete beams along Y, the pinned
//             steel beams of grid line x = BaysX with their release links (IREL and JREL),
//             and one pipe brace in the middle bay of each long facade. Roof beams are elastic.
// SHELL       a slab on every bay of every floor, thinner on the roof.
// SOLID       the foundation block: 2 x 2 x 2 bricks of 800 x 800 x 500.
// LOAD        DEAD: facade weight on the perimeter joints and a line load on every beam;
//             LIVE: a point load on the interior joints and a line load on every beam.

#include "model/model.h"

#include <cstdint>
#include <string>

namespace vek::bench {

struct BuildingConfig
{
    std::int32_t BaysX = 3;
    std::int32_t BaysY = 2;
    std::int32_t Storeys = 4;
    // Bay widths and storey heights in mm.
    std::int32_t BayX = 5500;
    std::int32_t BayY = 5000;
    std::int32_t GroundStoreyHeight = 3600;
    std::int32_t StoreyHeight = 3200;
};

// The configuration of examples/building.s2k: 3 x 2 bays of 5.5 m x 5.0 m, four storeys.
BuildingConfig ExampleBuilding();

// A building with about `targetJoints` joints: as many storeys as bays on a side, and a
// nearly square floor plan. Any target gives at least one bay and one storey.
BuildingConfig BuildingForJoints(std::int64_t targetJoints);

// The s2k text of the building, with LF line ends. Raises std::invalid_argument for a grid
// below 1 x 1 x 1, non-positive dimensions, or more joints or frames than 32-bit labels hold.
std::string BuildingText(const BuildingConfig& config);

// Writes BuildingText(config) to the file; raises vek::VekError when it cannot be written.
void WriteBuildingFile(const BuildingConfig& config, const std::string& path);

// Imports into `model` a generated building with at least `frames` frames, growing the
// building until it has them.
void ImportBuildingWithFrames(Model& model, std::int64_t frames);

} // namespace vek::bench
