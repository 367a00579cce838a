// The CSV log's default place and the file browser's first folder: the user's data folder, never
// the program's own folder, which an installed copy cannot write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_window_fixture.h"
#include "platform/headless/headless.h"
#include "res/resource.h"

namespace {

// The permission bits of a folder; -1 when it is missing.
int Mode(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)
               ? static_cast<int>(status.st_mode & 07777)
               : -1;
}

std::string ReadAll(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

}  // namespace

// With no path stored the log goes to $XDG_DATA_HOME/Halvorn/Vantrel, or, when that is unset or
// not absolute, to ~/.local/share/Halvorn/Vantrel. The folders are made by the first export,
// for the user alone; the browser opens there.
TEST_F(MainWindowTest, TheDefaultLogLiesInTheUsersDataFolder) {
    CopyClientFiles("sah");
    const TempDir home;
    const export_test::ScopedEnv homeVariable("HOME", home.path());
    const std::string homeShare = home.path() + "/.local/share";
    const struct {
        const char* dataHome;
        std::string share;
    } cases[] = {
        {nullptr, homeShare},
        {"relative/share", homeShare},
        {m_data.path().c_str(), m_data.path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataHome ? c.dataHome : "XDG_DATA_HOME unset");
        const export_test::ScopedEnv dataVariable("XDG_DATA_HOME", c.dataHome);
        const std::string folder = c.share + "/Halvorn/Vantrel";
        Headless::Reset();
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_EQ(dlg.m_strExportPath, folder + "/export.csv");
            EXPECT_EQ(Mode(folder), -1) << "made before it was needed";
            ASSERT_TRUE(Headless::PressButton(dlg, IDC_EXPORT));
            EXPECT_EQ(Mode(c.share + "/Halvorn"), 0700);
            EXPECT_EQ(Mode(folder), 0700);

            Headless::QueueModal([](CDialog& settings) {
                Headless::QueueFileDialogAnswer(std::nullopt);
                Headless::PressButton(settings, IDC_BROWSE);
                Headless::PressButton(settings, IDCANCEL);
            });
            ASSERT_TRUE(Headless::PressButton(dlg, IDC_SETTINGS));
        });
        EXPECT_TRUE(Headless::MessageBoxes().empty());
        ASSERT_EQ(Headless::FileDialogs().size(), 1u);
        EXPECT_EQ(Headless::FileDialogs()[0].initialDir, folder);

        const std::string log = ReadAll(folder + "/export.csv");
        EXPECT_EQ(log.rfind("\"Update\",\"Unit Name\",", 0), 0u) << log;
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
        std::filesystem::remove_all(c.share + "/Halvorn");
    }
    // The program's folder and the client's got nothing.
    EXPECT_FALSE(m_config.Exists("export.csv"));
    EXPECT_FALSE(m_client.Exists("export.csv"));
}
