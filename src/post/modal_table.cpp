#include "post/modal_table.h"

#include "post/recorder_files.h"
#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "util/text_lines.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <numbers>
#include <optional>
#include <utility>

namespace vek {

namespace {

// A percentage as the fraction whose decimal text it is ("92.4977" gives 0.924977, not
// 92.4977 / 100): the exponent of the text moved by two.
bool TryPercentToFraction(std::string_view text, double& value)
{
    const std::size_t e = text.find_first_of("eE");
    std::int32_t exponent = 0;
    if (e != std::string_view::npos && !TryStrToInt(text.substr(e + 1), exponent))
        return false;
    const std::string shifted = std::string(text.substr(0, e)) + "e" +
                                std::to_string(static_cast<std::int64_t>(exponent) - 2);
    return TryStrToFloat(shifted, value);
}

// The rows of one numbered table of the file ("* 2. EIGENVALUE ANALYSIS:" and the lines
// after it up to the next title, less comments and blank lines) and their line numbers.
struct TableRows
{
    std::vector<std::vector<double>> Rows;
    std::vector<std::size_t> Lines;
};

// ModalProperties.txt read whole, its tables found by their titles.
class ModalFile
{
public:
    explicit ModalFile(std::string path) : path_(std::move(path)), lines_(LoadTextFile(path_)) {}

    const std::string& Path() const { return path_; }

    // The table titled exactly `title` (after "* N. "); each row must hold `columns` numbers.
    // With `percent` the values after the first are percentages, read as fractions.
    TableRows Table(std::string_view title, std::size_t columns, bool percent = false) const
    {
        std::optional<std::size_t> start;
        for (std::size_t i = 0; i < lines_.size() && !start; ++i)
            if (TitleOf(lines_[i]) == title)
                start = i + 1;
        if (!start)
            throw VekError(Format("File \"%s\" has no table \"%s\": it is not the modal "
                                  "properties of a run",
                                  {path_, std::string(title)}));
        TableRows table;
        for (std::size_t i = *start; i < lines_.size() && TitleOf(lines_[i]).empty(); ++i) {
            const std::vector<std::string_view> words = SplitWords(lines_[i]);
            if (words.empty() || words[0].front() == '#')
                continue;
            if (words.size() != columns)
                throw VekError(Format("File \"%s\" has %d values in line %d, but the table "
                                      "\"%s\" has %d columns",
                                      {path_, words.size(), i + 1, std::string(title), columns}));
            std::vector<double> row;
            for (std::string_view word : words) {
                double value = 0;
                const bool ok = percent && !row.empty() ? TryPercentToFraction(word, value)
                                                        : TryStrToFloat(word, value);
                if (!ok)
                    throw VekError(Format("File \"%s\", line %d: '%s' is not a valid floating "
                                          "point value",
                                          {path_, i + 1, std::string(word)}));
                row.push_back(value);
            }
            table.Rows.push_back(std::move(row));
            table.Lines.push_back(i + 1);
        }
        return table;
    }

    // Rows of a mode table must be modes 1, 2, ... n.
    void CheckModes(const TableRows& table, std::string_view title, std::size_t n) const
    {
        for (std::size_t k = 0; k < table.Rows.size(); ++k)
            if (table.Rows[k][0] != static_cast<double>(k + 1))
                throw VekError(Format("File \"%s\", line %d: the table \"%s\" lists mode %s "
                                      "where mode %d belongs",
                                      {path_, table.Lines[k], std::string(title),
                                       FormatShortest(table.Rows[k][0]), k + 1}));
        if (table.Rows.size() != n)
            throw VekError(Format("File \"%s\": the table \"%s\" lists %d modes, the "
                                  "eigenvalue analysis %d",
                                  {path_, std::string(title), table.Rows.size(), n}));
    }

private:
    // "EIGENVALUE ANALYSIS" of "* 2. EIGENVALUE ANALYSIS:"; empty for a line that is no title.
    static std::string_view TitleOf(std::string_view line)
    {
        if (line.empty() || line.front() != '*')
            return {};
        std::size_t i = line.find(". ");
        if (i == std::string_view::npos)
            return {};
        std::string_view title = line.substr(i + 2);
        while (!title.empty() && static_cast<unsigned char>(title.back()) <= ' ')
            title.remove_suffix(1);
        if (!title.empty() && title.back() == ':')
            title.remove_suffix(1);
        return title;
    }

    std::string path_;
    TextLines lines_;
};

constexpr std::string_view DomainTitle = "DOMAIN SIZE";
constexpr std::string_view EigenTitle = "EIGENVALUE ANALYSIS";
constexpr std::string_view RatioTitle = "MODAL PARTICIPATION MASS RATIOS (%)";
constexpr std::string_view CumulativeTitle = "MODAL PARTICIPATION MASS RATIOS (%) (cumulative)";
// MODE, LAMBDA, OMEGA, FREQUENCY, PERIOD.
constexpr std::size_t EigenColumns = 5;
// MODE and the six directions of a 3D domain.
constexpr std::size_t RatioColumns = 7;

} // namespace

std::vector<ModeProperties> ReadModalTable(const Settings& settings, std::string_view folder)
{
    const ModalFile file(RecorderPath(folder, ModalPropertiesFile));
    const TableRows domain = file.Table(DomainTitle, 1);
    if (domain.Rows.size() != 1 || domain.Rows[0][0] != 3)
        throw VekError(Format("File \"%s\": the domain size is not 3; VEK's scripts build 3D "
                              "models",
                              {file.Path()}));
    const TableRows eigen = file.Table(EigenTitle, EigenColumns);
    const std::size_t n = eigen.Rows.size();
    if (n != static_cast<std::size_t>(std::max(settings.ModeCount, 0)))
        throw VekError(Format("File \"%s\" reports %d modes, but the script asks for %d "
                              "(set numModes): it is not this model's run",
                              {file.Path(), n, settings.ModeCount}));
    file.CheckModes(eigen, EigenTitle, n);
    const TableRows ratio = file.Table(RatioTitle, RatioColumns, true);
    file.CheckModes(ratio, RatioTitle, n);
    const TableRows cumulative = file.Table(CumulativeTitle, RatioColumns, true);
    file.CheckModes(cumulative, CumulativeTitle, n);
    std::vector<ModeProperties> modes(n);
    const std::string periodsPath = RecorderPath(folder, PeriodsFile);
    const std::vector<double> eigenvalues =
        std::filesystem::exists(periodsPath) ? ReadEigenvalues(folder) : std::vector<double>();
    for (std::size_t k = 0; k < n; ++k) {
        ModeProperties& mode = modes[k];
        mode.Mode = static_cast<std::int32_t>(k + 1);
        mode.Lambda = eigen.Rows[k][1];
        mode.Frequency = eigen.Rows[k][3];
        mode.Period = eigen.Rows[k][4];
        for (std::size_t d = 0; d < 6; ++d) {
            mode.MassRatio[d] = ratio.Rows[k][d + 1];
            mode.CumulativeRatio[d] = cumulative.Rows[k][d + 1];
        }
        // Both files are written by the same run: the period is 2 pi / sqrt(lambda) of the
        // eigenvalue in Periods.txt, to the six digits of ModalProperties.txt.
        if (!eigenvalues.empty()) {
            const double period = k < eigenvalues.size() && eigenvalues[k] > 0
                                      ? 2 * std::numbers::pi / std::sqrt(eigenvalues[k])
                                      : 0;
            if (std::abs(period - mode.Period) > 1e-5 * std::abs(period))
                throw VekError(
                    Format("File \"%s\", line %d: the period of mode %d is %s, but the "
                           "eigenvalue of \"%s\" gives %s: the files are of different "
                           "runs",
                           {file.Path(), eigen.Lines[k], k + 1, FormatShortest(mode.Period),
                            periodsPath, FormatShortest(period)}));
        }
    }
    return modes;
}

std::vector<double> ReadEigenvalues(std::string_view folder)
{
    const std::string path = RecorderPath(folder, PeriodsFile);
    const TextLines lines = LoadTextFile(path);
    std::vector<double> values;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::string_view word : SplitWords(lines[i])) {
            double value = 0;
            if (!TryStrToFloat(word, value))
                throw VekError(Format("File \"%s\", line %d: '%s' is not a valid floating point "
                                      "value",
                                      {path, i + 1, std::string(word)}));
            values.push_back(value);
        }
    return values;
}

} // namespace vek
