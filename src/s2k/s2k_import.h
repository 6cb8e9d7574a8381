#pragma once

#include "model/model.h"

#include <array>
#include <string>

namespace vek {

// The seven counts of the status bar: Node, Frame, Shell, Solid, Mat, Fsec, Wsec.
using ModelCountTexts = std::array<std::string, 7>;

// Sets the seven counts shown in the status bar to 0.
void ResetModelCounts(Model& model);

// Gives each end of a release link (a frame of an R section) the coordinates of its
// partner: with JREL on the line, joint I takes joint J; with IREL, joint J takes joint I.
void LinkRigidPairs(Model& model);

// The status-bar texts of the counts, each max(count, 0) in plain decimal.
ModelCountTexts ShowModelCounts(const Model& model);

// Runs the whole import on model.FileLines and returns the status-bar texts. The first
// error stops it: the tables read before the failing one hold the new data, the failing
// one what it read up to the failing line, and the later ones their old content (with the
// seven status-bar counts at 0).
ModelCountTexts ReadS2kModel(Model& model);

// Replaces model.FileLines with the lines of the file. A file that cannot be read raises
// "Cannot open file ..." and leaves FileLines as it was.
void LoadS2kFile(Model& model, const std::string& path);

} // namespace vek
