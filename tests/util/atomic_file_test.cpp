#include "util/atomic_file.h"

#include "support/temp_folder.h"
#include "util/error.h"
#include "util/file_fingerprint.h"
#include "util/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace vek {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

TEST(AtomicFile, ReplacesTheFileKeepingItsPermissions)
{
    ScratchFolder folder("atomic_replace");
    folder.Write("p.vek", "old");
    fs::permissions(folder.File("p.vek"), fs::perms::owner_read | fs::perms::owner_write);
    WriteFileAtomically(folder.File("p.vek"), "new bytes");
    EXPECT_EQ(ReadWholeFile(folder.File("p.vek")), "new bytes");
    EXPECT_EQ(fs::status(folder.File("p.vek")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"p.vek"});
}

TEST(AtomicFile, ASaveThroughALinkReplacesTheFileItPointsTo)
{
    ScratchFolder folder("atomic_link");
    fs::create_directory(folder.File("real"));
    folder.Write("real/p.vek", "old");
    fs::create_symlink("real/p.vek", folder.File("link.vek"));
    WriteFileAtomically(folder.File("link.vek"), "new bytes");
    EXPECT_TRUE(fs::is_symlink(folder.File("link.vek")));
    EXPECT_EQ(ReadWholeFile(folder.File("real/p.vek")), "new bytes");
}

TEST(AtomicFile, AFailureLeavesTheOldFileAndNoTemporaryFile)
{
    struct Case
    {
        const char* name;
        std::function<std::string(const ScratchFolder&)> prepare; // gives the path to write
    };
    const Case cases[] = {
        {"missing folder", [](const ScratchFolder& f) { return f.File("none/p.vek"); }},
        {"folder in the way",
         [](const ScratchFolder& f) {
             fs::create_directory(f.File("p.vek"));
             return f.File("p.vek");
         }},
        {"read-only file",
         [](const ScratchFolder& f) {
             fs::permissions(f.File("old"), fs::perms::owner_read);
             return f.File("old");
         }},
        {"read-only folder",
         [](const ScratchFolder& f) {
             fs::permissions(f.Path(), fs::perms::owner_read | fs::perms::owner_exec);
             return f.File("old");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder("atomic_fail");
        folder.Write("old", "old bytes");
        const std::string path = c.prepare(folder);
        const auto names = folder.Names();
        try {
            WriteFileAtomically(path, "new");
            ADD_FAILURE() << "no error";
        } catch (const VekError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Cannot save " + path + ": ", 0), 0u)
                << error.what();
        }
        fs::permissions(folder.Path(), fs::perms::owner_all);
        EXPECT_EQ(ReadWholeFile(folder.File("old")), "old bytes");
        EXPECT_EQ(folder.Names(), names);
    }
}

TEST(FileFingerprint, SizeAndHashOfTheBytes)
{
    EXPECT_EQ(FingerprintOf(""), (FileFingerprint{0, "2d06800538d394c2"}));
    const FileFingerprint abc = FingerprintOf("abc");
    EXPECT_EQ(abc.Size, 3u);
    EXPECT_EQ(abc.Hash, "78af5f94892f3950");
    EXPECT_NE(FingerprintOf("abd").Hash, abc.Hash);
}

} // namespace
} // namespace vek
