#pragma once

#include "model/records.h"
#include "model/table.h"
#include "util/text_lines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// At most this many load cases exist.
constexpr std::int32_t MaxLoadCases = 10;

// Number of fields a split s2k line can hold.
constexpr std::size_t LineFieldCount = 40;

// The fields of one split s2k line. They point into the line they were cut from and are
// valid while that line lives.
using TLineFields = std::array<std::string_view, LineFieldCount>;

// Colours are 24-bit RGB values with red in the low byte (0x00BBGGRR).
constexpr std::int32_t RgbColor(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// The palette sections take their colours from, entries 1..16; entry 0 is unused.
using TPalette = std::array<std::int32_t, 17>;
TPalette InitialPalette();

// The colour of section number i: palette entry i mod 20 when that lies in 1..16, else black.
std::int32_t SectionColor(const TPalette& palette, std::int64_t i);

// The one in-memory structural model: the tables filled by the s2k import, the load case
// names, the palette, and the import's work buffers.
struct Model
{
    Model() : Palette(InitialPalette()) {}

    Table<TJoint> Joints;
    Table<TFrameElem> Frames;
    Table<TShellElem> Shells;
    Table<TSolidElem> Solids;
    Table<TFrameSection> FrameSections;
    Table<TShellSection> ShellSections;
    Table<TMaterial> Materials;
    Table<TLoad> Loads;
    Table<TConstraint> Constraints;

    // Number of shells whose section is a shell-kind section; what the status bar shows.
    std::int32_t ShellElemCount = 0;

    std::array<std::string, MaxLoadCases> LoadCaseNames;
    std::int32_t LoadCaseCount = 0;

    TPalette Palette;

    // The units of the s2k file's SYSTEM line ("LENGTH=mm  FORCE=N"); empty when it names none.
    std::string LengthUnit;
    std::string ForceUnit;

    // Every line of the last s2k file read, kept for the next import.
    TextLines FileLines;
    // The fields of the last split line.
    TLineFields LineFields;

    std::int32_t JointCount() const { return Joints.Count; }
    std::int32_t FrameCount() const { return Frames.Count; }
    std::int32_t ShellCount() const { return Shells.Count; }
    std::int32_t SolidCount() const { return Solids.Count; }
    std::int32_t FrameSectionCount() const { return FrameSections.Count; }
    std::int32_t ShellSectionCount() const { return ShellSections.Count; }
    std::int32_t MaterialCount() const { return Materials.Count; }
    std::int32_t LoadCount() const { return Loads.Count; }
    std::int32_t ConstraintCount() const { return Constraints.Count; }

    // The name of load case c (1-based); the empty text outside 1..LoadCaseCount.
    std::string_view LoadCaseName(std::int64_t c) const;
};

} // namespace vek
