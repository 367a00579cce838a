#include "res/settings.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/canonical_folders.h"
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

std::string FolderKey(size_t number) {
    return SettingsKey::kFolderPrefix + std::to_string(number);
}

// The number of a key Folder<N> (written as FolderKey writes it); 0 for any other key.
size_t FolderNumber(const std::string& key) {
    const std::string_view prefix = SettingsKey::kFolderPrefix;
    if (key.size() <= prefix.size() || key.compare(0, prefix.size(), prefix) != 0) {
        return 0;
    }
    size_t number = 0;
    const char* const first = key.data() + prefix.size();
    const char* const last = key.data() + key.size();
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last && FolderKey(number) == key ? number : 0;
}

// The Clients section of the entries, as they are stored.
std::pair<SettingsStore::Entries::const_iterator, SettingsStore::Entries::const_iterator>
ClientsSection(const SettingsStore::Entries& entries) {
    const std::string section = SettingsKey::kClients;
    const auto first = entries.lower_bound({section, std::string()});
    auto last = first;
    while (last != entries.end() && last->first.first == section) {
        ++last;
    }
    return {first, last};
}

// Folder1 to Folder<Count> as written, in their order: only the entries that are there, however
// large Count says the list is.
std::vector<CString> StoredFolders(const SettingsStore::Entries& entries) {
    const auto [first, last] = ClientsSection(entries);
    long long count = 0;
    std::vector<std::pair<size_t, CString>> numbered;
    for (auto it = first; it != last; ++it) {
        if (it->first.second == SettingsKey::kCount) {
            const int* value = std::get_if<int>(&it->second);
            count = value ? *value : 0;
        } else if (const size_t number = FolderNumber(it->first.second)) {
            const std::string* value = std::get_if<std::string>(&it->second);
            if (value && !value->empty()) {
                numbered.emplace_back(number, CString(*value));
            }
        }
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CString> folders;
    for (const auto& [number, folder] : numbered) {
        if (static_cast<long long>(number) <= count) {
            folders.push_back(folder);
        }
    }
    return folders;
}

// The changes that make the stored list folders: Count, Folder1 to Folder<N>, and the removal
// of the folder keys that are stored beyond them.
std::vector<SettingsStore::Change> ListChanges(const SettingsStore::Entries& entries,
                                               const std::vector<CString>& folders) {
    using namespace SettingsKey;
    std::vector<SettingsStore::Change> changes{
        {kClients, kCount, static_cast<int>(folders.size())}};
    for (size_t number = 1; number <= folders.size(); ++number) {
        changes.push_back({kClients, FolderKey(number), folders[number - 1].str()});
    }
    const auto [first, last] = ClientsSection(entries);
    for (auto it = first; it != last; ++it) {
        if (FolderNumber(it->first.second) > folders.size()) {
            changes.push_back({kClients, it->first.second, std::string(), true});
        }
    }
    return changes;
}

}  // namespace

namespace {

// However long a dead mount keeps asking about a folder waiting, the overview opens.
constexpr std::chrono::seconds kResolveBound{2};

}  // namespace

std::vector<CString> LoadClientFolders(const CWinApp& app) {
    std::vector<CString> folders;
    for (const CString& folder :
         CanonicalFolderPaths(StoredFolders(app.GetProfileEntries()), kResolveBound)) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(folder);
        }
    }
    return folders;
}

bool AddKeptClientFolder(CWinApp& app, const CString& folder) {
    return app.UpdateProfileEntries([&folder](const SettingsStore::Entries& entries) {
        std::vector<CString> folders = StoredFolders(entries);
        const bool kept = std::any_of(folders.begin(), folders.end(), [&](const CString& stored) {
            return LexicallyNormalPath(stored) == folder;
        });
        if (!kept) {
            folders.push_back(folder);
        }
        return ListChanges(entries, folders);
    });
}

bool RemoveKeptClientFolder(CWinApp& app, const CString& folder) {
    // The spellings that name the folder, found before the store is locked: resolving a path
    // may wait on a slow mount.
    const std::vector<CString> stored = StoredFolders(app.GetProfileEntries());
    const std::vector<CString> resolved = CanonicalFolderPaths(stored, kResolveBound);
    std::vector<CString> spellings;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (resolved[i] == folder) {
            spellings.push_back(stored[i]);
        }
    }
    return app.UpdateProfileEntries([&](const SettingsStore::Entries& entries) {
        std::vector<CString> folders = StoredFolders(entries);
        folders.erase(std::remove_if(folders.begin(), folders.end(),
                                     [&](const CString& kept) {
                                         return LexicallyNormalPath(kept) == folder ||
                                                std::find(spellings.begin(), spellings.end(),
                                                          kept) != spellings.end();
                                     }),
                      folders.end());
        return ListChanges(entries, folders);
    });
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
