#include "windows/window_test_support.h"

#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/headless/headless.h"

namespace {

std::optional<std::string> GetEnv(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void RestoreEnv(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

}  // namespace

WindowTest::WindowTest() : m_oldConfigHome(GetEnv("XDG_CONFIG_HOME")), m_oldTimeZone(GetEnv("TZ")) {
    ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
    // Japan has no daylight saving time: local time is UTC + 9 hours all year.
    ::setenv("TZ", "JST-9", 1);
    ::tzset();
    m_app = std::make_unique<CWinApp>("Vantrel");
    m_app->SetRegistryKey("Halvorn");
    m_settingsPath = m_config.File("Halvorn/Vantrel/settings");
    Headless::Reset();
}

WindowTest::~WindowTest() {
    Headless::Reset();
    m_app.reset();
    RestoreEnv("XDG_CONFIG_HOME", m_oldConfigHome);
    RestoreEnv("TZ", m_oldTimeZone);
    ::tzset();
}

std::string WindowTest::SettingsBytes() const {
    std::ifstream in(m_settingsPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WindowTest::SettingsFileExists() const {
    return std::filesystem::exists(m_settingsPath);
}

CString WindowTest::TextOf(CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item ? item->GetWindowText() : CString("<no control>");
}

int WindowTest::CheckOf(CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item && item->GetNative() ? item->GetNative()->GetCheck() : -1;
}

bool WindowTest::EnabledOf(CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item && item->IsWindowEnabled();
}
