#pragma once

#include <cstdint>
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

// The files of the node recorders for `count` joints: file k holds joints 100k+1..100k+100,
// and the last file the joints that are left, if any. 200 joints give node0.out and
// node1.out. A count below 0 (an absent table) counts as none.
std::vector<RecorderFile> NodeRecorderFiles(std::int64_t count);

// The files of the element recorders for `count` frames: files 1, 2, ... hold the full
// hundreds, file 0 the frames that are left, if any. 120 frames give file 1 (1..100) and
// file 0 (101..120); 200 frames files 1 and 2 and no file 0. (OpenSees swaps a reversed
// range, so an empty "101 100" would record elements 100 and 101 a second time.)
std::vector<RecorderFile> ElementRecorderFiles(std::int64_t count);

} // namespace vek
