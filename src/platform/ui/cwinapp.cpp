#include "platform/ui/cwinapp.h"

namespace {

CWinApp*& CurrentApp() {
    static CWinApp* app = nullptr;
    return app;
}

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    CurrentApp() = this;
}

CWinApp::~CWinApp() {
    if (CurrentApp() == this) {
        CurrentApp() = nullptr;
    }
}

void CWinApp::SetRegistryKey(const char* key) {
    // A user without a home folder runs on the defaults and writes no settings anywhere.
    std::string path = SettingsStore::DefaultPath(key, m_pszAppName);
    m_store = path.empty() ? nullptr : std::make_unique<SettingsStore>(std::move(path));
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
    return m_store ? m_store->GetInt(section, entry, defaultValue) : defaultValue;
}

CString CWinApp::GetProfileString(const char* section, const char* entry,
                                  const char* defaultValue) {
    return m_store ? m_store->GetString(section, entry, defaultValue) : CString(defaultValue);
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
    return m_store && m_store->WriteInt(section, entry, value);
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
    return m_store && m_store->WriteString(section, entry, value);
}

bool CWinApp::WriteProfileEntries(const std::vector<SettingsStore::Change>& changes) {
    return m_store && m_store->Write(changes);
}

bool CWinApp::UpdateProfileEntries(const SettingsStore::Decide& decide) {
    return m_store && m_store->Update(decide);
}

SettingsStore::Entries CWinApp::GetProfileEntries() const {
    return m_store ? m_store->ReadAll() : SettingsStore::Entries{};
}

CString CWinApp::GetProfilePath() const {
    return m_store ? CString(m_store->path()) : CString();
}

CWinApp* AfxGetApp() {
    return CurrentApp();
}

CWnd* AfxGetMainWnd() {
    return CurrentApp() ? CurrentApp()->m_pMainWnd : nullptr;
}

const char* AfxGetAppName() {
    return CurrentApp() && CurrentApp()->m_pszAppName ? CurrentApp()->m_pszAppName : "";
}
