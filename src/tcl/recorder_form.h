#pragma once

#include "tcl/settings.h"

#include <array>
#include <cstddef>

namespace vek {

// One check box of the Recorder Setting dialog: its caption and the setting it shows.
struct RecorderFlagEntry
{
    const char* Caption;
    bool Settings::*Flag;
};

inline constexpr std::size_t RecorderFlagCount = 5;

// The check boxes of the Recorder Setting dialog, top to bottom.
inline constexpr std::array<RecorderFlagEntry, RecorderFlagCount> RecorderFlagTable{{
    {"Displacement of All Nodes", &Settings::RecordNodeDisp},
    {"Element Force of All Frames", &Settings::RecordFrameForce},
    {"Force/Disp Beam Column Section Deformation", &Settings::RecordSectionDeform},
    {"Force/Disp Beam Column Section  Stress-Strain", &Settings::RecordSectionStressStrain},
    {"Modal Shape", &Settings::RecordModeShapes},
}};

// The recorder settings in the order of RecorderFlagTable.
using RecorderFlagValues = std::array<bool, RecorderFlagCount>;

RecorderFlagValues ReadRecorderFlags(const Settings& settings);
void WriteRecorderFlags(Settings& settings, const RecorderFlagValues& values);

} // namespace vek
