// The CSV log's default place and the file browser's first folder: the user's data folder, never
// the program's own folder, which an installed copy cannot write.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/main_window_fixture.h"
#include "platform/headless/headless.h"
#include "res/resource.h"

namespace fs = std::filesystem;

// With no path stored the log goes to $XDG_DATA_HOME/Halvorn/Vantrel, or, when that is unset or
// not absolute, to ~/.local/share/Halvorn/Vantrel. The first export makes the folders, for the
// user alone; the browser opens there.
TEST_F(MainWindowTest, TheDefaultLogLiesInTheUsersDataFolder) {
    CopyClientFiles("sah");
    const TempDir home;
    const export_test::ScopedEnv homeVariable("HOME", home.path());
    const struct {
        const char* dataHome;
        const TempDir& root;
        std::string share;  // the data folder, under root
    } cases[] = {
        {nullptr, home, ".local/share/"},
        {"relative/share", home, ".local/share/"},
        {m_data.path().c_str(), m_data, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataHome ? c.dataHome : "XDG_DATA_HOME unset");
        const export_test::ScopedEnv dataVariable("XDG_DATA_HOME", c.dataHome);
        const std::string folder = c.root.File(c.share + "Halvorn/Vantrel");
        Headless::Reset();
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_FALSE(fs::exists(folder)) << "made before it was needed";
            ASSERT_TRUE(Headless::PressButton(dlg, IDC_EXPORT));
            for (const std::string& made : {c.root.File(c.share + "Halvorn"), folder}) {
                EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << made;
            }
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

        const std::string log = c.root.Read(c.share + "Halvorn/Vantrel/export.csv");
        EXPECT_EQ(log.rfind("\"Update\",\"Unit Name\",", 0), 0u) << log;
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;
        fs::remove_all(c.root.File(c.share + "Halvorn"));
    }
    // The program's folder and the client's got nothing.
    EXPECT_FALSE(m_config.Exists("export.csv"));
    EXPECT_FALSE(m_client.Exists("export.csv"));
}
