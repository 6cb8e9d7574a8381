#include "post/plot_data.h"

#include "util/format.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace vek {

namespace {

constexpr std::array<const char*, 6> RatioNames = {"MX", "MY", "MZ", "RMX", "RMY", "RMZ"};

void AppendCsvLine(std::string& text, std::initializer_list<double> values)
{
    const char* separator = "";
    for (const double value : values) {
        text += separator;
        text += FormatShortest(value);
        separator = ",";
    }
    text += '\n';
}

} // namespace

std::string WithUnit(std::string_view name, std::string_view unit)
{
    std::string text(name);
    if (!unit.empty())
        text += " (" + std::string(unit) + ")";
    return text;
}

PlotSeries CapacitySeries(const Model& model, const Settings& settings, const CapacityCurve& curve)
{
    PlotSeries series;
    series.Title = CapacityCurveTitle(curve);
    series.XTitle = WithUnit(
        Format("Displacement U%d of joint %d", {settings.ControlDof, settings.ControlNode}),
        model.LengthUnit);
    series.YTitle = WithUnit("Base shear", model.ForceUnit);
    for (const CapacityPoint& point : curve.Points) {
        series.X.push_back(point.Displacement);
        series.Y.push_back(point.BaseShear);
    }
    return series;
}

PlotSeries HistorySeries(const Model& model, const Settings& settings, const JointHistory& history,
                         std::int64_t joint, std::int32_t dof)
{
    PlotSeries series;
    // A static analysis's time is its load factor.
    const bool dynamic = settings.AnalysisType > GravityPushover;
    series.Title = Format("Joint %d, U%d", {joint, dof});
    series.XTitle = dynamic ? "Time (s)" : "Load factor";
    series.YTitle = WithUnit(Format("Displacement U%d", {dof}), model.LengthUnit);
    series.X = history.Times;
    series.Y = history.Values;
    return series;
}

std::string CapacityCsv(const CapacityCurve& curve, bool header)
{
    std::string text = header ? "step,displacement,lambda,baseShear\n" : "";
    for (const CapacityPoint& point : curve.Points)
        text += FormatInt(point.Step) + "," + FormatShortest(point.Displacement) + "," +
                FormatShortest(point.Lambda) + "," + FormatShortest(point.BaseShear) + "\n";
    return text;
}

std::string HistoryCsv(const JointHistory& history, bool header)
{
    std::string text = header ? "time,value\n" : "";
    for (std::size_t i = 0; i < history.Times.size() && i < history.Values.size(); ++i)
        AppendCsvLine(text, {history.Times[i], history.Values[i]});
    return text;
}

std::string ModalCsv(const std::vector<ModeProperties>& modes, bool header, bool cumulative)
{
    std::string text;
    if (header) {
        text = "mode,period,frequency";
        for (const char* name : RatioNames)
            text += std::string(",") + name;
        if (cumulative)
            for (const char* name : RatioNames)
                text += std::string(",Sum") + name;
        text += '\n';
    }
    for (const ModeProperties& mode : modes) {
        text += FormatInt(mode.Mode) + "," + FormatShortest(mode.Period) + "," +
                FormatShortest(mode.Frequency);
        for (const double ratio : mode.MassRatio)
            text += "," + FormatShortest(ratio);
        if (cumulative)
            for (const double ratio : mode.CumulativeRatio)
                text += "," + FormatShortest(ratio);
        text += '\n';
    }
    return text;
}

std::vector<std::string> ModalTableColumns()
{
    std::vector<std::string> columns = {"Mode", "Period (s)", "Frequency (Hz)"};
    for (const char* name : RatioNames)
        columns.push_back(name);
    for (const char* name : RatioNames)
        columns.push_back(std::string("Sum ") + name);
    return columns;
}

std::vector<std::vector<std::string>> ModalTableCells(const std::vector<ModeProperties>& modes)
{
    std::vector<std::vector<std::string>> cells;
    for (const ModeProperties& mode : modes) {
        std::vector<std::string> row = {FormatInt(mode.Mode), FormatShortest(mode.Period),
                                        FormatShortest(mode.Frequency)};
        for (const double ratio : mode.MassRatio)
            row.push_back(FormatShortest(ratio));
        for (const double ratio : mode.CumulativeRatio)
            row.push_back(FormatShortest(ratio));
        cells.push_back(std::move(row));
    }
    return cells;
}

} // namespace vek
