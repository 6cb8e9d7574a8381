#pragma once

#include "util/big_allocator.h"
#include "util/error.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <vector>

namespace vek {

// A model table: records numbered from 1, with an all-zero record 0 that is always there.
// Count is kept apart from the storage: it may be 0 or -1 (an absent table) while records
// of an earlier import are still stored. Only records 1..Count are valid; reading any other
// number gives record 0, so a reference outside the table reads zeros and empty names and
// never memory outside it. Writing needs a valid number.
template <class Record> class Table
{
public:
    // How the records are held.
    using Storage = std::vector<Record, BigAllocator<Record>>;

    Table() : records_(1) {}

    std::int32_t Count = 0;

    bool Contains(std::int64_t i) const
    {
        return i >= 1 && i <= Count && i < static_cast<std::int64_t>(records_.size());
    }

    const Record& operator[](std::int64_t i) const
    {
        return Contains(i) ? records_[i] : records_[0];
    }

    Record& Edit(std::int64_t i)
    {
        if (!Contains(i))
            throw std::out_of_range("table record outside 1..Count");
        return records_[i];
    }

    // Adds an all-zero record Count + 1 (Count becomes 1 for an absent table) and returns it.
    Record& Append()
    {
        const std::size_t next = static_cast<std::size_t>(std::max(Count, 0)) + 1;
        if (records_.size() <= next)
            records_.resize(next + 1);
        records_[next] = Record();
        Count = static_cast<std::int32_t>(next);
        return records_[next];
    }

    // Count = count and count + 1 all-zero records. A negative count leaves just the zero
    // record (callers raise "Range check error" before calling for a size below zero).
    // When the records do not fit into memory the table is left empty (Count 0, the zero
    // record kept) and "Out of memory" is raised.
    void Reset(std::int32_t count)
    {
        records_.clear();
        records_.shrink_to_fit();
        Count = 0;
        try {
            records_.resize(count > 0 ? static_cast<std::size_t>(count) + 1 : 1);
        } catch (const std::bad_alloc&) {
            records_.resize(1);
            throw VekError("Out of memory");
        }
        Count = count;
    }

    // Takes over records built elsewhere: `records` holds the zero record and then records
    // 1..records.size() - 1, which become the table (Count = records.size() - 1).
    void Adopt(Storage&& records)
    {
        if (records.empty())
            records.resize(1);
        records_ = std::move(records);
        records_[0] = Record();
        Count = static_cast<std::int32_t>(records_.size() - 1);
    }

    // Number of stored records, the zero record included.
    std::size_t StoredSize() const { return records_.size(); }

    // The valid records 1..Count, for range-for loops.
    const Record* begin() const { return records_.data() + 1; }
    const Record* end() const { return records_.data() + 1 + ValidCount(); }

private:
    std::size_t ValidCount() const
    {
        if (Count < 1)
            return 0;
        return std::min<std::size_t>(static_cast<std::size_t>(Count), records_.size() - 1);
    }

    Storage records_;
};

} // namespace vek
