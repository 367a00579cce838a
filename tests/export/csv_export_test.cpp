#include "export/csv_export.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "export/csv_line.h"
#include "export/export_test_support.h"
#include "platform/base/clock.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

CsvExportResult Export(const std::string& path, bool lfCode = true, bool noTitle = false,
                       int form = 0, const WorkUnitInfo& wu = SampleWorkUnit(),
                       const AnalysisState& state = SampleState()) {
    CsvExportSettings settings;
    settings.path = path;
    settings.lfCode = lfCode;
    settings.noTitle = noTitle;
    settings.form = form;
    return AppendCsvLine(settings, CTime(kUpdateTime), wu, state);
}

std::string LineFor(const WorkUnitInfo& wu, const AnalysisState& state,
                    std::int64_t updateTime = kUpdateTime) {
    return FormatCsvLine(CTime(updateTime), wu, state, false, "\n").str();
}

WorkUnitInfo RecordedAt(double julianDate) {
    WorkUnitInfo wu = SampleWorkUnit();
    wu.time_recorded = julianDate;
    return wu;
}

}  // namespace

// The title goes at the start of a missing or empty file only, and only when titles are wanted;
// the line ends and the layout (the new one for form 1 exactly) follow the settings; each later
// export appends its own line.
TEST(CsvExport, TitleLineEndsAndLayoutFollowTheSettingsAndTheFile) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    const std::string basic = kTitle23 + "\n" + kSampleLine23 + "\n";
    const struct {
        const char* before;  // nullptr: no file yet
        bool lfCode, noTitle;
        int form;
        std::string after;
    } cases[] = {
        {nullptr, true, false, 0, basic},
        {"", true, false, 0, basic},
        {"x", true, false, 0, "x" + kSampleLine23 + "\n"},
        {nullptr, true, true, 0, kSampleLine23 + "\n"},
        {nullptr, false, false, 1, kTitle28 + "\r\n" + kSampleLine23 + kSampleNewColumns + "\r\n"},
        {nullptr, true, false, 2, basic},
        {nullptr, true, false, -1, basic},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = std::to_string(++n) + ".csv";
        if (c.before) {
            dir.Write(name, c.before);
        }
        EXPECT_EQ(CsvExportResult::Written, Export(dir.File(name), c.lfCode, c.noTitle, c.form));
        EXPECT_EQ(c.after, dir.Read(name)) << "case " << n;
    }
    std::string second = kSampleLine23;
    second.replace(second.find("01mr03aa.1234.5678.9.10"), 23, "second");
    EXPECT_EQ(CsvExportResult::Written,
              Export(dir.File("1.csv"), true, false, 0, SampleWorkUnit("second")));
    EXPECT_EQ(basic + second + "\n", dir.Read("1.csv"));
}

// Missing records open nothing. A file that can't be opened, is locked by another program (or
// another Vantrel), or can take only part of the line (the size limit leaves room for 40 more
// bytes) fails and stays as it was.
TEST(CsvExport, FailedExportLeavesTheFileAsItWas) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    WorkUnitInfo missingUnit = SampleWorkUnit();
    missingUnit.found = false;
    AnalysisState missingState = SampleState();
    missingState.found = false;
    EXPECT_EQ(CsvExportResult::NothingToExport,
              Export(dir.File("a.csv"), true, false, 0, missingUnit));
    EXPECT_EQ(CsvExportResult::NothingToExport,
              Export(dir.File("a.csv"), true, false, 0, SampleWorkUnit(), missingState));
    for (const std::string& path : {dir.File("missing/log.csv"), dir.path(), std::string()}) {
        EXPECT_EQ(CsvExportResult::Failed, Export(path)) << path;
    }
    EXPECT_EQ(ListDirectory(dir.path()), std::vector<std::string>());

    const std::string before = kTitle23 + "\n" + kSampleLine23 + "\n";
    dir.Write("held.csv", before);
    const int fd = open(dir.File("held.csv").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
    EXPECT_EQ(CsvExportResult::Failed, Export(dir.File("held.csv")));
    close(fd);

    // SIGXFSZ ignored, so that an oversized write fails with EFBIG instead of ending the process.
    dir.Write("empty.csv", "");
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    for (const auto& [name, room] : {std::pair{"held.csv", before.size()}, {"empty.csv", 0ul}}) {
        rlimit limit = previous;
        limit.rlim_cur = room + 40;
        EXPECT_EQ(0, setrlimit(RLIMIT_FSIZE, &limit));
        EXPECT_EQ(CsvExportResult::Failed, Export(dir.File(name)));
        setrlimit(RLIMIT_FSIZE, &previous);
    }
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(before, dir.Read("held.csv"));
    EXPECT_EQ("", dir.Read("empty.csv"));

    EXPECT_EQ(CsvExportResult::Written, Export(dir.File("held.csv")));
    EXPECT_EQ(before + kSampleLine23 + "\n", dir.Read("held.csv"));
}

// An unknown receipt time leaves its field empty; a zero rate or progress gives 0 rather than a
// division; any other divisor, however small, is used.
TEST(CsvLineFormat, ZeroesAndUnknownsGiveEmptyOrZeroFields) {
    ScopedTimeZone utc("UTC");
    WorkUnitInfo wu = SampleWorkUnit("unit");
    AnalysisState state = SampleState();
    wu.file_time = 0;
    wu.subband_sample_rate = 0.0;
    state.prog = 0.0;
    EXPECT_EQ(
        "2023/11/14 22:13:20,\"unit\",,26,16,2000/01/01 12:00:00,5.123,17.88,5.250,18.00,"
        "1420078125.00,1420087890.60,0.00,1048576,0.000,0.000000,1234.500,0.000,1.500000,"
        "20.123457,0.750000,2.500000,1.234567\n",
        LineFor(wu, state));
    wu.subband_sample_rate = 0.5;
    state.prog = 1e-9;
    state.cpu = 1.0;
    EXPECT_EQ(
        "2023/11/14 22:13:20,\"unit\",,26,16,2000/01/01 12:00:00,5.123,17.88,5.250,18.00,"
        "1420078125.00,1420087890.60,0.50,1048576,2097152.000,0.000000,1.000,1000000000.000,"
        "1.500000,20.123457,0.750000,2.500000,1.234567\n",
        LineFor(wu, state));
}

// The first six fields: update and receipt in local time (also past January 2038), the name
// and versions as they are (the splitter version is read as hexadecimal, written as unsigned
// decimal), and the recording time in UT, empty when the Julian date is absent or refused: the
// export's own clock must not show up there.
TEST(CsvLineFormat, LeadingFieldsFollowTheRecordsAndTheTimeZone) {
    Clock::Set(kUpdateTime);
    WorkUnitInfo future = SampleWorkUnit();
    future.file_time = 4102444800 + 61;  // 2100-01-01 00:01:01 UTC
    WorkUnitInfo parsed;
    char header[] = "version=3\nsplitter_version=10\nend_seti_header\n";
    parsed.Parse(header);
    WorkUnitInfo wide = SampleWorkUnit("");
    wide.splitter_version = 0xffffffffu;
    const std::string head = "2023/11/14 22:13:20,\"01mr03aa.1234.5678.9.10\",2001/09/09 01:46:40,";
    const struct {
        const char* zone;
        WorkUnitInfo wu;
        std::int64_t updateTime;
        std::string leadingFields;
    } cases[] = {
        {"JST-9", SampleWorkUnit(), kUpdateTime,
         "2023/11/15 07:13:20,\"01mr03aa.1234.5678.9.10\",2001/09/09 10:46:40,26,16,"
         "2000/01/01 12:00:00,"},
        {"UTC", future, 4102444800,
         "2100/01/01 00:00:00,\"01mr03aa.1234.5678.9.10\","
         "2100/01/01 00:01:01,26,16,2000/01/01 12:00:00,"},
        {"UTC", SampleWorkUnit("a,b \"c\""), kUpdateTime,
         "2023/11/14 22:13:20,\"a,b \"c\"\",2001/09/09 01:46:40,26,16,2000/01/01 12:00:00,"},
        {"UTC", parsed, kUpdateTime, "2023/11/14 22:13:20,\"\",,3,16,,"},
        {"UTC", wide, kUpdateTime,
         "2023/11/14 22:13:20,\"\",2001/09/09 01:46:40,26,4294967295,2000/01/01 12:00:00,"},
        {"UTC", RecordedAt(2469807.5), kUpdateTime, head + "26,16,,"},  // 2050-01-01 00:00
        {"UTC", RecordedAt(2451545.25), kUpdateTime, head + "26,16,2000/01/01 18:00:00,"},
    };
    for (const auto& c : cases) {
        ScopedTimeZone zone(c.zone);
        const std::string line = LineFor(c.wu, SampleState(), c.updateTime);
        EXPECT_EQ(c.leadingFields, line.substr(0, c.leadingFields.size())) << line;
    }
    Clock::UseSystemClock();
}
