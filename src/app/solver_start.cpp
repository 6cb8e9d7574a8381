#include "app/solver_start.h"

#include "post/solver_launch.h"
#include "util/error.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <string>

namespace vek {

namespace {

std::filesystem::path PathOf(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString TextOf(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace

void StartSolver(const QString& script, const QString& programFolder, const QString& pathVariable)
{
    const SolverSearch search =
        FindSolver(PathOf(programFolder), QFile::encodeName(pathVariable).toStdString());
    if (!search.Solver)
        throw VekError(SolverNotFoundMessage(search));

    const SolverLaunch launch = PlanSolverLaunch(*search.Solver, PathOf(script));
    QStringList arguments;
    for (const std::string& argument : launch.Arguments)
        arguments << QFile::decodeName(QByteArray::fromStdString(argument));
    const QString program = TextOf(launch.Program);
    if (!QProcess::startDetached(program, arguments, TextOf(launch.WorkingFolder)))
        throw VekError("The OpenSees solver " + launch.Program.string() + " could not be started.");
}

} // namespace vek
