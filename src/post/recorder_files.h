#pragma once

#include "util/text_lines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// A recorder covers at most this many nodes or elements, one file each.
constexpr std::int64_t RecorderGroupSize = 100;

// One recorder file of a hundred-grouped set: its number in the file name and the records
// First..Last it holds, in order.
struct RecorderFile
{
    std::int64_t Number = 0;
    std::int64_t First = 0;
    std::int64_t Last = 0;

    bool operator==(const RecorderFile&) const = default;
};

// The files the node recorders of the script write for `count` joints: file k holds joints
// 100k+1..100k+100, and the last file the joints that are left, if any. 200 joints give
// node0.out and node1.out.
std::vector<RecorderFile> NodeRecorderFiles(std::int64_t count);

// The files the element recorders write for `count` frames: files 1, 2, ... hold the full
// hundreds, file 0 the frames that are left, if any. 120 frames give file 1 (1..100) and
// file 0 (101..120); 200 frames files 1 and 2 and no file 0.
std::vector<RecorderFile> ElementRecorderFiles(std::int64_t count);

// `name` in `folder`; a folder that does not end with a separator gets one.
std::string RecorderPath(std::string_view folder, std::string_view name);

// Line `step` (from 1) of a file read into lines; raises VekError("List index out of bounds
// (<step - 1>)") when the file has no such line.
std::string_view StepLine(const TextLines& lines, std::int64_t step);

} // namespace vek
