// The written plot files run in the real gnuplot.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr const char* kGnuplot = "/usr/bin/gnuplot";
constexpr const char* kUnit = "07ja99ab.9999.1234.56.7";

// Runs gnuplot in dir with the arguments; returns its exit status, stderr in errors.
int RunGnuplot(const TempDir& dir, const std::string& arguments, std::string& errors) {
    const std::string command =
        "cd '" + dir.path() + "' && " + kGnuplot + " " + arguments + " >gnuplot.out 2>gnuplot.err";
    const int status = std::system(command.c_str());
    errors = dir.Read("gnuplot.err");
    dir.Remove("gnuplot.out");
    dir.Remove("gnuplot.err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool MentionsError(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("error") != std::string::npos;
}

// Removes the "#" that starts the given 0-based line of a CR LF text.
std::string Uncomment(const std::string& text, int line) {
    size_t at = 0;
    for (int i = 0; i < line; ++i) {
        at = text.find("\r\n", at) + 2;
    }
    EXPECT_EQ('#', text[at]);
    std::string result = text;
    result.erase(at, 1);
    return result;
}

}  // namespace

TEST(PlotGnuplot, ScriptDrawsAPicture) {
    if (access(kGnuplot, X_OK) != 0) {
        GTEST_SKIP() << kGnuplot << " is missing (scripts/install-deps installs gnuplot-nox)";
    }
    TempDir dir;
    ASSERT_TRUE(WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState()));
    std::string errors;
    EXPECT_EQ(0, RunGnuplot(dir,
                            "-e \"set terminal png size 400,300; set output 'out.png'\" '" +
                                std::string(kUnit) + ".plt'",
                            errors));
    EXPECT_FALSE(MentionsError(errors)) << errors;
    const std::string png = dir.Read("out.png");
    EXPECT_EQ(0u, png.rfind("\x89PNG", 0)) << png.size() << " bytes";
}

TEST(PlotGnuplot, UncommentedLinesWriteAGif) {
    if (access(kGnuplot, X_OK) != 0) {
        GTEST_SKIP() << kGnuplot << " is missing (scripts/install-deps installs gnuplot-nox)";
    }
    TempDir dir;
    std::string errors;
    if (RunGnuplot(dir, "-e 'set terminal gif'", errors) != 0) {
        GTEST_SKIP() << "this gnuplot has no gif terminal: " << errors;
    }
    ASSERT_TRUE(WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState()));
    const std::string script = dir.Read(std::string(kUnit) + ".plt");
    dir.Write("gif.plt", Uncomment(Uncomment(script, 3), 4));

    EXPECT_EQ(0, RunGnuplot(dir, "gif.plt", errors));
    EXPECT_FALSE(MentionsError(errors)) << errors;
    const std::string gif = dir.Read(std::string(kUnit) + ".gif");
    EXPECT_EQ(0u, gif.rfind("GIF8", 0)) << gif.size() << " bytes";
}
