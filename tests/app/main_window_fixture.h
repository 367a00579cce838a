// Runs the main window on the headless backend in a temporary client directory, with its own
// settings store and a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "app/program_environment.h"
#include "export/export_test_support.h"
#include "monitor/client_monitor.h"
#include "platform/headless/headless.h"
#include "support/temp_dir.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the client files of tests/data/<set> ("sah" or "txt") into the client directory.
    void CopyClientFiles(const std::string& set) { m_client.CopyClientFiles(set); }
    // Runs the main window modally on a fresh monitor of the client directory; the script drives
    // it from inside its modal loop.
    void RunMainWindow(const std::function<void(CInfoDlg&)>& script);
    // The monitor of the window running now (or run last).
    const ClientMonitor& monitor() const { return *m_monitor; }

    // What the window shows, as a user reads it.
    static std::string Shown(CInfoDlg& dlg, int id) { return Headless::TextOf(dlg, id).str(); }

    TempDir m_client;
    TempDir m_config;
    // The user's data folder, so that no default CSV log lands in the real home.
    TempDir m_data;
    std::unique_ptr<CInfoApp> m_app;

private:
    std::unique_ptr<ClientMonitor> m_monitor;
    std::unique_ptr<ScopedProgramEnvironment> m_environment;
};
