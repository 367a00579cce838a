#include "export/csv_export.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "export/export_test_support.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

CsvExportSettings SettingsFor(const std::string& path, bool lfCode = true, bool noTitle = false,
                              int form = 0) {
    CsvExportSettings settings;
    settings.path = path;
    settings.lfCode = lfCode;
    settings.noTitle = noTitle;
    settings.form = form;
    return settings;
}

CsvExportResult Export(const CsvExportSettings& settings, const WorkUnitInfo& wu = SampleWorkUnit(),
                       const AnalysisState& state = SampleState()) {
    return AppendCsvLine(settings, CTime(kUpdateTime), wu, state);
}

// Caps the size of files this process may write, with SIGXFSZ ignored so that an oversized
// write fails with EFBIG instead of ending the process. Both are put back afterwards.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_active = false;
};

}  // namespace

TEST(CsvExport, TitleOnlyAtTheStartOfAnEmptyFileAndOnlyWhenWanted) {
    ScopedTimeZone utc("UTC");
    TempDir dir;

    // A missing file is created and starts with the title line.
    EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File("new.csv"))));
    EXPECT_EQ(kTitle23 + "\n" + kSampleLine23 + "\n", dir.Read("new.csv"));

    // So does an existing empty file.
    dir.Write("empty.csv", "");
    EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File("empty.csv"))));
    EXPECT_EQ(kTitle23 + "\n" + kSampleLine23 + "\n", dir.Read("empty.csv"));

    // A non-empty file never gets one, whatever its contents.
    dir.Write("old.csv", "x");
    EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File("old.csv"))));
    EXPECT_EQ("x" + kSampleLine23 + "\n", dir.Read("old.csv"));

    // noTitle: never.
    EXPECT_EQ(CsvExportResult::Written,
              Export(SettingsFor(dir.File("bare.csv"), true, /*noTitle=*/true)));
    EXPECT_EQ(kSampleLine23 + "\n", dir.Read("bare.csv"));
}

TEST(CsvExport, LineEndsAndLayoutFollowTheSettings) {
    ScopedTimeZone utc("UTC");
    TempDir dir;

    EXPECT_EQ(CsvExportResult::Written,
              Export(SettingsFor(dir.File("crlf.csv"), /*lfCode=*/false, false, /*form=*/1)));
    const std::string crlf = dir.Read("crlf.csv");
    EXPECT_EQ(kTitle28 + "\r\n" + kSampleLine23 + kSampleNewColumns + "\r\n", crlf);
    EXPECT_EQ(CountOf(crlf, "\n"), CountOf(crlf, "\r\n"));

    // Any form other than exactly 1 is the basic layout.
    for (int form : {0, 2, -1}) {
        const std::string name = "form" + std::to_string(form) + ".csv";
        EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File(name), true, false, form)));
        EXPECT_EQ(kTitle23 + "\n" + kSampleLine23 + "\n", dir.Read(name)) << form;
        EXPECT_EQ(0, CountOf(dir.Read(name), "\r"));
    }
}

TEST(CsvExport, EachExportAppendsOneLine) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    const CsvExportSettings settings = SettingsFor(dir.File("log.csv"));
    EXPECT_EQ(CsvExportResult::Written, Export(settings));
    EXPECT_EQ(CsvExportResult::Written, Export(settings, SampleWorkUnit("second")));

    std::string second = kSampleLine23;
    second.replace(second.find("01mr03aa.1234.5678.9.10"), 23, "second");
    EXPECT_EQ(kTitle23 + "\n" + kSampleLine23 + "\n" + second + "\n", dir.Read("log.csv"));
}

TEST(CsvExport, NothingToExportOpensNothing) {
    TempDir dir;
    WorkUnitInfo missingUnit = SampleWorkUnit();
    missingUnit.found = false;
    AnalysisState missingState = SampleState();
    missingState.found = false;

    EXPECT_EQ(CsvExportResult::NothingToExport,
              Export(SettingsFor(dir.File("a.csv")), missingUnit, SampleState()));
    EXPECT_EQ(CsvExportResult::NothingToExport,
              Export(SettingsFor(dir.File("a.csv")), SampleWorkUnit(), missingState));
    EXPECT_FALSE(dir.Exists("a.csv"));
}

TEST(CsvExport, UnopenableOrLockedFileFailsAndStaysAsItWas) {
    TempDir dir;
    EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor(dir.File("missing/log.csv"))));
    EXPECT_FALSE(dir.Exists("missing"));
    EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor(dir.path())));  // a directory
    EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor("")));

    // Another program (or another Vantrel) holds the file.
    dir.Write("held.csv", "held\n");
    const int fd = open(dir.File("held.csv").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
    EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor(dir.File("held.csv"))));
    EXPECT_EQ("held\n", dir.Read("held.csv"));
    close(fd);
    EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File("held.csv"))));
}

TEST(CsvExport, WriteFailingPartWayLeavesTheFileAsItWas) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    const std::string before = kTitle23 + "\n" + kSampleLine23 + "\n";
    dir.Write("full.csv", before);
    dir.Write("empty.csv", "");
    {
        // Room for only part of the next line (and, in the empty file, part of the title).
        ScopedFileSizeLimit limit(before.size() + 40);
        ASSERT_TRUE(limit.active());
        EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor(dir.File("full.csv"))));
        ScopedFileSizeLimit smaller(40);
        ASSERT_TRUE(smaller.active());
        EXPECT_EQ(CsvExportResult::Failed, Export(SettingsFor(dir.File("empty.csv"))));
    }
    EXPECT_EQ(before, dir.Read("full.csv"));
    EXPECT_EQ("", dir.Read("empty.csv"));

    // With the limit gone the same export goes through.
    EXPECT_EQ(CsvExportResult::Written, Export(SettingsFor(dir.File("full.csv"))));
    EXPECT_EQ(before + kSampleLine23 + "\n", dir.Read("full.csv"));
}
