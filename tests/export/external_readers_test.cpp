// The exports read by the programs they are written for: Python's csv module and gnuplot.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr const char* kGnuplot = "/usr/bin/gnuplot";

// A program run in dir, with HOME there too, so no file of the user's takes part.
int Exec(const TempDir& dir, const std::vector<std::string>& argv, std::string& output) {
    return dir.Run(argv, output, [&] { setenv("HOME", dir.path().c_str(), 1); });
}

// gnuplot's other notes (a missing font, say) are allowed.
bool ReportsFault(const std::string& output) {
    return strcasestr(output.c_str(), "error") || strcasestr(output.c_str(), "warning");
}

}  // namespace

// Every record, names with commas and quotes included, has all its fields in both layouts and
// line ends, and the name reads back as it was.
TEST(CsvExportReadBack, EveryRecordHasAllItsFieldsInBothLayouts) {
    if (access("/usr/bin/python3", X_OK) != 0) {
        GTEST_SKIP() << "python3 is not installed (scripts/install-deps installs it)";
    }
    const char* names[] = {"plain.unit",       "with, comma", ",leading comma",
                           "say \"hi\", then", "\"",          "\"\","};
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
            EXPECT_EQ(0, Exec(dir,
                              {"/usr/bin/python3", "-c",
                               "import csv; [print(len(r), r[1], sep='\\t') "
                               "for r in csv.reader(open('log.csv', newline=''))]"},
                              output));
            EXPECT_EQ(expected, output) << "form " << form << " lf " << lfCode;
        }
    }
}

// Work-unit names made to attack the script: closing its strings, back-quoted commands, macros,
// the names gnuplot reads as commands ("|...") or special files. Run as the user would (gnuplot
// NAME.plt in the CSV folder), into a PNG, and with its two GIF lines taken in, the script runs
// nothing and writes only the picture it names. (A name beginning with "<", which gnuplot would
// run as a command, gets no files at all: the plot export's tests.)
TEST(PlotGnuplot, NoUnitNameMakesTheScriptRunOrWriteAnything) {
    if (access(kGnuplot, X_OK) != 0) {
        GTEST_SKIP() << kGnuplot << " is missing (scripts/install-deps installs it)";
    }
    const char* const kNames[] = {
        "`touch PWNED`",
        "x\"; system(\"touch PWNED\"); print \"",
        "x'; system('touch PWNED'); print '",
        "|touch PWNED",
        "x<touch PWNED",
        "trailing backslash\\",
        "@GPVAL_PWD",
        "a\rsystem(\"touch PWNED\")",
        "-",
        "+",
        "$DATA",
        "ユニット 1",
    };
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        TempDir dir;
        ASSERT_TRUE(WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(name), SampleState()));
        const std::string script = std::string(name) + ".plt";
        std::string output;
        // The user's way: the default terminal (none on a machine without a display).
        Exec(dir, {kGnuplot, script}, output);
        EXPECT_EQ(std::string::npos, output.find("Cannot find or open file")) << output;
        // Into a PNG, which shows that the data file was found and plotted.
        EXPECT_EQ(0, Exec(dir, {kGnuplot, "-e", "set terminal png; set output 'out.png'", script},
                          output))
            << output;
        EXPECT_FALSE(ReportsFault(output)) << output;
        if (name[0] != '-') {  // gnuplot reads "-.plt" as an option it does not know
            EXPECT_EQ(0u, dir.Read("out.png").rfind("\x89PNG", 0));
        }
        // The GIF lines taken in.
        std::string gifScript = dir.Read(script);
        gifScript.erase(gifScript.find("\r\n#set output") + 2, 1);
        gifScript.erase(gifScript.find("\r\n#set terminal gif") + 2, 1);
        dir.Write("gif.plt", gifScript);
        EXPECT_EQ(0, Exec(dir, {kGnuplot, "gif.plt"}, output)) << output;
        EXPECT_FALSE(ReportsFault(output)) << output;
        const std::set<std::string> expected = {std::string(name) + ".dat", script, "out.png",
                                                "gif.plt", std::string(name) + ".gif"};
        const std::vector<std::string> listed = ListDirectory(dir.path());
        EXPECT_EQ(expected, std::set<std::string>(listed.begin(), listed.end()));
        EXPECT_EQ(0u, dir.Read(std::string(name) + ".gif").rfind("GIF8", 0));
    }
}
