#include "app/solver_start.h"

#include "util/error.h"

#include <QFile>

#include <filesystem>
#include <optional>
#include <string>

namespace vek {

namespace {

std::filesystem::path PathOf(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

SolverLaunch PlanSolverStart(const QString& script, const QString& programFolder,
                             const QString& pathVariable, const QString& openSeesVariable)
{
    const SolverSearch search =
        FindSolver(std::nullopt, QFile::encodeName(openSeesVariable).toStdString(),
                   PathOf(programFolder), QFile::encodeName(pathVariable).toStdString());
    if (!search.Solver)
        throw VekError(SolverNotFoundMessage(search));
    return PlanSolverLaunch(*search.Solver, PathOf(script));
}

} // namespace vek
