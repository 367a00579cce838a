// Writes that must not be lost: two Vantrel processes (a user with two clients) changing one
// settings file and appending to one CSV log at once, a settings file that is a link, and the
// program itself hitting a file-size limit in the middle of an export.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "faults/child_process.h"
#include "platform/base/settings_store.h"
#include "platform/ui/cwinapp.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr int kProcesses = 4;
constexpr int kWritesEach = 40;

// Runs body(i) in kProcesses children at once; each must exit 0.
void RunTogether(const std::function<bool(int)>& body) {
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            _exit(body(i) ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer reported a failure";
    }
}

}  // namespace

// Every write reported done is in the file afterwards, whoever wrote at the same moment.
TEST(TwoInstances, NoSettingsWriteIsLost) {
    TempDir dir;
    const std::string path = dir.File("Halvorn/Vantrel/settings");
    RunTogether([&](int process) {
        SettingsStore store(path);
        for (int i = 0; i < kWritesEach; ++i) {
            const std::string key = "K" + std::to_string(process) + "_" + std::to_string(i);
            if (!store.WriteInt("Test", key.c_str(), i)) {
                return false;
            }
        }
        return true;
    });
    const SettingsStore store(path);
    int found = 0;
    for (int process = 0; process < kProcesses; ++process) {
        for (int i = 0; i < kWritesEach; ++i) {
            const std::string key = "K" + std::to_string(process) + "_" + std::to_string(i);
            found += store.GetInt("Test", key.c_str(), -1) == i;
        }
    }
    EXPECT_EQ(kProcesses * kWritesEach, found);
}

// Appends from several processes all land, each line whole, after one title line.
TEST(TwoInstances, NoCsvLineIsLost) {
    ScopedTimeZone utc("UTC");
    TempDir dir;
    RunTogether([&](int) {
        CsvExportSettings settings;
        settings.path = dir.File("log.csv");
        for (int i = 0; i < kWritesEach; ++i) {
            if (AppendCsvLine(settings, CTime(kUpdateTime), SampleWorkUnit(), SampleState()) !=
                CsvExportResult::Written) {
                return false;
            }
        }
        return true;
    });
    std::string expected = kTitle23 + "\n";
    for (int i = 0; i < kProcesses * kWritesEach; ++i) {
        expected += kSampleLine23 + "\n";
    }
    EXPECT_EQ(expected, dir.Read("log.csv"));
}

// A settings file kept as a link (a dotfiles manager's, relative, through a second link) stays
// a link; the file at the end of the chain takes the change.
TEST(TwoInstances, ASymlinkedSettingsFileStaysALink) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("dotfiles/vantrel"));
    std::filesystem::create_directories(dir.File("config"));
    dir.Write("dotfiles/vantrel/settings", SettingsStore::FormatSettings({{{"TAB", "OFSET"}, 2}}));
    std::filesystem::create_symlink("vantrel/settings", dir.File("dotfiles/current"));
    std::filesystem::create_symlink("../dotfiles/current", dir.File("config/settings"));
    SettingsStore store(dir.File("config/settings"));
    ASSERT_TRUE(store.WriteInt("Timer", "Interval", 5));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("config/settings")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dotfiles/current")));
    EXPECT_EQ(SettingsStore::FormatSettings({{{"TAB", "OFSET"}, 2}, {{"Timer", "Interval"}, 5}}),
              dir.Read("dotfiles/vantrel/settings"));
    // A link whose file does not exist yet: the file is made where the link points.
    std::filesystem::create_symlink("../dotfiles/new", dir.File("config/fresh"));
    ASSERT_TRUE(SettingsStore(dir.File("config/fresh")).WriteInt("TAB", "OFSET", 1));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("config/fresh")));
    EXPECT_EQ(1, SettingsStore(dir.File("dotfiles/new")).GetInt("TAB", "OFSET", -1));
}

// The program exporting into a log that has reached the file-size limit: it is not killed by
// SIGXFSZ half-way through the line; the export fails, says so and leaves the log as it was.
TEST(TwoInstances, AFileSizeLimitFailsTheExportWithoutKillingTheProgram) {
    TempDir client, config, logs;
    client.CopyClientFiles("sah");
    const std::string log = kTitle23 + "\n" + kSampleLine23 + "\n";
    logs.Write("log.csv", log);
    ASSERT_TRUE(SettingsStore(config.File("Halvorn/Vantrel/settings"))
                    .WriteString("Export", "Path", logs.File("log.csv").c_str()));
    client.Write("actions", "export\n");
    std::string json;
    const int status = client.Run({VANTREL_SCENARIO_PROGRAM}, json, [&] {
        // Room for 40 more bytes: the line needs more. Pipes have no size limit.
        SetFileSizeLimit(log.size() + 40);
        const int actions = open("actions", O_RDONLY);
        if (actions < 0 || dup2(actions, 0) < 0) {
            _exit(126);
        }
        setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    });
    EXPECT_EQ(0, status) << "128 and more: ended by a signal";
    EXPECT_NE(std::string::npos,
              json.find("\"messageBoxes\":[{\"text\":\"エクスポートできませんでした\""))
        << json;
    EXPECT_EQ(log, logs.Read("log.csv"));
}

// Without HOME the settings live in the home folder the password database gives; a user it
// does not know has no settings file at all: the defaults, and every write fails. Never a
// folder under /tmp that another user could have planted.
TEST(TwoInstances, SettingsNeedTheUsersOwnHomeFolder) {
    RunInChild([] {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("HOME");
        const passwd* entry = getpwuid(getuid());
        ASSERT_NE(nullptr, entry);
        EXPECT_EQ(std::string(entry->pw_dir) + "/.config/Halvorn/Vantrel/settings",
                  SettingsStore::DefaultPath("Halvorn", "Vantrel"));
        if (getuid() != 0) {
            SkipChild("only root can become a user the password database does not know");
        }
        constexpr uid_t kUnknown = 3999999;
        ASSERT_EQ(nullptr, getpwuid(kUnknown));
        ASSERT_EQ(0, setgid(kUnknown));
        ASSERT_EQ(0, setuid(kUnknown));
        EXPECT_EQ("", SettingsStore::DefaultPath("Halvorn", "Vantrel"));
        CWinApp app("Vantrel");
        app.SetRegistryKey("Halvorn");
        EXPECT_EQ(5, app.GetProfileInt("Timer", "Interval", 5));
        EXPECT_FALSE(app.WriteProfileInt("Timer", "Interval", 1));
        EXPECT_EQ(CString(), app.GetProfilePath());
    });
}
