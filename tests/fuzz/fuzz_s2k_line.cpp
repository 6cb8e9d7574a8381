// Splits every line of the input the way the s2k readers do, and checks what the readers
// rely on: at most 38 fields, each without blanks or control characters at its ends, and no
// field left over from a longer line before.

#include "model/model.h"
#include "s2k/s2k_line.h"
#include "util/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool IsTrimmed(std::string_view field)
{
    return field.empty() || (static_cast<unsigned char>(field.front()) > 32 &&
                             static_cast<unsigned char>(field.back()) > 32);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vek::TLineFields fields;
    // The whole input as one line, then line by line as a file would be read.
    vek::SplitS2kLine(bytes, fields);
    const vek::TextLines lines = vek::TextLines::FromText(std::string(bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        vek::SplitS2kLine(lines[i], fields);
        if (!fields[38].empty() || !fields[39].empty())
            std::abort();
        for (std::string_view field : fields)
            if (!IsTrimmed(field) || field.size() > lines[i].size())
                std::abort();
    }
    return 0;
}
