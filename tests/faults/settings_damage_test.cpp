// A settings file damaged from outside the program: reading gives the defaults (or what is still
// whole) and never crashes; the next write works or fails leaving the file as it was.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "export/export_test_support.h"
#include "faults/child_process.h"
#include "platform/base/settings_store.h"
#include "support/temp_dir.h"

using export_test::ListDirectory;

namespace {

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

}  // namespace

TEST(SettingsDamage, RandomBytesGiveTheDefaultsAndAreWrittenOver) {
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
}

TEST(SettingsDamage, CutFileKeepsItsWholeLines) {
    TempDir dir;
    SettingsStore store(dir.File("settings"));
    const std::string whole = SettingsStore::FormatSettings(kSaved);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const std::string text = whole.substr(0, cut);
        // The lines up to the last line end are read as they were. A last line cut short may
        // still read, as what is left of it (a hand-edited file need not end in a line end).
        const SettingsStore::Entries wholeLines =
            SettingsStore::ParseSettings(text.substr(0, text.rfind('\n') + 1));
        const SettingsStore::Entries read = SettingsStore::ParseSettings(text);
        for (const auto& [name, value] : wholeLines) {
            EXPECT_EQ(kSaved.at(name), value) << cut;
            EXPECT_EQ(value, read.at(name)) << cut;
        }
        EXPECT_LE(read.size(), wholeLines.size() + 1) << cut;
        for (const auto& entry : read) {
            EXPECT_EQ(1u, kSaved.count(entry.first)) << cut;
        }
        dir.Write("settings", text);
        EXPECT_TRUE(store.WriteInt("Timer", "Interval", 5)) << cut;
        EXPECT_EQ(5, store.GetInt("Timer", "Interval", 0)) << cut;
    }
}

TEST(SettingsDamage, HugeLinesArePassedOver) {
    TempDir dir;
    SettingsStore store(dir.File("settings"));
    const std::string longPath(1 << 20, 'p');
    dir.Write("settings", "[Timer]\n" + std::string(16 << 20, '\x01') + "\nInterval=int:9\n" +
                              "[Export]\nPath=str:" + longPath + "\n");
    EXPECT_EQ(9, store.GetInt("Timer", "Interval", 0));
    EXPECT_EQ(longPath, store.GetString("Export", "Path", "").str());
    EXPECT_TRUE(store.WriteInt("TAB", "OFSET", 1));
    EXPECT_EQ(
        SettingsStore::FormatSettings(
            {{{"Export", "Path"}, longPath}, {{"TAB", "OFSET"}, 1}, {{"Timer", "Interval"}, 9}}),
        dir.Read("settings"));
}

TEST(SettingsDamage, DirectoryInPlaceOfTheFile) {
    TempDir dir;
    SettingsStore store(dir.File("settings"));
    std::filesystem::create_directory(dir.File("settings"));
    ExpectDefaults(store);
    EXPECT_FALSE(store.WriteInt("TAB", "OFSET", 1));
    EXPECT_FALSE(store.WriteString("Export", "Path", "/x.csv"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("settings")));
    EXPECT_EQ(std::vector<std::string>{"settings"}, ListDirectory(dir.path()));
}

// A file the user can't read (say, left by a run as another user): the defaults, and a write
// fails rather than replace settings it never saw.
TEST(SettingsDamage, UnreadableFileIsNotWrittenOver) {
    TempDir dir;
    const std::string whole = SettingsStore::FormatSettings(kSaved);
    dir.Write("settings", whole);
    ASSERT_EQ(0, chmod(dir.File("settings").c_str(), 0));
    const ChildOutcome outcome = RunInChild([&] {
        if (geteuid() == 0) {
            // Root reads anything: become nobody, who owns the directory but not the file.
            constexpr uid_t kNobody = 65534;
            if (chown(dir.path().c_str(), kNobody, kNobody) != 0 || setgroups(0, nullptr) != 0 ||
                setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                SkipChild("cannot become another user");
            }
        }
        if (access(dir.File("settings").c_str(), R_OK) == 0) {
            SkipChild("this user reads files without read permission");
        }
        SettingsStore store(dir.File("settings"));
        ExpectDefaults(store);
        EXPECT_FALSE(store.WriteInt("TAB", "OFSET", 1));
    });
    if (outcome == ChildOutcome::Skipped) {
        GTEST_SKIP() << "no unreadable file can be made here";
    }
    EXPECT_EQ(ChildOutcome::Passed, outcome);
    EXPECT_EQ(whole, dir.Read("settings"));
    EXPECT_EQ(std::vector<std::string>{"settings"}, ListDirectory(dir.path()));
}
