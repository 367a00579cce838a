// The CSV log and the plot files on a real file system that runs full: a 64 KiB tmpfs, mounted in
// a child's own mount namespace so that no other process sees it. Needs root (or the right to
// mount); skipped elsewhere.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "faults/child_process.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

const size_t kPage = static_cast<size_t>(sysconf(_SC_PAGESIZE));  // tmpfs hands out whole pages
constexpr const char* kUnit = "07ja99ab.9999.1234.56.7";

void MountSmallTmpfs(const std::string& dir) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
        mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) {
        SkipChild(std::string("cannot mount a tmpfs here: ") + std::strerror(errno));
    }
}

// Takes every free page of the file system into one file.
void Fill(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    const std::string page(kPage, 'f');
    while (write(fd, page.data(), page.size()) > 0) {
    }
    EXPECT_EQ(ENOSPC, errno);
    close(fd);
}

CsvExportResult Export(const std::string& path) {
    CsvExportSettings settings;
    settings.path = path;
    return AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(), SampleState());
}

void CheckOutcome(ChildOutcome outcome) {
    if (outcome == ChildOutcome::Skipped) {
        GTEST_SKIP() << "no permission to mount a tmpfs";
    }
    EXPECT_EQ(ChildOutcome::Passed, outcome);
}

}  // namespace

TEST(SmallFileSystem, FullDiskLeavesNoPartOfACsvLine) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    CheckOutcome(RunInChild([&] {
        MountSmallTmpfs(dir.path());
        const std::string path = dir.File("log.csv");

        // An empty log: not even the title goes in.
        dir.Write("log.csv", "");
        Fill(dir.File("filler"));
        EXPECT_EQ(CsvExportResult::Failed, Export(path));
        EXPECT_EQ("", Contents(path));

        // The log's last page has room bytes left and no page is free: the write stops there.
        const std::string line = kSampleLine23 + "\n";
        for (size_t room = 0; room <= line.size(); ++room) {
            dir.Remove("filler");
            const std::string before = std::string(kPage - room - 1, 'x') + "\n";
            dir.Write("log.csv", before);
            Fill(dir.File("filler"));
            if (room < line.size()) {
                EXPECT_EQ(CsvExportResult::Failed, Export(path)) << room;
                EXPECT_EQ(before, Contents(path)) << room;
            } else {
                EXPECT_EQ(CsvExportResult::Written, Export(path));
                EXPECT_EQ(before + line, Contents(path));
            }
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }));
}

TEST(SmallFileSystem, FullDiskLeavesOldOrWholePlotFiles) {
    TempDir dir;
    CheckOutcome(RunInChild([&] {
        MountSmallTmpfs(dir.path());
        const std::string dat = std::string(kUnit) + ".dat";
        const std::string plt = std::string(kUnit) + ".plt";
        const std::string newDat = FormatPlotData(SampleState()).str();
        const std::string newPlt = FormatPlotScript(SampleWorkUnit(kUnit), SampleState()).str();
        dir.Write(dat, "old data\r\n");
        dir.Write(plt, "old script\r\n");
        Fill(dir.File("filler"));

        // Give the file system back one page at a time until both files fit.
        for (;;) {
            const bool written =
                WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState());
            const std::string nowDat = Contents(dir.File(dat));
            const std::string nowPlt = Contents(dir.File(plt));
            EXPECT_TRUE(nowDat == "old data\r\n" || nowDat == newDat);
            EXPECT_TRUE(nowPlt == "old script\r\n" || (nowPlt == newPlt && nowDat == newDat));
            EXPECT_EQ(written, nowPlt == newPlt);
            EXPECT_EQ((std::vector<std::string>{dat, plt, "filler"}), ListDirectory(dir.path()));
            const off_t filler = static_cast<off_t>(Contents(dir.File("filler")).size());
            if (::testing::Test::HasFailure() || written) {
                return;
            }
            ASSERT_NE(0, filler) << "not written even with the filler gone";
            ASSERT_EQ(0, truncate(dir.File("filler").c_str(), filler - static_cast<off_t>(kPage)));
        }
    }));
}
