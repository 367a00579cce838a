// One spelling for each folder of a list, with a mount that does not answer.
#include "platform/base/canonical_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "platform/base/paths.h"
#include "support/temp_dir.h"

// A folder on a mount that does not answer holds the caller no longer than the bound; it and the
// folders after it keep their lexical forms, those before it are resolved.
TEST(CanonicalFolders, AFolderThatDoesNotAnswerKeepsItsLexicalForm) {
    TempDir dir;
    const std::string link = dir.File("link");
    std::filesystem::create_directory_symlink(dir.path(), link);
    const std::string name = std::filesystem::path(dir.path()).filename();
    std::promise<void> gate;
    const std::shared_future<void> answered = gate.get_future().share();
    const FolderResolver resolve = [answered](const CString& path) {
        if (path == "/hung/./a") {
            answered.wait();
        }
        return ResolvedDirectory(path);
    };
    const std::vector<CString> paths = {CString(link + "/"), CString("/hung/./a"),
                                        CString(dir.path() + "/../" + name + "//"), CString(link)};
    EXPECT_EQ(
        CanonicalFolderPaths(paths, std::chrono::milliseconds(100), resolve),
        (std::vector<CString>{CString(dir.path()), "/hung/a", CString(dir.path()), CString(link)}));
    gate.set_value();
}
