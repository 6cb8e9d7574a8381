#pragma once

#include "model/model.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vek {

// The seven counts of the status bar: Node, Frame, Shell, Solid, Mat, Fsec, Wsec.
using ModelCountTexts = std::array<std::string, 7>;
// The place of the Mat count among them.
inline constexpr std::size_t MaterialCountText = 4;

// A line of the file that the import skipped: Line counts from 0 in FileLines, What says what
// the line names that the model does not have ("LOAD names joint 912, which the model does
// not have").
struct SkippedLine
{
    std::int64_t Line = 0;
    std::string What;
};

// What an import leaves out without stopping: a file with none of the tables it reads, and
// the lines it skips. Only the first few skipped lines, by line number, are described.
struct ImportReport
{
    static constexpr std::size_t ListedLines = 5;

    bool NoTableFound = false;
    // Every line skipped; Skipped describes the first ListedLines of them, in line order.
    std::int64_t SkippedCount = 0;
    std::vector<SkippedLine> Skipped;

    // Counts line `line` as skipped; describe() gives its text, and is only called when the
    // line is among the first ones described.
    template <class Describe> void Skip(std::int64_t line, Describe&& describe)
    {
        ++SkippedCount;
        if (Skipped.size() == ListedLines && line >= Skipped.back().Line)
            return;
        const auto at = std::upper_bound(
            Skipped.begin(), Skipped.end(), line,
            [](std::int64_t n, const SkippedLine& skipped) { return n < skipped.Line; });
        Skipped.insert(at, SkippedLine{line, describe()});
        if (Skipped.size() > ListedLines)
            Skipped.pop_back();
    }

    // The warnings, one line each, with line numbers counted from 1: "no SAP2000 version 6
    // table found in FILE" and "2 lines skipped: line 57: LOAD names joint 912, which the
    // model does not have; line 60: ...", ending in "; ..." when more lines were skipped
    // than are described. None when the import kept everything.
    std::vector<std::string> Warnings(const std::string& fileName) const;
};

// Sets the seven counts shown in the status bar to 0.
void ResetModelCounts(Model& model);

// Gives each end of a release link (a frame of an R section) the coordinates of its
// partner: with JREL on the line, joint I takes joint J; with IREL, joint J takes joint I.
void LinkRigidPairs(Model& model);

// LengthUnit and ForceUnit from the LENGTH= and FORCE= words of the SYSTEM table; empty
// when the file has no SYSTEM table or the table does not name them.
void ReadSystemUnits(Model& model);

// The status-bar texts of the counts, each max(count, 0) in plain decimal.
ModelCountTexts ShowModelCounts(const Model& model);

// Runs the whole import on model.FileLines and returns the status-bar texts. The first
// error stops it: the tables read before the failing one hold the new data, the failing
// one what it read up to the failing line, and the later ones their old content (with the
// seven status-bar counts at 0).
ModelCountTexts ReadS2kModel(Model& model);

// The same, and `report` tells what the import left out (it is cleared first).
ModelCountTexts ReadS2kModel(Model& model, ImportReport& report);

// Replaces model.FileLines with the lines of the file. A file that cannot be read raises
// "Cannot open file ..." and leaves FileLines as it was.
void LoadS2kFile(Model& model, const std::string& path);

} // namespace vek
