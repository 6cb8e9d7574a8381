#pragma once

#include "post/solver_launch.h"

#include <QString>

namespace vek {

// How the OpenSees solver is started on the script: the solver is the file `openSeesVariable`
// (the OPENSEES environment variable) names when that is one, else the first found in
// `programFolder` (VEK's own folder), then in the folders of `pathVariable`; it gets the
// script's full path as its one argument and runs in the script's folder. A solver that cannot
// be found, or a script that does not exist, raises VekError saying so.
SolverLaunch PlanSolverStart(const QString& script, const QString& programFolder,
                             const QString& pathVariable, const QString& openSeesVariable);

} // namespace vek
