// CWinApp: the application object, its per-user settings store and its main window.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/cstring.h"
#include "platform/base/settings_store.h"
#include "platform/ui/framework_texts.h"

class CWnd;

class CWinApp {
public:
    // The application's display name (message box captions, the settings store's folder).
    explicit CWinApp(const char* appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's arguments after its name, taken before the platform starts (so that
    // --help needs no display). An exit status when the program ends at once.
    virtual std::optional<int> ParseCommandLine(const std::vector<std::string>&) {
        return std::nullopt;
    }
    // The program's start; its result says whether a message loop should follow.
    virtual bool InitInstance() { return false; }

    // Names the per-user settings store: <config>/<key>/<application name>.
    void SetRegistryKey(const char* key);
    int GetProfileInt(const char* section, const char* entry, int defaultValue);
    CString GetProfileString(const char* section, const char* entry,
                             const char* defaultValue = nullptr);
    bool WriteProfileInt(const char* section, const char* entry, int value);
    // A null value deletes the entry.
    bool WriteProfileString(const char* section, const char* entry, const char* value);
    // Several entries as one change of the store: all of them land, or none does.
    bool WriteProfileEntries(const std::vector<SettingsStore::Change>& changes);
    // Changes worked out from the entries as they are when the store is locked for writing.
    bool UpdateProfileEntries(const SettingsStore::Decide& decide);
    // Every entry, read at once.
    SettingsStore::Entries GetProfileEntries() const;
    // The file that holds the settings; empty when the user has no home folder to keep it in.
    CString GetProfilePath() const;

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
    FrameworkTexts m_frameworkTexts;

private:
    std::unique_ptr<SettingsStore> m_store;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
const char* AfxGetAppName();
