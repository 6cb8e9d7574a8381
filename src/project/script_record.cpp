#include "project/script_record.h"

#include "util/atomic_file.h"
#include "util/text_lines.h"

#include <filesystem>

namespace vek {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view RecordSuffix = ".tcl.vek.json";

bool IsScriptRecord(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.is_regular_file(error) && entry.path().filename().string().ends_with(RecordSuffix);
}

// The newest record file of the folder by modification time (by name among equal times).
std::optional<fs::path> NewestRecordIn(const std::string& folder)
{
    std::error_code error;
    std::optional<fs::path> newest;
    fs::file_time_type newestTime;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (!IsScriptRecord(entry))
            continue;
        const fs::file_time_type time = entry.last_write_time(error);
        if (error)
            continue;
        if (!newest || time > newestTime || (time == newestTime && entry.path() > *newest)) {
            newest = entry.path();
            newestTime = time;
        }
    }
    return newest;
}

} // namespace

ScriptRecord RecordOfScript(const Model& model, const Settings& settings, const std::string& script)
{
    ScriptRecord record{script, settings, {}};
    for (const TFrameSection& section : model.FrameSections)
        record.SectionKinds.emplace_back(section.Name, section.ElemType);
    return record;
}

std::string ScriptRecordPath(const std::string& scriptPath)
{
    return scriptPath + ".vek.json";
}

void SaveScriptRecord(const std::string& scriptPath, const ScriptRecord& record)
{
    WriteFileAtomically(ScriptRecordPath(scriptPath), ScriptRecordToJson(record));
}

std::optional<ScriptRecord> FindScriptRecord(const std::string& folder)
{
    const std::optional<fs::path> newest = NewestRecordIn(folder);
    if (!newest)
        return std::nullopt;
    const std::string path = newest->string();
    return ScriptRecordFromJson(ReadWholeFile(path), path);
}

void ApplyScriptRecord(const ScriptRecord& record, Model& model, Settings& settings)
{
    settings = record.ScriptSettings;
    for (const auto& [name, kind] : record.SectionKinds)
        for (std::int32_t i = 1; i <= model.FrameSections.Count; ++i)
            if (model.FrameSections[i].Name == name)
                model.FrameSections.Edit(i).ElemType = kind;
}

} // namespace vek
