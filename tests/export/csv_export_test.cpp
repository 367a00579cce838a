#include "export/csv_export.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>

#include "export/csv_line.h"
#include "export/export_test_support.h"
#include "platform/base/clock.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

CsvExportResult Export(const std::string& path, bool lfCode = true, int form = 0,
                       const WorkUnitInfo& wu = SampleWorkUnit()) {
    CsvExportSettings settings;
    settings.path = path;
    settings.lfCode = lfCode;
    settings.form = form;
    return AppendCsvLine(settings, CTime(kUpdateTime), wu, SampleState());
}

}  // namespace

// The title goes at the start of a missing or empty file only; the line ends and the layout
// follow the settings; a file with text gets the line appended.
TEST(CsvExport, TitleLineEndsAndLayoutFollowTheSettingsAndTheFile) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    const std::string basic = kTitle23 + "\n" + kSampleLine23 + "\n";
    const struct {
        const char* before;  // nullptr: no file yet
        bool lfCode;
        int form;
        std::string after;
    } cases[] = {
        {nullptr, true, 0, basic},
        {"", true, 0, basic},
        {"x", true, 0, "x" + kSampleLine23 + "\n"},
        {nullptr, false, 1, kTitle28 + "\r\n" + kSampleLine23 + kSampleNewColumns + "\r\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = std::to_string(++n) + ".csv";
        if (c.before) {
            dir.Write(name, c.before);
        }
        EXPECT_EQ(CsvExportResult::Written, Export(dir.File(name), c.lfCode, c.form));
        EXPECT_EQ(c.after, dir.Read(name)) << "case " << n;
    }
}

// Missing records open nothing. A file that can't be opened or is locked by another program
// fails and stays as it was (a file that takes only part of the line: the fault tests).
TEST(CsvExport, FailedExportLeavesTheFileAsItWas) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    WorkUnitInfo missingUnit = SampleWorkUnit();
    missingUnit.found = false;
    EXPECT_EQ(CsvExportResult::NothingToExport, Export(dir.File("a.csv"), true, 0, missingUnit));
    EXPECT_EQ(CsvExportResult::Failed, Export(dir.File("missing/log.csv")));
    EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>());

    const std::string before = kTitle23 + "\n" + kSampleLine23 + "\n";
    dir.Write("held.csv", before);
    const int fd = open(dir.File("held.csv").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
    EXPECT_EQ(CsvExportResult::Failed, Export(dir.File("held.csv")));
    close(fd);
    EXPECT_EQ(before, dir.Read("held.csv"));
}

// An unknown receipt time leaves column 3 empty; an absent or refused recording date leaves
// column 6 empty rather than showing the export's own clock. Dates past January 2038 are kept.
// The splitter version is a signed column ("%d"): read as hexadecimal ffffffff, it is -1. (A quote
// in the name doubled: the history's reading of the program's own lines, and Python's.)
TEST(CsvLineFormat, UnknownDatesGiveEmptyFieldsLateDatesAreKeptAndTheSplitterVersionIsSigned) {
    ScopedTimeZone utc("UTC");
    Clock::Set(kUpdateTime);
    WorkUnitInfo future = SampleWorkUnit();
    future.file_time = 4102444800 + 61;  // 2100-01-01 00:01:01 UTC
    WorkUnitInfo unknown = SampleWorkUnit(), late = SampleWorkUnit(),
                 signedVersion = SampleWorkUnit();
    unknown.file_time = 0;
    unknown.time_recorded = 0.0;
    late.time_recorded = 2469807.5;  // 2050-01-01 00:00
    signedVersion.splitter_version = 0xffffffffu;
    const std::string name = "\"01mr03aa.1234.5678.9.10\",";
    const struct {
        WorkUnitInfo wu;
        std::int64_t updateTime;
        std::string leadingFields;
    } cases[] = {
        {future, 4102444800,
         "2100/01/01 00:00:00," + name + "2100/01/01 00:01:01,26,16,2000/01/01 12:00:00,"},
        {unknown, kUpdateTime, "2023/11/14 22:13:20," + name + ",26,16,,"},
        {late, kUpdateTime, "2023/11/14 22:13:20," + name + "2001/09/09 01:46:40,26,16,,"},
        {signedVersion, kUpdateTime,
         "2023/11/14 22:13:20," + name + "2001/09/09 01:46:40,26,-1,2000/01/01 12:00:00,"},
    };
    for (const auto& c : cases) {
        const std::string line =
            FormatCsvLine(CTime(c.updateTime), c.wu, SampleState(), false, "\n").str();
        EXPECT_EQ(c.leadingFields, line.substr(0, c.leadingFields.size())) << line;
    }
    Clock::UseSystemClock();
}
