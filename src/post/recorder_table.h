#pragma once

#include "post/recorder_line.h"
#include "util/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vek {

// A recorder file read whole, whose lines are taken apart one at a time with checks: every
// error names the file and the line (from 1).
class RecorderTable
{
public:
    // Reads the file; raises VekError("Cannot open file ...") as LoadTextFile does.
    explicit RecorderTable(std::string path);

    const std::string& Path() const { return path_; }
    std::int64_t LineCount() const { return static_cast<std::int64_t>(lines_.size()); }

    // Splits line `line` (from 1) and checks that it holds its time and `values` values;
    // `what` tells whose values they are ("joints 1 to 100 record 300"). Raises VekError
    // naming the file and the line when the file has no such line or the count differs.
    void Select(std::int64_t line, std::size_t values, std::string_view what);

    // Field i of the selected line (0 is the time) as a number; raises VekError naming the
    // file and the line when it is not a number.
    double Value(std::size_t i) const;
    double Time() const { return Value(0); }

    // Line `line`'s time and `values` values into out[0..values], with the checks and the
    // messages of Select and Value. Reads a line as OpenSees writes it (single blanks, at most
    // one at its end) without cutting it into fields first.
    void ReadLine(std::int64_t line, std::size_t values, std::string_view what, double* out);

private:
    std::string path_;
    TextLines lines_;
    RecorderFields fields_;
    std::int64_t line_ = 0;
    // 1 when the selected line starts with a blank, which leaves an empty field before its time.
    std::size_t offset_ = 0;
};

// The values of a recorder line after its time, not counting the empty field that a blank at
// its end leaves.
std::size_t RecorderValueCount(const RecorderFields& fields);

} // namespace vek
