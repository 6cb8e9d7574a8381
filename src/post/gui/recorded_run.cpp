#include "post/gui/recorded_run.h"

#include "project/script_record.h"

#include <optional>

namespace vek {

void ReadAsRecorded(const std::string& folder, const Model& model, const Settings& settings,
                    const std::function<void(const Model&, const Settings&)>& read)
{
    const std::optional<ScriptRecord> record = FindScriptRecord(folder);
    if (!record) {
        read(model, settings);
        return;
    }
    Model recordedModel = model;
    Settings recordedSettings = settings;
    ApplyScriptRecord(*record, recordedModel, recordedSettings);
    read(recordedModel, recordedSettings);
}

} // namespace vek
