#include <gtest/gtest.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "export/export_test_support.h"
#include "platform/base/atomic_file.h"
#include "platform/base/cfile.h"
#include "platform/base/clock.h"
#include "platform/base/ctime.h"
#include "platform/base/exceptions.h"
#include "platform/base/paths.h"
#include "support/temp_dir.h"

TEST(PathsTest, FullPathResolvesTheDirectoryAsOpenDoes) {
    TempDir dir;
    const std::string real = std::filesystem::canonical(dir.path()).string();
    std::filesystem::create_directories(dir.File("a/b"));
    std::filesystem::create_directory_symlink(dir.File("a/b"), dir.File("link"));
    // "link/.." is the parent of the link's target, as the file system sees it, not dir itself.
    EXPECT_EQ(FullPath(dir.File("link/../log.csv").c_str()), CString(real + "/a/log.csv"));
    EXPECT_EQ(FullPath("/work_unit.sah"), CString("/work_unit.sah"));
    {
        ScopedWorkingDirectory cwd(dir.path());
        EXPECT_EQ(FullPath("state.sah"), CString(real + "/state.sah"));
        EXPECT_EQ(FullPath("./link/x"), CString(real + "/a/b/x"));
        EXPECT_FALSE(FullPath("missing/x"));
    }
    // An absolute path without dot parts is taken as it is, links and all.
    EXPECT_EQ(FullPath(dir.File("link/x").c_str()), CString(dir.File("link/x")));
    EXPECT_FALSE(ModuleFilePath().IsEmpty());
}

TEST(PathsTest, OnlyAbsolutePathsWithoutDotPartsArePlain) {
    for (const char* plain : {"/", "/a/b.csv", "/a/.hidden/b", "/a/..b", "/a/b.", "/a/b/"}) {
        EXPECT_TRUE(IsPlainAbsolutePath(plain)) << plain;
    }
    for (const char* dotted :
         {"", "a/b", "./a", "/.", "/..", "/a/./b", "/a/../b", "/a/.", "/a/..", "/a/../"}) {
        EXPECT_FALSE(IsPlainAbsolutePath(dotted)) << dotted;
    }
}

TEST(CFileTest, OpenReadWriteAndFailures) {
    TempDir dir;
    {
        CFile out(dir.File("a.txt").c_str(), CFile::modeWrite | CFile::modeCreate);
        out.Write("hello\n", 6);
    }
    CFile in(dir.File("a.txt").c_str(), CFile::modeRead | CFile::shareDenyNone);
    EXPECT_EQ(in.GetLength(), 6);
    char buffer[16] = {};
    EXPECT_EQ(in.Read(buffer, sizeof buffer), 6u);
    EXPECT_STREQ(buffer, "hello\n");
    EXPECT_EQ(in.GetFilePath(), dir.File("a.txt").c_str());

    try {
        CFile missing(dir.File("none").c_str(), CFile::modeRead);
        FAIL() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_lOsError, ENOENT);
    }
    EXPECT_THROW(CFile(dir.path().c_str(), CFile::modeRead), CFileException);
}

TEST(AtomicFileTest, ReplacesWholeOrNotAtAll) {
    TempDir dir;
    dir.Write("plot.dat", "old\n");
    ASSERT_TRUE(ReplaceFileAtomically(dir.File("plot.dat").c_str(), "new\n"));
    EXPECT_EQ(dir.Read("plot.dat"), "new\n");
    EXPECT_FALSE(ReplaceFileAtomically(dir.File("missing/plot.dat").c_str(), "x"));
    EXPECT_EQ(export_test::ListDirectory(dir.path()).size(), 1u) << "a temporary file was left";

    // A writer killed before its rename left the first two; a later write clears the old one
    // only. The user's own files stay, however like a temporary file they are named.
    const char* const kStale = ".plot.dat.vantrel-new.Ab12Cd";
    const char* const kKept[] = {".plot.dat.vantrel-new.Ef34Gh", "plot.dat.backup",
                                 "plot.dat.Ab12Cd", ".plot.dat.vantrel-new.toolong"};
    const struct timeval old[2] = {{1000, 0}, {1000, 0}};
    dir.Write(kStale, "stale");
    ASSERT_EQ(::utimes(dir.File(kStale).c_str(), old), 0);
    for (const char* name : kKept) {
        dir.Write(name, "not a leftover");
        if (std::string(name) != kKept[0]) {
            ASSERT_EQ(::utimes(dir.File(name).c_str(), old), 0);
        }
    }
    ASSERT_TRUE(ReplaceFileAtomically(dir.File("plot.dat").c_str(), "newer\n"));
    EXPECT_FALSE(dir.Exists(kStale));
    for (const char* name : kKept) {
        EXPECT_TRUE(dir.Exists(name)) << name;
    }
}

TEST(CTimeTest, LocalTimeTextAndTheSystemClock) {
    export_test::ScopedTimeZone japan("JST-9");
    // 2040-02-29 03:04:05 UTC, past the 32-bit limit.
    const CTime t(2214097445LL);
    EXPECT_EQ(t.Format("%Y/%m/%d %H:%M:%S"), "2040/02/29 12:04:05");
    EXPECT_EQ(CTime(INT64_MAX).Format("%Y"), "");
    // (The settable clock: every window test sets and advances it and checks the times shown.)
    Clock::UseSystemClock();
    EXPECT_GT(CTime::GetCurrentTime().GetTime(), 1700000000);
}
