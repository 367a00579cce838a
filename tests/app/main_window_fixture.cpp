#include "app/main_window_fixture.h"

#include "platform/base/clock.h"
#include "platform/headless/headless.h"

void MainWindowTest::SetUp() {
    m_environment = std::make_unique<ScopedProgramEnvironment>(m_config.path(), m_data.path());
    m_app = std::make_unique<CInfoApp>();
    m_app->SetRegistryKey("Halvorn");
    m_app->m_strModuleDir = m_config.path().c_str();
}

void MainWindowTest::TearDown() {
    m_app.reset();
    m_environment.reset();
}

void MainWindowTest::RunMainWindow(const std::function<void(CInfoDlg&)>& script) {
    m_monitor = std::make_unique<ClientMonitor>(m_client.path().c_str());
    CInfoDlg dlg(*m_monitor);
    m_app->m_pMainWnd = &dlg;
    Headless::QueueModal([&](CDialog& dialog) { script(static_cast<CInfoDlg&>(dialog)); });
    dlg.DoModal();
    m_app->m_pMainWnd = nullptr;
}
