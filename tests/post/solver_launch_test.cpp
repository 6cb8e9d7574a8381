#include "post/solver_launch.h"
#include "util/error.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace vek {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder
{
public:
    TempFolder()
    {
        path_ =
            fs::temp_directory_path() / ("vek_solver_" + std::to_string(std::random_device{}()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }
    fs::path Folder(const std::string& name) const
    {
        fs::create_directories(path_ / name);
        return path_ / name;
    }

private:
    fs::path path_;
};

fs::path AddFile(const fs::path& folder, const std::string& name, bool executable)
{
    const fs::path file = folder / name;
    WriteWholeFile(file.string(), "#!/bin/sh\n");
    fs::permissions(file, executable ? fs::perms::owner_all
                                     : fs::perms::owner_read | fs::perms::owner_write);
    return file;
}

#ifndef _WIN32

// A run's solver: the one given, then $OPENSEES, then beside VEK, then the PATH.
TEST(FindSolver, TheGivenSolverThenOpenSeesVariableComeFirst)
{
    TempFolder temp;
    const fs::path program = temp.Folder("vek bin");
    const fs::path beside = AddFile(program, "OpenSees", true);
    const fs::path variable = AddFile(temp.Folder("var"), "my solver", true);
    const fs::path given = AddFile(temp.Folder("given"), "OpenSees", true);
    const fs::path notExecutable = AddFile(temp.Folder("plain"), "OpenSees", false);

    EXPECT_EQ(FindSolver(given, variable.string(), program, "").Solver, given);
    EXPECT_EQ(FindSolver(std::nullopt, variable.string(), program, "").Solver, variable);
    EXPECT_EQ(FindSolver(std::nullopt, notExecutable.string(), program, "").Solver, beside);
    EXPECT_THROW(FindSolver(notExecutable, variable.string(), program, ""), VekError);

    fs::remove(beside);
    const SolverSearch none = FindSolver(std::nullopt, notExecutable.string(), program, "");
    EXPECT_FALSE(none.Solver);
    EXPECT_NE(SolverNotFoundMessage(none).find("OPENSEES names \"" + notExecutable.string() +
                                               "\", which is not an executable file."),
              std::string::npos);
}

TEST(FindSolver, TheProgramFolderComesBeforeThePath)
{
    TempFolder temp;
    const fs::path program = temp.Folder("vek bin");
    const fs::path onPath = temp.Folder("path");
    AddFile(onPath, "OpenSees", true);
    const std::string path = onPath.string();

    EXPECT_EQ(FindSolver(program, path).Solver, onPath / "OpenSees");
    const fs::path beside = AddFile(program, "OpenSees", true);
    const SolverSearch search = FindSolver(program, path);
    EXPECT_EQ(search.Solver, beside);
    EXPECT_EQ(search.Folders, (std::vector<fs::path>{program, onPath}));
}

TEST(FindSolver, ThePathIsSearchedInOrderWithBothNames)
{
    TempFolder temp;
    const fs::path first = temp.Folder("first");
    const fs::path second = temp.Folder("second");
    const fs::path third = temp.Folder("third");
    AddFile(second, "opensees", true);
    AddFile(third, "OpenSees", true);
    const std::string path =
        "::relative/bin:" + first.string() + ":" + second.string() + ":" + third.string() + ":";
    const SolverSearch search = FindSolver(temp.Folder("program"), path);
    EXPECT_EQ(search.Solver, second / "opensees");
    // Empty and relative entries are not folders to look in.
    EXPECT_EQ(search.Folders,
              (std::vector<fs::path>{temp.path() / "program", first, second, third}));
}

TEST(FindSolver, OnlyExecutableFilesCount)
{
    TempFolder temp;
    const fs::path program = temp.Folder("program");
    AddFile(program, "OpenSees", false);
    fs::create_directories(program / "opensees");
    const fs::path onPath = temp.Folder("path");
    AddFile(onPath, "opensees", true);
    EXPECT_EQ(FindSolver(program, onPath.string()).Solver, onPath / "opensees");
    EXPECT_EQ(FindSolver(program, "").Solver, std::nullopt);
}

TEST(FindSolver, TheMessageNamesWhereItLooked)
{
    TempFolder temp;
    const fs::path program = temp.Folder("vek bin");
    const fs::path onPath = temp.Folder("usr bin");
    const SolverSearch search = FindSolver(program, onPath.string() + ":");
    EXPECT_EQ(search.Solver, std::nullopt);
    EXPECT_EQ(SolverNotFoundMessage(search),
              "The OpenSees solver was not found. VEK looked for \"OpenSees\" or \"opensees\" "
              "in:\n" +
                  program.string() + "\n" + onPath.string() +
                  "\nPut the solver next to VEK's program or in a folder of the PATH.");
    EXPECT_EQ(SolverNotFoundMessage(FindSolver("", "")),
              "The OpenSees solver was not found. VEK looked for \"OpenSees\" or \"opensees\", "
              "but had no folder to look in.");
}

#endif

TEST(PlanSolverLaunch, TheScriptIsOneArgumentAndItsFolderTheWorkingFolder)
{
    TempFolder temp;
    const fs::path folder = temp.Folder("my models");
    const fs::path script = AddFile(folder, "portal frame.tcl", false);
    const SolverLaunch launch =
        PlanSolverLaunch("/opt/OpenSees", folder / "." / "portal frame.tcl");
    EXPECT_EQ(launch.Program, fs::path("/opt/OpenSees"));
    EXPECT_EQ(launch.Arguments, std::vector<std::string>{script.string()});
    EXPECT_EQ(launch.WorkingFolder, folder);
}

TEST(PlanSolverLaunch, AScriptThatIsNotThereIsAnError)
{
    TempFolder temp;
    const fs::path missing = temp.path() / "missing.tcl";
    try {
        PlanSolverLaunch("/opt/OpenSees", missing);
        FAIL() << "no error";
    } catch (const VekError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The script \"" + missing.string() + "\" does not exist.");
    }
    EXPECT_THROW(PlanSolverLaunch("/opt/OpenSees", temp.path()), VekError);
}

} // namespace
} // namespace vek
