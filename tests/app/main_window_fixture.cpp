#include "app/main_window_fixture.h"

#include "platform/base/clock.h"
#include "platform/headless/headless.h"

void MainWindowTest::SetUp() {
    m_japan = std::make_unique<export_test::ScopedTimeZone>("JST-9");
    m_configHome = std::make_unique<export_test::ScopedEnv>("XDG_CONFIG_HOME", m_config.path());
    m_dataHome = std::make_unique<export_test::ScopedEnv>("XDG_DATA_HOME", m_data.path());
    Clock::Set(1000000000);  // 2001-09-09 10:46:40 JST
    Headless::Reset();
    m_app = std::make_unique<CInfoApp>();
    m_app->SetRegistryKey("Halvorn");
    m_app->m_strModuleDir = m_config.path().c_str();
}

void MainWindowTest::TearDown() {
    m_app.reset();
    Clock::UseSystemClock();
    Headless::Reset();
    m_dataHome.reset();
    m_configHome.reset();
    m_japan.reset();
}

void MainWindowTest::CopyClientFiles(const std::string& set) {
    const char* const names[] = {"version", "work_unit", "state", "user_info"};
    for (const char* name : names) {
        const std::string file = std::string(name) + "." + set;
        m_client.CopyFromData(set + "/" + file, file);
    }
}

void MainWindowTest::RunMainWindow(const std::function<void(CInfoDlg&)>& script) {
    m_monitor = std::make_unique<ClientMonitor>(m_client.path().c_str());
    CInfoDlg dlg(*m_monitor);
    m_app->m_pMainWnd = &dlg;
    Headless::QueueModal([&](CDialog& dialog) { script(static_cast<CInfoDlg&>(dialog)); });
    dlg.DoModal();
    m_app->m_pMainWnd = nullptr;
}
