// The settings store killed at random moments while it writes: the file always reads back as a
// whole write, never as part of one, and the next write goes through.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <variant>

#include "faults/child_process.h"
#include "platform/base/settings_store.h"
#include "support/temp_dir.h"

namespace {

// The path written together with interval n: long, and of a length that changes with n, so that
// a write takes a while and a cut file would show.
std::string PathFor(int n) {
    return "/exports/" +
           std::string(static_cast<size_t>(n % 97) * 400, static_cast<char>('a' + n % 26));
}

// Writes interval n, then its path, for n = 1, 2, ... from where the file stands, until killed.
// Every state of the file is therefore (n, PathFor(n - 1)) or (n, PathFor(n)).
[[noreturn]] void WriteUntilKilled(const std::string& path, int readyFd) {
    SettingsStore store(path);
    int n = store.GetInt("Timer", "Interval", 0);
    if (!store.WriteString("Export", "Path", PathFor(n).c_str()) || write(readyFd, "r", 1) != 1) {
        _exit(2);
    }
    for (++n;; ++n) {
        if (!store.WriteInt("Timer", "Interval", n) ||
            !store.WriteString("Export", "Path", PathFor(n).c_str())) {
            _exit(3);
        }
    }
}

// What the file holds must be exactly what one whole write of the sequence put there.
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

TEST(SettingsKill, KilledWritesLeaveAWholeFile) {
    TempDir dir;
    const std::string path = dir.File("settings");
    SettingsStore store(path);
    ASSERT_TRUE(store.WriteInt("TAB", "OFSET", 3));
    ASSERT_TRUE(store.WriteInt("Timer", "Interval", 0));

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> microseconds(0, 4000);
    int lastInterval = 0;
    constexpr int kRounds = 200;
    for (int round = 0; round < kRounds && !HasFailure(); ++round) {
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
        // The child's first write succeeds although earlier kills may have left temporary files.
        EXPECT_EQ(1, read(ready[0], &byte, 1)) << "round " << round;
        close(ready[0]);
        usleep(static_cast<useconds_t>(microseconds(random)));
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(pid, waitpid(pid, &status, 0));
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer stopped by itself in round " << round;
        CheckWholeWrite(Contents(path), lastInterval);
    }

    // Temporary files of killed writes stay behind; they disturb neither reading nor writing.
    int strays = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "settings" || name.rfind("settings.", 0) == 0) << name;
        strays += name != "settings";
    }
    std::cout << "settings writes completed: " << lastInterval << "; temporary files left by "
              << kRounds << " kills: " << strays << "\n";
    RecordProperty("StrayTemporaryFiles", strays);
    EXPECT_TRUE(store.WriteString("Export", "Path", PathFor(lastInterval).c_str()));
    CheckWholeWrite(Contents(path), lastInterval);
}
