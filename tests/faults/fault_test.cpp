// Fault tests: the CSV log and the plot files on a full disk (a file size limit cut at every
// byte), and the settings file damaged from outside or its writer killed mid-write. Faults that
// change the process (limits, signals, user) run in a forked child so nothing leaks.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "export/plot_export.h"
#include "faults/child_process.h"
#include "platform/base/settings_store.h"
#include "platform/ui/cwinapp.h"
#include "res/settings.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

// The whole file, or "<missing>".
std::string Contents(const TempDir& dir, const std::string& name) {
    return dir.Exists(name) ? dir.Read(name) : "<missing>";
}

constexpr const char* kUnit = "07ja99ab.9999.1234.56.7";
const std::string kDat = std::string(kUnit) + ".dat";
const std::string kPlt = std::string(kUnit) + ".plt";

CsvExportResult Export(const std::string& path) {
    CsvExportSettings settings;
    settings.path = path;
    return AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(), SampleState());
}

bool WritePlots(const TempDir& dir) {
    return WritePlotFiles(dir.File("log.csv"), SampleWorkUnit(kUnit), SampleState());
}

// Empties the directory and puts the given files back; "<missing>" leaves one out.
void Put(const TempDir& dir, const std::vector<std::pair<std::string, std::string>>& files) {
    for (const std::string& name : ListDirectory(dir.path())) {
        dir.Remove(name);
    }
    for (const auto& [name, text] : files) {
        if (text != "<missing>") {
            dir.Write(name, text);
        }
    }
}

// Every file size limit from what the log held to room for all the export adds. Every layout and
// line end goes out in the same single append, so the basic one stands for them.
void CheckCsvCuts(const TempDir& dir) {
    const std::string path = dir.File("log.csv");
    const std::string earlier = kTitle23 + "\n" + kSampleLine23 + "\n";
    // A missing log (title and line go in), an empty one and one with a line.
    for (const std::string& old : {std::string("<missing>"), std::string(), earlier}) {
        Put(dir, {{"log.csv", old}});
        ASSERT_EQ(CsvExportResult::Written, Export(path));
        const std::string after = Contents(dir, "log.csv");
        const size_t base = old == "<missing>" ? 0 : old.size();
        for (size_t limit = base; limit <= after.size() && !testing::Test::HasFailure(); ++limit) {
            SCOPED_TRACE(::testing::Message() << "old " << old.size() << " limit " << limit);
            Put(dir, {{"log.csv", old}});
            SetFileSizeLimit(limit);
            const CsvExportResult result = Export(path);
            SetFileSizeLimit(RLIM_INFINITY);
            const bool fits = limit == after.size();
            EXPECT_EQ(fits, result == CsvExportResult::Written);
            // A missing log may be left created but empty.
            const std::string left = Contents(dir, "log.csv");
            EXPECT_TRUE(left == (fits ? after : old) || (old == "<missing>" && left.empty()))
                << left.size() << " bytes left";
        }
    }
}

// Every file size limit from nothing to room for both plot files, over old files or none: with
// room, both are replaced whole and no temporary file stays.
void CheckPlotCuts(const TempDir& dir) {
    const std::string dat = FormatPlotData(SampleState()).str();
    const std::string plt = FormatPlotScript(SampleWorkUnit(kUnit), SampleState()).str();
    for (const auto& [oldDat, oldPlt] :
         {std::pair<std::string, std::string>{"<missing>", "<missing>"},
          std::pair<std::string, std::string>{"old data\r\n", "old script\r\n"}}) {
        for (size_t limit = 0;
             limit <= std::max(dat.size(), plt.size()) && !testing::Test::HasFailure(); ++limit) {
            Put(dir, {{kDat, oldDat}, {kPlt, oldPlt}});
            SetFileSizeLimit(limit);
            const bool written = WritePlots(dir);
            SetFileSizeLimit(RLIM_INFINITY);
            // The data file goes first; the script only once the data file is in place.
            const bool datFits = limit >= dat.size();
            const bool pltFits = datFits && limit >= plt.size();
            EXPECT_EQ(pltFits, written) << limit;
            EXPECT_EQ(datFits ? dat : oldDat, Contents(dir, kDat)) << limit;
            EXPECT_EQ(pltFits ? plt : oldPlt, Contents(dir, kPlt)) << limit;
            for (const std::string& name : ListDirectory(dir.path())) {
                EXPECT_TRUE(name == kDat || name == kPlt) << name << ", limit " << limit;
            }
        }
    }
}

const SettingsStore::Entries kSaved = {
    {{"Export", "Path"}, std::string("/home/u/logs/export.csv")},
    {{"TAB", "OFSET"}, 2},
    {{"Timer", "Interval"}, 1440},
};

void ExpectDefaults(const SettingsStore& store) {
    EXPECT_EQ(-7, store.GetInt("Timer", "Interval", -7));
    EXPECT_EQ(-7, store.GetInt("TAB", "OFSET", -7));
    EXPECT_EQ("none", store.GetString("Export", "Path", "none"));
}

// Long, and of a length that changes with n, so that a write takes a while and a cut file shows.
std::string PathFor(int n) {
    return "/exports/" +
           std::string(static_cast<size_t>(n % 97) * 400, static_cast<char>('a' + n % 26));
}

// Writes interval n, then PathFor(n), for n = 1, 2, ... from where the file stands, until killed:
// every whole write is (n, PathFor(n - 1)) or (n, PathFor(n)).
[[noreturn]] void WriteUntilKilled(const std::string& path, int readyFd) {
    SettingsStore store(path);
    int n = store.GetInt("Timer", "Interval", 0);
    if (!store.WriteString("Export", "Path", PathFor(n).c_str()) || write(readyFd, "r", 1) != 1) {
        _exit(2);
    }
    for (++n; store.WriteInt("Timer", "Interval", n) &&
              store.WriteString("Export", "Path", PathFor(n).c_str());
         ++n) {
    }
    _exit(3);
}

void CheckWholeWrite(const std::string& text, int& lastInterval) {
    const SettingsStore::Entries entries = SettingsStore::ParseSettings(text);
    ASSERT_EQ(text, SettingsStore::FormatSettings(entries)) << "the file is not one whole write";
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(SettingsStore::Value(3), entries.at({"TAB", "OFSET"}));
    const int n = std::get<int>(entries.at({"Timer", "Interval"}));
    const std::string& exportPath = std::get<std::string>(entries.at({"Export", "Path"}));
    EXPECT_TRUE(exportPath == PathFor(n) || exportPath == PathFor(n - 1)) << n;
    EXPECT_GE(n, lastInterval) << "the file went back to an older write";
    lastInterval = n;
}

}  // namespace

TEST(DiskFull, NoFileSizeLimitLeavesPartOfACsvLineOrOfAPlotFile) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        CheckCsvCuts(dir);
        CheckPlotCuts(dir);
    });
}

TEST(SettingsFaults, DamagedFilesGiveTheDefaultsAndAreWrittenOver) {
    TempDir dir;
    SettingsStore store(dir.File("settings"));
    std::mt19937 random(7);
    for (size_t size : {1, 100, 4096, 1 << 20}) {
        std::string bytes(size, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        dir.Write("settings", bytes);
        ExpectDefaults(store);
        EXPECT_TRUE(store.WriteInt("TAB", "OFSET", 4));
        EXPECT_EQ(SettingsStore::FormatSettings({{{"TAB", "OFSET"}, 4}}), dir.Read("settings"));
    }

    // A file cut anywhere keeps its whole lines and takes the next write.
    const std::string whole = SettingsStore::FormatSettings(kSaved);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const std::string text = whole.substr(0, cut);
        const SettingsStore::Entries wholeLines =
            SettingsStore::ParseSettings(text.substr(0, text.rfind('\n') + 1));
        for (const auto& [name, value] : wholeLines) {
            EXPECT_EQ(kSaved.at(name), value) << cut;
        }
        dir.Write("settings", text);
        EXPECT_TRUE(store.WriteInt("Timer", "Interval", 5)) << cut;
        EXPECT_EQ(5, store.GetInt("Timer", "Interval", 0)) << cut;
    }

    // Huge lines are passed over.
    const std::string longPath(1 << 20, 'p');
    dir.Write("settings", "[Timer]\n" + std::string(16 << 20, '\x01') + "\nInterval=int:9\n" +
                              "[Export]\nPath=str:" + longPath + "\n");
    EXPECT_EQ(9, store.GetInt("Timer", "Interval", 0));
    EXPECT_EQ(longPath, store.GetString("Export", "Path", "").str());

    // A directory in place of the file stays, and nothing but the writers' lock is beside it.
    dir.Remove("settings");
    std::filesystem::create_directory(dir.File("settings"));
    ExpectDefaults(store);
    EXPECT_FALSE(store.WriteString("Export", "Path", "/x.csv"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("settings")));
    EXPECT_EQ((std::vector<std::string>{"settings", "settings.lock"}), ListDirectory(dir.path()));
}

// A file the user can't read (left by a run as another user): the defaults, and a write fails
// rather than replace settings it never saw.
TEST(SettingsFaults, UnreadableFileIsNotWrittenOver) {
    TempDir dir;
    const std::string whole = SettingsStore::FormatSettings(kSaved);
    dir.Write("settings", whole);
    ASSERT_EQ(0, chmod(dir.File("settings").c_str(), 0));
    RunInChild([&] {
        constexpr uid_t kNobody = 65534;  // root reads anything: become nobody
        if (geteuid() == 0 &&
            (chown(dir.path().c_str(), kNobody, kNobody) != 0 || setgroups(0, nullptr) != 0 ||
             setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            SkipChild("cannot become another user");
        }
        if (access(dir.File("settings").c_str(), R_OK) == 0) {
            SkipChild("this user reads files without read permission");
        }
        SettingsStore store(dir.File("settings"));
        ExpectDefaults(store);
        EXPECT_FALSE(store.WriteInt("TAB", "OFSET", 1));
    });
    EXPECT_EQ(whole, dir.Read("settings"));
    EXPECT_EQ((std::vector<std::string>{"settings", "settings.lock"}), ListDirectory(dir.path()));
}

TEST(SettingsFaults, KilledWritesLeaveAWholeFile) {
    TempDir dir;
    const std::string path = dir.File("settings");
    SettingsStore store(path);
    ASSERT_TRUE(store.WriteInt("TAB", "OFSET", 3));
    ASSERT_TRUE(store.WriteInt("Timer", "Interval", 0));
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> microseconds(0, 4000);
    int lastInterval = 0;
    for (int round = 0; round < 200 && !HasFailure(); ++round) {
        int ready[2];
        ASSERT_EQ(0, pipe(ready));
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(ready[0]);
            WriteUntilKilled(path, ready[1]);
        }
        close(ready[1]);
        char byte = 0;
        // The first write succeeds although earlier kills may have left temporary files.
        EXPECT_EQ(1, read(ready[0], &byte, 1)) << "round " << round;
        close(ready[0]);
        usleep(static_cast<useconds_t>(microseconds(random)));
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself in round " << round;
        CheckWholeWrite(dir.Read("settings"), lastInterval);
    }
    for (const std::string& name : ListDirectory(dir.path())) {
        EXPECT_TRUE(name == "settings" || name == "settings.lock" ||
                    name.rfind(".settings.vantrel-new.", 0) == 0)
            << name;
    }
    EXPECT_TRUE(store.WriteString("Export", "Path", PathFor(lastInterval).c_str()));
    CheckWholeWrite(dir.Read("settings"), lastInterval);
}

// A kept client list whose Count says two thousand million: the settings are read once and the
// folders that are there are taken; adding and removing one writes only keys that are there.
TEST(SettingsFaults, AHugeClientCountTakesOnlyTheFoldersThere) {
    constexpr unsigned kTimeLimit = 20;
    TempDir config;
    TempDir a, b, c;
    const ScopedEnv configHome("XDG_CONFIG_HOME", config.path());
    std::filesystem::create_directories(config.File("Halvorn/Vantrel"));
    config.Write("Halvorn/Vantrel/settings",
                 "[Clients]\nCount=int:2147483647\nFolder1=str:" + a.path() +
                     "\nFolder3=str:" + b.path() + "\nFolder9=str:\n");
    RunInChild(
        [&] {
            CWinApp app("Vantrel");
            app.SetRegistryKey("Halvorn");
            EXPECT_EQ(LoadClientFolders(app), (std::vector<CString>{a.path(), b.path()}));
            EXPECT_TRUE(AddKeptClientFolder(app, CString(c.path())));
            EXPECT_TRUE(RemoveKeptClientFolder(app, CString(a.path())));
            EXPECT_EQ(LoadClientFolders(app), (std::vector<CString>{b.path(), c.path()}));
            const SettingsStore::Entries entries = app.GetProfileEntries();
            EXPECT_EQ(entries, (SettingsStore::Entries{{{"Clients", "Count"}, 2},
                                                       {{"Clients", "Folder1"}, b.path()},
                                                       {{"Clients", "Folder2"}, c.path()}}));
        },
        kTimeLimit);
}
