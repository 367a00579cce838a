#include "res/settings.h"

#include <string>
#include <vector>

#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "res/settings_keys.h"
#include "res/strings.h"

Settings Settings::Load(CWinApp& app) {
    using namespace SettingsKey;
    Settings settings;
    settings.m_nInterval = app.GetProfileInt(kTimer, kInterval, 0);
    settings.m_bExportOnTimer = app.GetProfileInt(kTimer, kExportOnTimer, 0) != 0;
    settings.m_bSimpleEnable = app.GetProfileInt(kSimple, kEnable, 0) != 0;
    if (settings.m_bSimpleEnable) {
        settings.m_bTopMost = app.GetProfileInt(kSimple, kTopMost, 0) != 0;
    }
    settings.m_strPath = app.GetProfileString(kExport, kPath, "");
    settings.m_bLFCode = app.GetProfileInt(kExport, kLFCode, 1) != 0;
    settings.m_bNoTitle = app.GetProfileInt(kExport, kNoTitle, 0) != 0;
    settings.m_nForm = app.GetProfileInt(kExport, kForm, 0);
    settings.m_bPlot = app.GetProfileInt(kExport, kPlot, 0) != 0;
    return settings;
}

bool Settings::Save(CWinApp& app) const {
    using namespace SettingsKey;
    const auto number = [](const char* section, const char* key, int value) {
        return SettingsStore::Change{section, key, value};
    };
    const std::vector<SettingsStore::Change> changes = {
        number(kTimer, kInterval, m_nInterval),
        number(kTimer, kExportOnTimer, m_bExportOnTimer),
        number(kSimple, kEnable, m_bSimpleEnable),
        number(kSimple, kTopMost, m_bTopMost),
        SettingsStore::Change{kExport, kPath, m_strPath.str(), m_strPath.IsEmpty()},
        number(kExport, kLFCode, m_bLFCode),
        number(kExport, kNoTitle, m_bNoTitle),
        number(kExport, kForm, m_nForm),
        number(kExport, kPlot, m_bPlot),
    };
    return app.WriteProfileEntries(changes);
}

namespace {

std::string FolderKey(int number) {
    return SettingsKey::kFolderPrefix + std::to_string(number);
}

}  // namespace

std::vector<CString> LoadClientFolders(CWinApp& app) {
    using namespace SettingsKey;
    std::vector<CString> folders;
    const int count = app.GetProfileInt(kClients, kCount, 0);
    for (int number = 1; number <= count; ++number) {
        const CString folder = app.GetProfileString(kClients, FolderKey(number).c_str(), "");
        if (!folder.IsEmpty()) {
            folders.push_back(folder);
        }
    }
    return folders;
}

bool SaveClientFolders(CWinApp& app, const std::vector<CString>& folders) {
    using namespace SettingsKey;
    const int count = static_cast<int>(folders.size());
    std::vector<SettingsStore::Change> changes{{kClients, kCount, count}};
    for (int number = 1; number <= count; ++number) {
        changes.push_back(
            {kClients, FolderKey(number), folders[static_cast<size_t>(number - 1)].str()});
    }
    // A shorter list leaves no folders of the longer one behind.
    const int kept = app.GetProfileInt(kClients, kCount, 0);
    for (int number = count + 1; number <= kept; ++number) {
        changes.push_back({kClients, FolderKey(number), std::string(), true});
    }
    return app.WriteProfileEntries(changes);
}

CString Settings::ExportPath() const {
    return m_strPath.IsEmpty() ? DefaultExportPath() : m_strPath;
}

std::optional<UINT> Settings::TimerPeriod() const {
    if (m_nInterval <= 0) {
        return std::nullopt;
    }
    // In 64 bits and clamped: a long interval must not wrap into a short period.
    const long long period = static_cast<long long>(m_nInterval) * 60000;
    return period > USER_TIMER_MAXIMUM ? USER_TIMER_MAXIMUM : static_cast<UINT>(period);
}

CString UserDataDirectory() {
    const CString base = XdgBaseDirectory("XDG_DATA_HOME", ".local/share");
    return base.IsEmpty() ? CString()
                          : JoinPath(JoinPath(base, Text::kRegistryKey), Text::kAppName);
}

CString DefaultExportPath() {
    const CString directory = UserDataDirectory();
    return directory.IsEmpty() ? CString() : JoinPath(directory, "export.csv");
}
