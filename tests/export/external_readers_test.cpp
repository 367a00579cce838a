// The exports read by the programs they are written for: Python's csv module and gnuplot.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr const char* kGnuplot = "/usr/bin/gnuplot";
constexpr const char* kUnit = "07ja99ab.9999.1234.56.7";

// Runs a shell command in dir; its exit status (-1 when it did not exit) and its output.
int RunIn(const TempDir& dir, const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen(("cd '" + dir.path() + "' && " + command + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = pipe ? pclose(pipe) : -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// gnuplot's other notes (a missing font, say) are allowed.
bool ReportsFault(const std::string& output) {
    return strcasestr(output.c_str(), "error") || strcasestr(output.c_str(), "warning");
}

}  // namespace

// Every record, names with commas included, has all its fields in both layouts and line ends.
TEST(CsvExportReadBack, EveryRecordHasAllItsFieldsInBothLayouts) {
    if (std::system("python3 -c pass >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "python3 is not installed (scripts/install-deps installs it)";
    }
    const char* names[] = {"plain.unit", "with, comma", ",leading comma"};
    for (int form : {0, 1}) {
        for (bool lfCode : {true, false}) {
            TempDir dir;
            CsvExportSettings settings;
            settings.path = dir.File("log.csv");
            settings.lfCode = lfCode;
            settings.form = form;
            const std::string fields = form == 1 ? "28\t" : "23\t";
            std::string expected = fields + "Unit Name\n";
            for (const char* name : names) {
                ASSERT_EQ(CsvExportResult::Written,
                          AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(name),
                                        SampleState()));
                expected += fields + name + "\n";
            }
            std::string output;  // per record: its field count, a tab and its second field
            EXPECT_EQ(0, RunIn(dir,
                               "python3 -c 'import csv; [print(len(r), r[1], sep=\"\\t\") "
                               "for r in csv.reader(open(\"log.csv\", newline=\"\"))]'",
                               output));
            EXPECT_EQ(expected, output) << "form " << form << " lf " << lfCode;
        }
    }
}

// The script draws a picture as it is, and writes the GIF it names once its two commented lines
// are taken in.
TEST(PlotGnuplot, ScriptDrawsAPictureAndItsGifLinesWork) {
    if (access(kGnuplot, X_OK) != 0) {
        GTEST_SKIP() << kGnuplot << " is missing (scripts/install-deps installs gnuplot-nox)";
    }
    TempDir dir;
    ASSERT_TRUE(WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState()));
    const std::string script = std::string(kUnit) + ".plt";
    std::string output;
    EXPECT_EQ(0, RunIn(dir,
                       std::string(kGnuplot) +
                           " -e \"set terminal png size 400,300; set output 'out.png'\" " + script,
                       output));
    EXPECT_FALSE(ReportsFault(output)) << output;
    EXPECT_EQ(0u, dir.Read("out.png").rfind("\x89PNG", 0));

    if (RunIn(dir, std::string(kGnuplot) + " -e 'set terminal gif'", output) != 0) {
        GTEST_SKIP() << "this gnuplot has no gif terminal: " << output;
    }
    std::string gifScript = dir.Read(script);
    const size_t terminal = gifScript.find("\r\n#set terminal gif") + 2;
    const size_t target = gifScript.find("\r\n#set output") + 2;
    gifScript.erase(target, 1).erase(terminal, 1);
    dir.Write("gif.plt", gifScript);
    EXPECT_EQ(0, RunIn(dir, std::string(kGnuplot) + " gif.plt", output));
    EXPECT_FALSE(ReportsFault(output)) << output;
    EXPECT_EQ(0u, dir.Read(std::string(kUnit) + ".gif").rfind("GIF8", 0));
}
