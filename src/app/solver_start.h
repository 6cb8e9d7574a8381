#pragma once

#include <QString>

namespace vek {

// Starts the OpenSees solver on the script and returns at once, without waiting for it. The
// solver is looked for in `programFolder` (VEK's own folder), then in the folders of
// `pathVariable`; it gets the script's full path as its one argument and runs in the script's
// folder. A solver that cannot be found or started raises VekError saying so.
void StartSolver(const QString& script, const QString& programFolder, const QString& pathVariable);

} // namespace vek
