// The command line: which window on which folders, and the answers a terminal user gets.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
#include "support/temp_dir.h"

namespace {

struct Parsed {
    StartRequest request;
    std::optional<CommandLineAnswer> answer;
};

Parsed Parse(const std::vector<std::string>& args) {
    Parsed parsed;
    parsed.answer = ParseCommandLine(args, parsed.request);
    return parsed;
}

TEST(CommandLine, TheNumberOfFoldersChoosesTheWindow) {
    const Parsed none = Parse({});
    EXPECT_FALSE(none.answer);
    EXPECT_EQ(none.request.window, StartRequest::Window::Main);
    EXPECT_TRUE(none.request.folders.empty());

    const Parsed one = Parse({"/srv/seti"});
    EXPECT_EQ(one.request.window, StartRequest::Window::Main);
    EXPECT_EQ(one.request.folders, (std::vector<CString>{"/srv/seti"}));

    const Parsed three = Parse({"a", "b", "c"});
    EXPECT_EQ(three.request.window, StartRequest::Window::Overview);
    EXPECT_EQ(three.request.folders.size(), 3u);

    const Parsed stored = Parse({"--clients"});
    EXPECT_FALSE(stored.answer);
    EXPECT_EQ(stored.request.window, StartRequest::Window::Overview);
    EXPECT_TRUE(stored.request.storedClients);

    // After "--" a folder may start with a dash; "-" alone is a folder too.
    const Parsed dashed = Parse({"--", "-odd", "--clients"});
    EXPECT_FALSE(dashed.answer);
    EXPECT_EQ(dashed.request.folders, (std::vector<CString>{"-odd", "--clients"}));
    EXPECT_FALSE(dashed.request.storedClients);
    EXPECT_EQ(Parse({"-"}).request.folders, (std::vector<CString>{"-"}));
}

// (--version, and both answers from the real program: command_line_exit_test.sh.)
TEST(CommandLine, HelpAnswersOnStandardOutput) {
    for (const char* help : {"--help", "-h"}) {
        const Parsed parsed = Parse({"/srv/seti", help});
        ASSERT_TRUE(parsed.answer) << help;
        EXPECT_EQ(parsed.answer->status, 0);
        EXPECT_FALSE(parsed.answer->toStderr);
        for (const char* part : {"Usage: vantrel [DIR]", "--clients", "--version", "-h, --help"}) {
            EXPECT_NE(parsed.answer->text.find(part), std::string::npos) << part;
        }
    }
}

TEST(CommandLine, WrongArgumentsEndWithStatusTwoAndSayWhatIsWrong) {
    const std::pair<std::vector<std::string>, const char*> wrong[] = {
        {{"--bogus"}, "vantrel: unknown option '--bogus'\n"},
        {{"-x", "/srv"}, "vantrel: unknown option '-x'\n"},
        {{"--version=2"}, "vantrel: option '--version' takes no value\n"},
        {{"--clients", "/srv/a"}, "vantrel: --clients takes no folders"},
        // The first wrong argument wins over a later --help.
        {{"--bogus", "--help"}, "vantrel: unknown option '--bogus'\n"},
    };
    for (const auto& [args, start] : wrong) {
        const Parsed parsed = Parse(args);
        ASSERT_TRUE(parsed.answer) << start;
        EXPECT_EQ(parsed.answer->status, 2);
        EXPECT_TRUE(parsed.answer->toStderr);
        EXPECT_EQ(parsed.answer->text.rfind(start, 0), 0u) << parsed.answer->text;
        EXPECT_NE(parsed.answer->text.find("Try 'vantrel --help'"), std::string::npos);
    }
}

TEST(CommandLine, FoldersBecomeAbsoluteOnceEachAndMissingOnesAreNamed) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("a/b"));
    std::filesystem::create_symlink(dir.File("a"), dir.File("link"));
    dir.Write("file", "not a folder");
    const std::string a = std::filesystem::canonical(dir.File("a")).string();

    ScopedWorkingDirectory here(dir.path());
    StartRequest request;
    request.folders = {"a", "link", "a/b/..", dir.File("a/b")};
    EXPECT_FALSE(ResolveFolders(request));
    EXPECT_EQ(request.folders, (std::vector<CString>{a, a + "/b"}));

    for (const char* bad : {"missing", "file"}) {
        request.folders = {"a", bad};
        const std::optional<CommandLineAnswer> answer = ResolveFolders(request);
        ASSERT_TRUE(answer) << bad;
        EXPECT_EQ(answer->status, 2);
        EXPECT_TRUE(answer->toStderr);
        EXPECT_EQ(answer->text.rfind(std::string("vantrel: ") + bad + ": ", 0), 0u) << answer->text;
    }
}

}  // namespace
