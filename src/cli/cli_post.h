#pragma once

#include "cli/cli_input.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vek {

// The input of a post-processing command as the script of the recorder files in `folder` was
// written: with the settings and element kinds of the script record there, when there is one.
// Prints an error and returns none when the input or the record cannot be read.
std::optional<CliInput> LoadPostInput(const std::string& input, const std::string& folder,
                                      std::ostream& err);

// vek-cli disp FILE.s2k FOLDER [--step N] [--mode M]: the joint displacements of load step N
// (default 1), or the shape of mode M, read from the recorder files in FOLDER as the
// deformation shape dialog reads them; prints "joint,dx,dy,dz" for every joint. `args`
// starts with "disp".
int DispCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// vek-cli sections FILE.s2k FOLDER [--step N] [--kind 1|2|3] [--set Name=Value]
// [--section N:Field=Value]: the frames' end-section deformations, read with the settings and
// section fields the script was generated with; prints "frame,resultI,resultJ" for every
// frame. `args` starts with "sections".
int SectionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
