#include "post/recorder_table.h"

#include "util/error.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <algorithm>
#include <utility>

namespace vek {

RecorderTable::RecorderTable(std::string path) : path_(std::move(path)), lines_(LoadTextFile(path_))
{
}

void RecorderTable::Select(std::int64_t line, std::size_t values, std::string_view what)
{
    if (line < 1 || line > LineCount())
        throw VekError(
            Format("File \"%s\" has %d lines; line %d is not there", {path_, LineCount(), line}));
    SplitRecorderLine(lines_[static_cast<std::size_t>(line - 1)], fields_);
    line_ = line;
    offset_ = !fields_.empty() && fields_[0].empty() && fields_.size() > 1 ? 1 : 0;
    const std::size_t count = RecorderValueCount(fields_);
    if (count != values)
        throw VekError(Format("File \"%s\" has %d values in line %d, but %s",
                              {path_, count, line, std::string(what)}));
}

double RecorderTable::Value(std::size_t i) const
{
    const std::size_t k = i + offset_;
    const std::string_view field = k < fields_.size() ? fields_[k] : std::string_view();
    double value = 0;
    if (!TryStrToFloat(field, value))
        throw VekError(Format("File \"%s\", line %d: '%s' is not a valid floating point value",
                              {path_, line_, std::string(field)}));
    return value;
}

void RecorderTable::ReadLine(std::int64_t line, std::size_t values, std::string_view what,
                             double* out)
{
    if (line >= 1 && line <= LineCount()) {
        const std::string_view text = lines_[static_cast<std::size_t>(line - 1)];
        std::size_t start = 0;
        std::size_t k = 0;
        for (; k <= values && start < text.size(); ++k) {
            const std::size_t blank = std::min(text.find(' ', start), text.size());
            if (!TryStrToFloat(text.substr(start, blank - start), out[k]))
                break;
            start = blank + 1;
        }
        if (k == values + 1 && start >= text.size())
            return;
    }
    // Anything else, read as the other readers do: their message, or the values of a line
    // with blanks or control characters around its fields.
    Select(line, values, what);
    for (std::size_t i = 0; i <= values; ++i)
        out[i] = Value(i);
}

std::size_t RecorderValueCount(const RecorderFields& fields)
{
    std::size_t n = fields.size();
    // A line that starts with a blank has an empty field before its time.
    const std::size_t first = !fields.empty() && fields[0].empty() && n > 1 ? 1 : 0;
    if (n > first + 1 && fields[n - 1].empty())
        --n;
    return n > first ? n - first - 1 : 0;
}

} // namespace vek
