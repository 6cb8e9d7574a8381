#pragma once

#include "model/model.h"
#include "tcl/settings.h"

#include <functional>
#include <string>

namespace vek {

// Reads the recorder files of the run in `folder` with the model and settings its script was
// written with. When the folder holds a script record, `read` gets copies of the model and
// the settings with the record applied, so that element types or settings changed since the
// run do not change how its files are read; otherwise it gets the model and settings as they
// are. A record that cannot be read raises VekError naming it.
void ReadAsRecorded(const std::string& folder, const Model& model, const Settings& settings,
                    const std::function<void(const Model&, const Settings&)>& read);

} // namespace vek
