// The folders of src/ use one another only as the README's layout section allows: the test
// reads the allowed uses from there, so that they are written down once.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Uses = std::map<std::string, std::set<std::string>>;

const fs::path Root = VEK_SOURCE_DIR;

// The lines "    folder: used used ..." of the README's layout section.
Uses DeclaredUses()
{
    std::ifstream readme(Root / "README.md");
    const std::regex entry(R"(^    ([a-z0-9_/]+):((?: [a-z0-9_/]+)*)$)");
    Uses uses;
    bool inLayout = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.rfind("## ", 0) == 0)
            inLayout = line == "## Layout";
        std::smatch m;
        if (!inLayout || !std::regex_match(line, m, entry))
            continue;
        std::istringstream names(m[2].str());
        std::set<std::string>& used = uses[m[1].str()];
        for (std::string name; names >> name;)
            used.insert(name);
    }
    return uses;
}

// Every folder of src/ that holds sources, as a path relative to src/.
std::set<std::string> SourceFolders()
{
    std::set<std::string> folders;
    for (const auto& entry : fs::recursive_directory_iterator(Root / "src"))
        if (entry.is_regular_file() &&
            (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
            folders.insert(entry.path().parent_path().lexically_relative(Root / "src").string());
    return folders;
}

// The folders `folder` may use: its declared uses and, in turn, theirs. Fails on a cycle.
std::set<std::string> Reachable(const Uses& uses, const std::string& folder)
{
    std::set<std::string> reached;
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& f) {
        for (const std::string& p : path)
            if (p == f) {
                ADD_FAILURE() << "the allowed uses run in a circle through " << f;
                return;
            }
        path.push_back(f);
        const auto found = uses.find(f);
        if (found != uses.end())
            for (const std::string& used : found->second)
                if (reached.insert(used).second || used == folder)
                    visit(used);
        path.pop_back();
    };
    visit(folder);
    return reached;
}

TEST(Layering, EveryFolderIsDeclaredAndTheUsesHaveNoCycle)
{
    const Uses uses = DeclaredUses();
    ASSERT_FALSE(uses.empty()) << "no folder list in the README's layout section";
    for (const std::string& folder : SourceFolders())
        EXPECT_TRUE(uses.count(folder)) << "src/" << folder << " is not in the README's list";
    for (const auto& [folder, used] : uses) {
        for (const std::string& u : used)
            EXPECT_TRUE(uses.count(u)) << folder << " uses " << u << ", which is not declared";
        EXPECT_FALSE(Reachable(uses, folder).count(folder)) << folder << " uses itself";
    }
}

TEST(Layering, IncludesFollowTheDeclaredUses)
{
    const Uses uses = DeclaredUses();
    const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const std::string& folder : SourceFolders()) {
        const std::set<std::string> allowed = Reachable(uses, folder);
        // Only the windows and dialogs use Qt.
        const bool qt = folder == "app" || folder == "gui" || folder.ends_with("/gui");
        for (const auto& entry : fs::directory_iterator(Root / "src" / folder)) {
            const fs::path& file = entry.path();
            if (file.extension() != ".h" && file.extension() != ".cpp")
                continue;
            std::ifstream in(file);
            int number = 0;
            for (std::string line; std::getline(in, line);) {
                ++number;
                std::smatch m;
                if (!std::regex_search(line, m, include))
                    continue;
                const std::string where = "src/" + folder + "/" + file.filename().string() + ":" +
                                          std::to_string(number) + ": " + line;
                const std::string target = m[2].str();
                if (m[1] == "<") {
                    EXPECT_TRUE(qt || target.rfind("Q", 0) != 0) << where << " (Qt in the core)";
                    continue;
                }
                const std::string used = fs::path(target).parent_path().string();
                EXPECT_TRUE(used == folder || allowed.count(used))
                    << where << " (" << folder << " may not use " << used << ")";
            }
        }
    }
}

} // namespace
