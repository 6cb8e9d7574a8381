#include "tcl/recorder_form.h"

namespace vek {

RecorderFlagValues ReadRecorderFlags(const Settings& settings)
{
    RecorderFlagValues values{};
    for (std::size_t i = 0; i < RecorderFlagCount; ++i)
        values[i] = settings.*RecorderFlagTable[i].Flag;
    return values;
}

void WriteRecorderFlags(Settings& settings, const RecorderFlagValues& values)
{
    for (std::size_t i = 0; i < RecorderFlagCount; ++i)
        settings.*RecorderFlagTable[i].Flag = values[i];
}

} // namespace vek
