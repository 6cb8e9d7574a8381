#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vek {

// The file names the OpenSees solver goes by on this platform, in the order they are tried:
// "opensees.exe" on Windows, "OpenSees" and "opensees" elsewhere.
std::vector<std::string> SolverNames();

// Where the solver was looked for, and what was found.
struct SolverSearch
{
    // The folders searched, in order: VEK's own folder, then the folders of the PATH.
    std::vector<std::filesystem::path> Folders;
    // The file $OPENSEES named, when it was set and tried first.
    std::optional<std::filesystem::path> Variable;
    // The solver found first; none when no folder holds one.
    std::optional<std::filesystem::path> Solver;
};

// Looks for the solver next to VEK's executable (`programFolder`), then in the folders of
// `pathVariable` (the PATH, its folders separated by ':', or ';' on Windows). A solver is a
// regular file of one of SolverNames(), executable by someone where the file system says so.
// Empty and relative PATH entries are skipped: they would depend on the current folder.
SolverSearch FindSolver(const std::filesystem::path& programFolder, std::string_view pathVariable);

// The solver of a run: `given` when there is one (vek-cli's --solver; a file that is not an
// executable raises VekError naming it), then the file `openSeesVariable` names (the
// OPENSEES environment variable) when it is a solver, then FindSolver(programFolder,
// pathVariable).
SolverSearch FindSolver(const std::optional<std::filesystem::path>& given,
                        std::string_view openSeesVariable,
                        const std::filesystem::path& programFolder, std::string_view pathVariable);

// The message for a search that found no solver, naming the names and the folders tried.
std::string SolverNotFoundMessage(const SolverSearch& search);

// How the solver is started on a script: the program, its one argument (the script's full
// path, whole, whatever blanks it holds) and its working folder (the script's folder, where
// the recorder files of the script are written). A script that is not an existing file raises
// VekError.
struct SolverLaunch
{
    std::filesystem::path Program;
    std::vector<std::string> Arguments;
    std::filesystem::path WorkingFolder;
};

SolverLaunch PlanSolverLaunch(const std::filesystem::path& solver,
                              const std::filesystem::path& script);

} // namespace vek
