#include "post/solver_launch.h"

#include "util/error.h"

#include <system_error>

namespace vek {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char PathSeparator = ';';
#else
constexpr char PathSeparator = ':';
#endif

std::vector<fs::path> PathFolders(std::string_view pathVariable)
{
    std::vector<fs::path> folders;
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(PathSeparator, start);
        if (end == std::string_view::npos)
            end = pathVariable.size();
        const fs::path folder(pathVariable.substr(start, end - start));
        if (!folder.empty() && folder.is_absolute())
            folders.push_back(folder);
        start = end + 1;
    }
    return folders;
}

bool IsSolverFile(const fs::path& file)
{
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error || !fs::is_regular_file(status))
        return false;
#ifdef _WIN32
    return true;
#else
    constexpr fs::perms anyExec =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (status.permissions() & anyExec) != fs::perms::none;
#endif
}

std::optional<fs::path> SolverIn(const fs::path& folder)
{
    for (const std::string& name : SolverNames()) {
        const fs::path file = folder / name;
        if (IsSolverFile(file))
            return file;
    }
    return std::nullopt;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

std::vector<std::string> SolverNames()
{
#ifdef _WIN32
    return {"opensees.exe"};
#else
    return {"OpenSees", "opensees"};
#endif
}

SolverSearch FindSolver(const fs::path& programFolder, std::string_view pathVariable)
{
    SolverSearch search;
    if (!programFolder.empty())
        search.Folders.push_back(programFolder);
    for (fs::path& folder : PathFolders(pathVariable))
        search.Folders.push_back(std::move(folder));
    for (const fs::path& folder : search.Folders) {
        search.Solver = SolverIn(folder);
        if (search.Solver)
            break;
    }
    return search;
}

SolverSearch FindSolver(const std::optional<fs::path>& given, std::string_view openSeesVariable,
                        const fs::path& programFolder, std::string_view pathVariable)
{
    if (given) {
        if (!IsSolverFile(*given))
            throw VekError("The solver \"" + given->string() + "\" is not an executable file.");
        // Absolute: the solver runs in the script's folder.
        SolverSearch search;
        search.Solver = fs::absolute(*given);
        return search;
    }
    std::optional<fs::path> variable;
    if (!openSeesVariable.empty()) {
        variable = fs::absolute(fs::path(openSeesVariable));
        if (IsSolverFile(*variable)) {
            SolverSearch search;
            search.Variable = variable;
            search.Solver = variable;
            return search;
        }
    }
    SolverSearch search = FindSolver(programFolder, pathVariable);
    search.Variable = variable;
    return search;
}

std::string SolverNotFoundMessage(const SolverSearch& search)
{
    const std::vector<std::string> names = SolverNames();
    std::string message = "The OpenSees solver was not found. ";
    if (search.Variable)
        message += "OPENSEES names " + Quoted(search.Variable->string()) +
                   ", which is not an executable file. ";
    message += "VEK looked for ";
    for (std::size_t i = 0; i < names.size(); ++i)
        message += (i == 0 ? "" : " or ") + Quoted(names[i]);
    if (search.Folders.empty()) {
        message += ", but had no folder to look in.";
        return message;
    }
    message += " in:";
    for (const fs::path& folder : search.Folders)
        message += "\n" + folder.string();
    message += "\nPut the solver next to VEK's program or in a folder of the PATH.";
    return message;
}

SolverLaunch PlanSolverLaunch(const fs::path& solver, const fs::path& script)
{
    const fs::path whole = fs::absolute(script).lexically_normal();
    std::error_code error;
    if (!fs::is_regular_file(whole, error))
        throw VekError("The script \"" + whole.string() + "\" does not exist.");
    SolverLaunch launch;
    launch.Program = solver;
    launch.Arguments = {whole.string()};
    launch.WorkingFolder = whole.parent_path();
    return launch;
}

} // namespace vek
