// Window tests: settings in a fresh temporary directory, Japan's time zone, empty headless queues.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "export/export_test_support.h"
#include "platform/headless/headless.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/cwnd.h"
#include "support/temp_dir.h"

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        m_app = std::make_unique<CWinApp>("Vantrel");
        m_app->SetRegistryKey("Halvorn");
        Headless::Reset();
    }
    ~WindowTest() override {
        Headless::Reset();
        m_app.reset();
    }

    CWinApp& app() { return *m_app; }
    // The settings file's bytes; empty when it does not exist.
    std::string SettingsBytes() const {
        std::ostringstream bytes;
        bytes << std::ifstream(m_settingsPath, std::ios::binary).rdbuf();
        return bytes.str();
    }
    bool SettingsFileExists() const { return std::filesystem::exists(m_settingsPath); }
    void ClearSettings() const { std::filesystem::remove(m_settingsPath); }
    // A file where the settings folder would be: the store can be read (defaults) but never
    // written, as a folder of another user's would be, even for root.
    void BlockSettingsFolder() const {
        std::filesystem::create_directories(m_config.File("Halvorn"));
        std::ofstream(m_config.File("Halvorn/Vantrel")) << "in the way\n";
    }

    static CString TextOf(CWnd& dialog, int id) {
        CWnd* item = dialog.GetDlgItem(id);
        return item ? item->GetWindowText() : CString("<no control>");
    }
    static int CheckOf(CWnd& dialog, int id) {
        CWnd* item = dialog.GetDlgItem(id);
        return item && item->GetNative() ? item->GetNative()->GetCheck() : -1;
    }
    static bool EnabledOf(CWnd& dialog, int id) {
        CWnd* item = dialog.GetDlgItem(id);
        return item && item->IsWindowEnabled();
    }

private:
    TempDir m_config;
    export_test::ScopedEnv m_configHome{"XDG_CONFIG_HOME", m_config.path()};
    export_test::ScopedTimeZone m_japan{"JST-9"};
    std::unique_ptr<CWinApp> m_app;
    const std::string m_settingsPath = m_config.File("Halvorn/Vantrel/settings");
};
