#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vek {

// The result tables of a run, read from the files in FOLDER with the settings of the script
// record there (or the tcl options given; they apply on top). `args` starts with the command.

// vek-cli modal FILE FOLDER: mode,period,frequency,MX,MY,MZ,RMX,RMY,RMZ of each mode from
// ModalProperties.txt, the mass ratios as fractions.
int ModalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// vek-cli curve FILE FOLDER [tcl options]: step,displacement,lambda,baseShear for every
// recorded step of the push stage.
int CurveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// vek-cli history FILE FOLDER --joint J --dof D: time,value of every recorded line.
int HistoryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// vek-cli forces FILE FOLDER --step N: frame, then the 12 end forces of each frame whose
// element records them.
int ForcesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vek
