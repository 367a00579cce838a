// The CSV log read back by another program's CSV reader: Python's csv module.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

// Prints, for every record of the file, its field count, a tab and its second field.
constexpr const char* kReader =
    "import csv, sys\n"
    "with open(sys.argv[1], newline='') as f:\n"
    "    for row in csv.reader(f):\n"
    "        print('%d\\t%s' % (len(row), row[1] if len(row) > 1 else ''))\n";

bool HavePython() {
    return std::system("python3 -c pass >/dev/null 2>&1") == 0;
}

// Runs the reader on path; one output line per record.
std::vector<std::string> ReadBack(const TempDir& dir, const std::string& csvName) {
    dir.Write("reader.py", kReader);
    const std::string command =
        "python3 '" + dir.File("reader.py") + "' '" + dir.File(csvName) + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "popen failed";
        return {};
    }
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(output.substr(start, end - start));
    }
    return lines;
}

}  // namespace

TEST(CsvExportReadBack, EveryRecordHasAllItsFieldsInBothLayouts) {
    if (!HavePython()) {
        GTEST_SKIP() << "python3 is not installed (scripts/install-deps installs it)";
    }
    const std::vector<std::string> names = {"plain.unit", "with, comma", "with spaces  inside",
                                            ",leading comma", "trailing comma,"};
    for (int form : {0, 1}) {
        for (bool lfCode : {true, false}) {
            TempDir dir;
            CsvExportSettings settings;
            settings.path = dir.File("log.csv");
            settings.lfCode = lfCode;
            settings.form = form;
            for (const std::string& name : names) {
                ASSERT_EQ(CsvExportResult::Written,
                          AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(name.c_str()),
                                        SampleState()));
            }
            const std::string fields = form == 1 ? "28" : "23";
            std::vector<std::string> expected = {fields + "\tUnit Name"};
            for (const std::string& name : names) {
                expected.push_back(fields + "\t" + name);
            }
            EXPECT_EQ(expected, ReadBack(dir, "log.csv")) << "form " << form << " lf " << lfCode;
        }
    }
}
