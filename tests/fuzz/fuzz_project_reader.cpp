// Reads the input as a project file and as a script record. A text that reads must write
// a JSON text that reads back to the same project or record; anything else must raise
// VekError.

#include "project/project_file.h"
#include "util/error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

template <class Read, class Write>
void CheckReadsBack(std::string_view text, Read read, Write write)
{
    decltype(read(text, "")) first;
    try {
        first = read(text, "fuzz.vek");
    } catch (const vek::VekError&) {
        return;
    }
    // What was written is read again without an error, to the same value.
    if (!(read(write(first), "fuzz.vek") == first))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReadsBack(text, vek::ProjectFromJson, vek::ProjectToJson);
    CheckReadsBack(text, vek::ScriptRecordFromJson, vek::ScriptRecordToJson);
    return 0;
}
