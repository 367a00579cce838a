// The per-user settings store: typed entries (integers and strings stay distinct kinds) under
// sections and keys, kept in one small file that every write replaces atomically.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/base/cstring.h"

class SettingsStore {
public:
    explicit SettingsStore(std::string filePath) : m_path(std::move(filePath)) {}

    // $XDG_CONFIG_HOME (or ~/.config) / companyKey / appName / settings; empty when the user
    // has no home folder.
    static std::string DefaultPath(const char* companyKey, const char* appName);

    // A missing entry, or one of the other kind, gives the default.
    int GetInt(const char* section, const char* key, int defaultValue) const;
    CString GetString(const char* section, const char* key, const char* defaultValue) const;

    bool WriteInt(const char* section, const char* key, int value);
    // A null value deletes the entry.
    bool WriteString(const char* section, const char* key, const char* value);

    const std::string& path() const { return m_path; }

    using Value = std::variant<int, std::string>;
    using Entries = std::map<std::pair<std::string, std::string>, Value>;

    // One entry to write, or to delete.
    struct Change {
        std::string section;
        std::string key;
        Value value;
        bool erase = false;
    };
    // Writes every change, or none: one read, change and replace of the file, during which no
    // other Vantrel process changes it, so none of its writes is lost. False when the file
    // could not be written (or a name is not valid) and nothing changed.
    bool Write(const std::vector<Change>& changes);
    // The same, with the changes worked out from the entries as they are under the lock: a
    // change that depends on what is stored (a list another instance may have changed) is
    // made to the list as it is, not as it was read earlier.
    using Decide = std::function<std::vector<Change>(const Entries& entries)>;
    bool Update(const Decide& decide);

    // Every entry, read once; none when the file can't be read.
    Entries ReadAll() const { return Load().value_or(Entries{}); }
    // An entry of the entries read; a missing one, or one of the other kind, gives the default.
    static int IntIn(const Entries& entries, const char* section, const char* key,
                     int defaultValue);
    static CString StringIn(const Entries& entries, const char* section, const char* key,
                            const char* defaultValue);

    // The file's format, in both directions. Lines that can't be read are passed over, so a
    // damaged file yields what is left of it and never an error.
    static Entries ParseSettings(std::string_view text);
    static std::string FormatSettings(const Entries& entries);

private:
    // Nothing when a file is there that can't be read: a write must not replace settings it
    // never saw. A missing file has no entries.
    std::optional<Entries> Load() const;
    bool Store(const Entries& entries) const;
    template <typename SetValue>
    bool WriteOne(const char* section, const char* key, SetValue setValue);

    std::string m_path;
};
