// The CSV log on a file system that fills up part-way through a line: the export fails and the
// log is byte for byte as it was, wherever the write is cut.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <optional>
#include <string>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "faults/child_process.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

CsvExportResult Export(const std::string& path, bool lfCode, int form) {
    CsvExportSettings settings;
    settings.path = path;
    settings.lfCode = lfCode;
    settings.form = form;
    return AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(), SampleState());
}

// Puts the log back to before (nullopt: no file).
void Restore(const TempDir& dir, const std::string& name,
             const std::optional<std::string>& before) {
    dir.Remove(name);
    if (before) {
        dir.Write(name, *before);
    }
}

// Cuts the export into an existing or missing log at every byte of what it adds.
void CheckEveryCutPoint(const TempDir& dir, const std::optional<std::string>& before, bool lfCode,
                        int form) {
    const std::string name = "log.csv";
    const std::string path = dir.File(name);
    Restore(dir, name, before);
    ASSERT_EQ(CsvExportResult::Written, Export(path, lfCode, form));
    const std::string after = Contents(path);
    const std::string old = before.value_or("");
    ASSERT_EQ(old, after.substr(0, old.size()));
    const size_t added = after.size() - old.size();

    for (size_t cut = 0; cut < added; ++cut) {
        Restore(dir, name, before);
        SetFileSizeLimit(old.size() + cut);
        const CsvExportResult result = Export(path, lfCode, form);
        SetFileSizeLimit(RLIM_INFINITY);
        EXPECT_EQ(CsvExportResult::Failed, result) << "cut after " << cut << " bytes";
        // A missing log may be left created but empty; it then gets its title on the next export.
        const std::string left = Contents(path);
        EXPECT_TRUE(left == (before ? *before : "<missing>") || (!before && left.empty()))
            << "cut after " << cut << " bytes left " << left.size() << " bytes";
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
    // Room for exactly the whole line.
    Restore(dir, name, before);
    SetFileSizeLimit(old.size() + added);
    EXPECT_EQ(CsvExportResult::Written, Export(path, lfCode, form));
    SetFileSizeLimit(RLIM_INFINITY);
    EXPECT_EQ(after, Contents(path));
}

}  // namespace

TEST(CsvDiskFull, NoCutPointLeavesPartOfALine) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    const ChildOutcome outcome = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const std::string earlier = kTitle23 + "\n" + kSampleLine23 + "\n";
        for (bool lfCode : {true, false}) {
            for (int form : {0, 1}) {
                SCOPED_TRACE(::testing::Message() << "lfCode " << lfCode << ", form " << form);
                CheckEveryCutPoint(dir, std::nullopt, lfCode, form);  // title and line
                CheckEveryCutPoint(dir, std::string(), lfCode, form);
                CheckEveryCutPoint(dir, earlier, lfCode, form);  // the line alone
                if (::testing::Test::HasFailure()) {
                    return;
                }
            }
        }
    });
    EXPECT_EQ(ChildOutcome::Passed, outcome);
}
