// A fixture for the window tests: an application object whose settings store lives in a fresh
// temporary directory, a fixed time zone, and a headless backend with empty queues.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/cwinapp.h"
#include "platform/ui/cwnd.h"
#include "support/temp_dir.h"

class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    CWinApp& app() { return *m_app; }
    // The settings file's bytes; empty when it does not exist.
    std::string SettingsBytes() const;
    bool SettingsFileExists() const;

    // What a control shows.
    static CString TextOf(CWnd& dialog, int id);
    static int CheckOf(CWnd& dialog, int id);
    static bool EnabledOf(CWnd& dialog, int id);

private:
    TempDir m_config;
    std::optional<std::string> m_oldConfigHome;
    std::optional<std::string> m_oldTimeZone;
    std::unique_ptr<CWinApp> m_app;
    std::string m_settingsPath;
};
