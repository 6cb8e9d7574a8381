#pragma once

// Shared steps of the s2k table readers.

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "s2k/s2k_line.h"
#include "util/error.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vek::s2k {

// The number of records of a line-counted table: end - header - 1, which is -1 for an
// absent table.
std::int32_t LineCountedSize(const TableBounds& bounds);

// Makes `table` hold `count` all-zero records. A count below -1 (a keyword line that no
// blank line follows) keeps the old records, sets the count and raises "Range check error".
template <class Record> void ResizeTable(Table<Record>& table, std::int32_t count)
{
    if (count < -1) {
        table.Count = count;
        throw VekError("Range check error");
    }
    table.Reset(count);
}

// Calls visit(lineNumber) for every data line of the table. An error raised while a line
// is read is given that line's number.
template <class Visit> void ForEachDataLine(const TableBounds& bounds, Visit&& visit)
{
    for (std::int64_t n = bounds.header + 1; n < bounds.end; ++n) {
        try {
            visit(n);
        } catch (VekError& error) {
            if (!error.hasLine())
                error.setLine(n);
            throw;
        }
    }
}

// Splits line n of the file into the model's LineFields and returns them.
inline const TLineFields& SplitFileLine(Model& model, std::int64_t n)
{
    SplitS2kLine(model.FileLines[static_cast<std::size_t>(n)], model.LineFields);
    return model.LineFields;
}

// Counts line n as skipped in the report, when there is one; describe() gives what the line
// names that the model does not have, and is only called when the report lists the line.
template <class Describe> void SkipLine(ImportReport* report, std::int64_t n, Describe&& describe)
{
    if (report)
        report->Skip(n, std::forward<Describe>(describe));
}

// "LOAD names joint 912, which the model does not have", for the table, the kind of record
// ("joint", "frame") and its number.
std::string MissingTarget(std::string_view table, std::string_view kind, std::int64_t number);

// A name from the file as a line's description shows it: whole, or its start and "..." when
// it is too long to read.
std::string ShownName(std::string_view name);

// Resolves names to record numbers: whole-string, case-sensitive, the last record of a
// name wins, 0 when no record has it.
class NameIndex
{
public:
    template <class Record> explicit NameIndex(const Table<Record>& table)
    {
        std::int32_t i = 0;
        for (const Record& record : table)
            index_[record.Name] = ++i;
    }

    std::int32_t Find(std::string_view name) const
    {
        const auto it = index_.find(name);
        return it == index_.end() ? 0 : it->second;
    }

private:
    std::unordered_map<std::string_view, std::int32_t> index_;
};

} // namespace vek::s2k
