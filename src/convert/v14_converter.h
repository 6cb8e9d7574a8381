#pragma once

#include "convert/v14_line.h"
#include "model/table.h"
#include "util/text_lines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// A joint of the V14 file, with the restraints and forces the file gives it.
struct TConvJoint
{
    std::int32_t Id = 0;
    double X = 0, Y = 0, Z = 0;
    double UX = 0, UY = 0, UZ = 0;
    double MX = 0, MY = 0, MZ = 0;
    // U1, U2, U3, R1, R2, R3 in entries 0..5: 1 restrained, 0 free.
    std::array<std::int32_t, 6> Restraint{};
    // The number of restrained directions.
    std::int32_t RestraintCount = 0;
};

// An 8-node solid of the V14 file: its label and its joint labels J1..J8.
struct TConvSolid
{
    std::int32_t Id = 0;
    std::array<std::int32_t, 8> Joints{};
};

// The names of the four V14 tables the converter reads.
namespace v14 {
inline constexpr std::string_view JointTable = "JOINT COORDINATES";
inline constexpr std::string_view RestraintTable = "JOINT RESTRAINT ASSIGNMENTS";
inline constexpr std::string_view ForceTable = "JOINT LOADS - FORCE";
inline constexpr std::string_view SolidTable = "CONNECTIVITY - SOLID";
} // namespace v14

// The rows of a V14 table: lines Start..End of the file (numbered from 0), none when End is
// Start - 1.
struct V14TableRows
{
    std::int64_t Start = 0;
    std::int64_t End = -1;

    std::int64_t Count() const { return End - Start + 1; }
};

// Finds a table: its header line is exactly TABLE:, two blanks and the name in double quotes;
// its rows run from the line after the header to the line before the next line that is blank
// (or holds only control characters). A table that is missing, that appears more than once,
// or whose rows no blank line closes stops with a VekError naming it.
V14TableRows LocateV14Table(const TextLines& lines, std::string_view name);

// The converter's state, kept as long as its dialog lives. ConvJoints.Count is NJOINT and
// ConvSolids.Count is NSOLID of the last conversion.
struct V14Converter
{
    TextLines SourceLines;
    TextLines OutputLines;
    TV14Fields V14Fields;
    Table<TConvJoint> ConvJoints;
    Table<TConvSolid> ConvSolids;
};

// Writes the joints, restraints, joint forces and solids of the V14 file in SourceLines as a
// version 6 s2k text appended to OutputLines (tables SYSTEM, JOINT, RESTRAINT, LOAD with the
// one case PUSH, and SOLID, closed by END) and returns the four lines of the log. The joints
// must be labelled 1..NJOINT in table order, since the version 6 tables name a joint by its
// position. A bad number, a bad joint label or a missing or unclosed table stops with a
// VekError (for a row, carrying the row's line of the file); the lines appended up to then
// stay in OutputLines.
std::vector<std::string> ConvertV14File(V14Converter& converter);

} // namespace vek
