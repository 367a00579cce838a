// The command line: which window on which folders or log, and the answers a terminal user gets.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
#include "support/english_interface.h"
#include "support/temp_dir.h"

namespace {

TEST(CommandLine, TheArgumentsChooseTheWindowAndItsFoldersOrLog) {
    using Window = StartRequest::Window;
    const struct {
        std::vector<std::string> args;
        Window window;
        std::vector<CString> folders;
        bool stored;
        const char* log;
    } cases[] = {
        {{}, Window::Main, {}, false, ""},
        {{"/srv/seti"}, Window::Main, {"/srv/seti"}, false, ""},
        {{"a", "b", "c"}, Window::Overview, {"a", "b", "c"}, false, ""},
        {{"--clients"}, Window::Overview, {}, true, ""},
        // After "--" a folder may start with a dash; "-" alone is a folder too.
        {{"--", "-odd", "--clients"}, Window::Overview, {"-odd", "--clients"}, false, ""},
        {{"-"}, Window::Main, {"-"}, false, ""},
        {{"--history", "/srv/log.csv"}, Window::History, {}, false, "/srv/log.csv"},
        {{"--history=old.csv"}, Window::History, {}, false, "old.csv"},
        {{"--history"}, Window::History, {}, false, ""},  // the log the settings name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        StartRequest request;
        EXPECT_FALSE(ParseCommandLine(c.args, request));
        EXPECT_EQ(request.window, c.window);
        EXPECT_EQ(request.folders, c.folders);
        EXPECT_EQ(request.storedClients, c.stored);
        EXPECT_EQ(request.historyLog, c.log);
    }
}

// (--version, and both answers from the real program in each language: command_line_exit_test.sh.)
TEST(CommandLine, HelpAnswersOnStandardOutput) {
    const EnglishInterface english;
    for (const char* help : {"--help", "-h"}) {
        StartRequest request;
        const auto answer = ParseCommandLine({"/srv/seti", help}, request);
        ASSERT_TRUE(answer) << help;
        EXPECT_EQ(answer->status, 0);
        EXPECT_FALSE(answer->toStderr);
        for (const char* part :
             {"Usage: vantrel [DIR]", "--clients", "--history [FILE]", "--version", "-h, --help"}) {
            EXPECT_NE(answer->text.find(part), std::string::npos) << part;
        }
    }
}

TEST(CommandLine, WrongArgumentsEndWithStatusTwoAndSayWhatIsWrong) {
    const EnglishInterface english;
    const std::pair<std::vector<std::string>, const char*> wrong[] = {
        {{"--bogus"}, "vantrel: unknown option '--bogus'\n"},
        {{"-x", "/srv"}, "vantrel: unknown option '-x'\n"},
        {{"--version=2"}, "vantrel: option '--version' takes no value\n"},
        {{"--clients", "/srv/a"}, "vantrel: --clients takes no folders"},
        {{"--history", "a.csv", "/srv/client"}, "vantrel: --history opens a log"},
        {{"--history", "--clients"}, "vantrel: --history opens a log"},
        // The first wrong argument wins over a later --help.
        {{"--bogus", "--help"}, "vantrel: unknown option '--bogus'\n"},
    };
    for (const auto& [args, start] : wrong) {
        StartRequest request;
        const auto answer = ParseCommandLine(args, request);
        ASSERT_TRUE(answer) << start;
        EXPECT_EQ(answer->status, 2);
        EXPECT_TRUE(answer->toStderr);
        EXPECT_EQ(answer->text.rfind(start, 0), 0u) << answer->text;
        EXPECT_NE(answer->text.find("Try 'vantrel --help'"), std::string::npos);
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
