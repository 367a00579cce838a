#include "app/main_window_fixture.h"

#include <cstdlib>

#include "platform/base/clock.h"
#include "platform/headless/headless.h"

namespace {

std::string GetEnv(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void RestoreEnv(const char* name, const std::string& value) {
    value.empty() ? ::unsetenv(name) : ::setenv(name, value.c_str(), 1);
}

}  // namespace

void MainWindowTest::SetUp() {
    m_savedTz = GetEnv("TZ");
    m_savedXdg = GetEnv("XDG_CONFIG_HOME");
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
    Clock::Set(1000000000);  // 2001-09-09 10:46:40 JST
    Headless::Reset();
    m_cwd = std::make_unique<ScopedWorkingDirectory>(m_client.path());
    m_app = std::make_unique<CInfoApp>();
    m_app->SetRegistryKey("Halvorn");
    m_app->m_strModuleDir = m_config.path().c_str();
}

void MainWindowTest::TearDown() {
    m_app.reset();
    m_cwd.reset();
    Clock::UseSystemClock();
    Headless::Reset();
    RestoreEnv("TZ", m_savedTz);
    RestoreEnv("XDG_CONFIG_HOME", m_savedXdg);
    ::tzset();
}

void MainWindowTest::CopyClientFiles(const std::string& set) {
    const char* const names[] = {"version", "work_unit", "state", "user_info"};
    for (const char* name : names) {
        const std::string file = std::string(name) + "." + set;
        m_client.CopyFromData(set + "/" + file, file);
    }
}

void MainWindowTest::RunMainWindow(const std::function<void(CInfoDlg&)>& script) {
    CInfoDlg dlg;
    m_app->m_pMainWnd = &dlg;
    Headless::QueueModal([&](CDialog& dialog) { script(static_cast<CInfoDlg&>(dialog)); });
    dlg.DoModal();
    m_app->m_pMainWnd = nullptr;
}
