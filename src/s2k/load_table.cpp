#include "s2k/s2k_reader.h"
#include "s2k/table_readers.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

using namespace s2k;

namespace {

enum class LoadLines { None, Force, Distributed };

// The components of a joint force line: key/value pairs in fields 4 to 16.
TLoad ReadJointForce(const TLineFields& f)
{
    TLoad load;
    load.LoadType = LoadKind::JointForce;
    load.Target = StrToInt(f[3]);
    struct Component
    {
        std::string_view key;
        double TLoad::*value;
    };
    static constexpr Component components[] = {{"UX", &TLoad::UX}, {"UY", &TLoad::UY},
                                               {"UZ", &TLoad::UZ}, {"RX", &TLoad::RX},
                                               {"RY", &TLoad::RY}, {"RZ", &TLoad::RZ}};
    for (std::size_t k = 4; k <= 15; ++k)
        for (const Component& c : components)
            if (f[k] == c.key)
                load.*c.value = StrToFloat(f[k + 1]);
    return load;
}

std::int32_t DirectionOfKey(std::string_view key)
{
    if (key == "U1")
        return 1;
    if (key == "U2" || key == "UZ")
        return 2;
    if (key == "U3")
        return 3;
    return 0;
}

// A distributed frame load, stored as a uniform load: the mean of the two intensities
// times the span fraction it covers.
TLoad ReadDistributedLoad(const TLineFields& f)
{
    TLoad load;
    load.LoadType = LoadKind::Distributed;
    load.Target = StrToInt(f[3]);
    load.Direction = DirectionOfKey(f[7]);
    const double a = StrToFloat(f[5]);
    const double b = StrToFloat(f[6]);
    const double c = StrToFloat(f[8]);
    const double d = StrToFloat(f[9]);
    load.UX = (b - a) * 0.5 * (c + d);
    return load;
}

// The number of lines that make load records: those whose field 2 is "ADD".
std::int32_t CountAddLines(Model& model, const TableBounds& bounds)
{
    std::int32_t count = 0;
    ForEachDataLine(bounds, [&](std::int64_t n) {
        if (SplitFileLine(model, n)[2] == "ADD")
            ++count;
    });
    return count;
}

// True when `name` is among the load case names kept, those the patterns are written for.
bool IsKeptCase(const Model& model, std::string_view name)
{
    const auto names = model.LoadCaseNames.begin();
    return std::find(names, names + model.LoadCaseCount, name) != names + model.LoadCaseCount;
}

// A load kept under a case that is not among the names kept.
struct UnlistedLoad
{
    std::int64_t line;
    std::string caseName;
};

} // namespace

void ReadLoads(Model& model)
{
    ReadLoads(model, FindTableBounds(model.FileLines, "LOAD"));
}

void ReadLoads(Model& model, const TableBounds& bounds, ImportReport* report)
{
    // The names are counted as they are read, so a table that stops on an error keeps the
    // names before the failing line and no name of an earlier import.
    model.LoadCaseNames.fill(std::string());
    model.LoadCaseCount = 0;
    // The records are gathered first and the table is sized by the ADD lines afterwards, so
    // each line is split once; the old loads make room first.
    model.Loads.Reset(0);
    Table<TLoad>::Storage records(1);
    records.reserve(
        static_cast<std::size_t>(std::max<std::int64_t>(bounds.end - bounds.header, 1)));
    std::int32_t addLines = 0;

    std::string caseName;
    // Whether caseName is among the names kept; loads before the first case are in none yet.
    bool caseKept = false;
    // Loads under a case not kept are stored all the same, but no pattern writes them.
    std::vector<UnlistedLoad> unlisted;
    LoadLines type = LoadLines::None;
    try {
        ForEachDataLine(bounds, [&](std::int64_t n) {
            const TLineFields& f = SplitFileLine(model, n);
            if (f[0] == "NAME") {
                caseName = std::string(f[1]);
                // Names past the tenth are not kept; their loads keep the name all the same.
                if (model.LoadCaseCount < MaxLoadCases) {
                    model.LoadCaseNames[static_cast<std::size_t>(model.LoadCaseCount++)] = caseName;
                    caseKept = true;
                } else {
                    caseKept = IsKeptCase(model, caseName);
                    if (!caseKept)
                        SkipLine(report, n, [&] {
                            return Format("LOAD case %s is past the %d load cases kept",
                                          {ShownName(caseName), MaxLoadCases});
                        });
                }
            }
            if (f[2] == "FORCE")
                type = LoadLines::Force;
            else if (f[2] == "DISTRIBUTED")
                type = LoadLines::Distributed;
            if (f[2] != "ADD")
                return;
            ++addLines;
            if (type == LoadLines::None) {
                SkipLine(report, n, [] {
                    return std::string(
                        "LOAD adds a load before any TYPE=FORCE or TYPE=DISTRIBUTED line");
                });
                return;
            }
            TLoad load = type == LoadLines::Force ? ReadJointForce(f) : ReadDistributedLoad(f);
            const bool targetExists = type == LoadLines::Force ? model.Joints.Contains(load.Target)
                                                               : model.Frames.Contains(load.Target);
            if (!targetExists) {
                SkipLine(report, n, [&] {
                    return MissingTarget("LOAD", type == LoadLines::Force ? "joint" : "frame",
                                         load.Target);
                });
                return;
            }
            if (!caseKept && report)
                unlisted.push_back({n, caseName});
            load.CaseName = caseName;
            records.push_back(std::move(load));
        });
    } catch (const VekError&) {
        // The table still gets its full size, with the records read before the failing line.
        records.resize(static_cast<std::size_t>(CountAddLines(model, bounds)) + 1);
        model.Loads.Adopt(std::move(records));
        throw;
    }
    // A load before the first case is only written when a case of an empty name is kept.
    for (const UnlistedLoad& load : unlisted)
        if (!IsKeptCase(model, load.caseName))
            SkipLine(report, load.line, [&] {
                return load.caseName.empty()
                           ? std::string("LOAD adds a load before any NAME=case line")
                           : Format("LOAD adds a load to case %s, past the %d load cases kept",
                                    {ShownName(load.caseName), MaxLoadCases});
            });
    // Lines that made no record leave zero records at the end.
    records.resize(static_cast<std::size_t>(addLines) + 1);
    model.Loads.Adopt(std::move(records));
}

} // namespace vek
