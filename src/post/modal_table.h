#pragma once

#include "tcl/settings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// One mode of a modal analysis as "modalProperties" reports it: the eigenvalue, the period
// and the frequency, and the modal participation mass ratios in UX, UY, UZ, RX, RY, RZ, of
// the mode and cumulated up to it, as fractions (the file writes percentages).
struct ModeProperties
{
    std::int32_t Mode = 0;
    double Lambda = 0;
    double Period = 0;
    double Frequency = 0;
    std::array<double, 6> MassRatio{};
    std::array<double, 6> CumulativeRatio{};
};

// The file "modalProperties -file" writes, in the run's folder.
constexpr std::string_view ModalPropertiesFile = "ModalProperties.txt";
// The file the modal analysis writes its eigenvalues to.
constexpr std::string_view PeriodsFile = "Periods.txt";

// The modes of ModalProperties.txt in `folder`. The script's ModeCount must be the number of
// modes the file reports, and when the folder holds Periods.txt each period must be
// 2 pi / sqrt(lambda) of its eigenvalue there. A file without the eigenvalue or mass ratio tables,
// of another domain size than 3, whose tables do not list modes 1..n in order, a row with too few
// or too many values or a value that is not a number raises VekError naming the file and the line.
std::vector<ModeProperties> ReadModalTable(const Settings& settings, std::string_view folder);

// The eigenvalues of Periods.txt in `folder` (one line); a value that is not a number raises
// VekError naming the file and the line.
std::vector<double> ReadEigenvalues(std::string_view folder);

} // namespace vek
