#pragma once

#include "model/model.h"
#include "post/capacity_curve.h"
#include "post/joint_history.h"
#include "post/modal_table.h"
#include "tcl/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// What a chart of the plot window shows: its title, the axes' titles with their units and
// the points.
struct PlotSeries
{
    std::string Title;
    std::string XTitle;
    std::string YTitle;
    std::vector<double> X;
    std::vector<double> Y;
};

// "Base shear (N)"; without a unit just the name.
std::string WithUnit(std::string_view name, std::string_view unit);

// The capacity curve: the control joint's displacement against the base shear, titled as
// CapacityCurveTitle names it.
PlotSeries CapacitySeries(const Model& model, const Settings& settings, const CapacityCurve& curve);

// A joint's history: against the load factor for the static analyses (types 1 to 3), against
// time for the others.
PlotSeries HistorySeries(const Model& model, const Settings& settings, const JointHistory& history,
                         std::int64_t joint, std::int32_t dof);

// The CSV texts of the plots, a line per point (numbers as FormatShortest writes them), each
// after a line of column names when `header` is true:
// "step,displacement,lambda,baseShear"
std::string CapacityCsv(const CapacityCurve& curve, bool header);
// "time,value"
std::string HistoryCsv(const JointHistory& history, bool header);
// "mode,period,frequency,MX,MY,MZ,RMX,RMY,RMZ" (mass ratios as fractions), and with
// `cumulative` the cumulative ratios after them ("SumMX" ... "SumRMZ").
std::string ModalCsv(const std::vector<ModeProperties>& modes, bool header, bool cumulative);

// The column titles of the modal table and the texts of its cells, row by row.
std::vector<std::string> ModalTableColumns();
std::vector<std::vector<std::string>> ModalTableCells(const std::vector<ModeProperties>& modes);

} // namespace vek
