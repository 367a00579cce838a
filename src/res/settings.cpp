#include "res/settings.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/base/canonical_folders.h"
#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "res/settings_keys.h"
#include "res/strings.h"

namespace {

// The settings table: where each member is stored. Flags are stored as integers 0 and 1.
// Who changes an entry: the settings dialog, the main window (its tab), or the notifications'
// dialog.
enum class Editor { kSettingsDialog, kMainWindow, kNotificationDialog };

struct SettingEntry {
    const char* section;
    const char* key;
    std::variant<int Settings::*, bool Settings::*, CString Settings::*> member;
    Editor editor;
};

const SettingEntry kSettingEntries[] = {
    {SettingsKey::kTimer, SettingsKey::kInterval, &Settings::m_nInterval, Editor::kSettingsDialog},
    {SettingsKey::kTimer, SettingsKey::kExportOnTimer, &Settings::m_bExportOnTimer,
     Editor::kSettingsDialog},
    {SettingsKey::kSimple, SettingsKey::kEnable, &Settings::m_bSimpleEnable,
     Editor::kSettingsDialog},
    {SettingsKey::kSimple, SettingsKey::kTopMost, &Settings::m_bTopMost, Editor::kSettingsDialog},
    {SettingsKey::kExport, SettingsKey::kPath, &Settings::m_strPath, Editor::kSettingsDialog},
    {SettingsKey::kExport, SettingsKey::kLFCode, &Settings::m_bLFCode, Editor::kSettingsDialog},
    {SettingsKey::kExport, SettingsKey::kNoTitle, &Settings::m_bNoTitle, Editor::kSettingsDialog},
    {SettingsKey::kExport, SettingsKey::kForm, &Settings::m_nForm, Editor::kSettingsDialog},
    {SettingsKey::kExport, SettingsKey::kPlot, &Settings::m_bPlot, Editor::kSettingsDialog},
    {SettingsKey::kTab, SettingsKey::kOffset, &Settings::m_nTab, Editor::kMainWindow},
    {SettingsKey::kNotify, SettingsKey::kNotifyFinished, &Settings::m_bNotifyFinished,
     Editor::kNotificationDialog},
    {SettingsKey::kNotify, SettingsKey::kNotifyStalled, &Settings::m_bNotifyStalled,
     Editor::kNotificationDialog},
    {SettingsKey::kNotify, SettingsKey::kNotifyUnreachable, &Settings::m_bNotifyUnreachable,
     Editor::kNotificationDialog},
    {SettingsKey::kNotify, SettingsKey::kStallMinutes, &Settings::m_nStallMinutes,
     Editor::kNotificationDialog},
};

// Visits the member of an entry, for the settings and their defaults alike.
template <typename Visit>
void VisitMember(const SettingEntry& entry, Visit visit) {
    std::visit([&](auto member) { visit(member); }, entry.member);
}

}  // namespace

Settings Settings::Load(const CWinApp& app) {
    const SettingsStore::Entries entries = app.GetProfileEntries();
    const Settings defaults;
    Settings settings;
    for (const SettingEntry& entry : kSettingEntries) {
        VisitMember(entry, [&](auto member) {
            using Value = std::decay_t<decltype(defaults.*member)>;
            if constexpr (std::is_same_v<Value, CString>) {
                settings.*member = SettingsStore::StringIn(entries, entry.section, entry.key,
                                                           (defaults.*member).GetString());
            } else {
                const int stored = SettingsStore::IntIn(entries, entry.section, entry.key,
                                                        static_cast<int>(defaults.*member));
                settings.*member =
                    static_cast<Value>(std::is_same_v<Value, bool> ? stored != 0 : stored);
            }
        });
    }
    // The simple view's place on top means nothing while the simple view is off.
    if (!settings.m_bSimpleEnable) {
        settings.m_bTopMost = defaults.m_bTopMost;
    }
    // A damaged stall time would make every client stalled at once, or none ever.
    if (settings.m_nStallMinutes < kStallMinutesMin ||
        settings.m_nStallMinutes > kStallMinutesMax) {
        settings.m_nStallMinutes = defaults.m_nStallMinutes;
    }
    return settings;
}

namespace {

// The entries one editor changes, as they are in the settings, in one change of the store.
bool SaveEntries(CWinApp& app, const Settings& settings, Editor editor) {
    std::vector<SettingsStore::Change> changes;
    for (const SettingEntry& entry : kSettingEntries) {
        if (entry.editor != editor) {
            continue;
        }
        VisitMember(entry, [&](auto member) {
            const auto& value = settings.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, CString>) {
                changes.push_back({entry.section, entry.key, value.str(), value.IsEmpty()});
            } else {
                changes.push_back({entry.section, entry.key, static_cast<int>(value)});
            }
        });
    }
    return app.WriteProfileEntries(changes);
}

}  // namespace

bool Settings::Save(CWinApp& app) const {
    return SaveEntries(app, *this, Editor::kSettingsDialog);
}

bool Settings::SaveNotifications(CWinApp& app) const {
    return SaveEntries(app, *this, Editor::kNotificationDialog);
}

CString SettingsNotSavedMessage(const CWinApp& app) {
    const CString where = app.GetProfilePath();
    CString message = Tr(Text::kSettingsNotSaved);
    if (!where.IsEmpty()) {
        message.Format(Tr(Text::kSettingsNotSavedFormat), where.GetString());
    }
    return message;
}

bool Settings::SaveTab(CWinApp& app, int tab) {
    for (const SettingEntry& entry : kSettingEntries) {
        if (entry.member == decltype(entry.member)(&Settings::m_nTab)) {
            return app.WriteProfileInt(entry.section, entry.key, tab);
        }
    }
    return false;
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
