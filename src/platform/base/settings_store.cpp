#include "platform/base/settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/base/atomic_file.h"
#include "platform/base/file_lock.h"
#include "platform/base/paths.h"

namespace {

constexpr char kHeader[] = "# Vantrel settings: [section], then key=int:N or key=str:text\n";

std::string Escape(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::optional<int> ParseInt(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < INT_MIN || value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool ValidName(const char* name) {
    if (!name || !*name) {
        return false;
    }
    for (const char* p = name; *p; ++p) {
        if (*p == '\n' || *p == '\r' || *p == '=' || *p == '[' || *p == ']') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string SettingsStore::DefaultPath(const char* companyKey, const char* appName) {
    const CString base = XdgBaseDirectory("XDG_CONFIG_HOME", ".config");
    if (base.IsEmpty()) {
        return {};
    }
    return base.str() + "/" + companyKey + "/" + appName + "/settings";
}

SettingsStore::Entries SettingsStore::ParseSettings(std::string_view text) {
    Entries entries;
    std::string section;
    bool inSection = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            section = std::string(line.substr(1, line.size() - 2));
            inSection = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos || equals == 0) {
            continue;
        }
        const std::string key(line.substr(0, equals));
        const std::string_view rest = line.substr(equals + 1);
        if (rest.substr(0, 4) == "int:") {
            if (const auto value = ParseInt(std::string(rest.substr(4)))) {
                entries[{section, key}] = *value;
            }
        } else if (rest.substr(0, 4) == "str:") {
            if (auto value = Unescape(rest.substr(4))) {
                entries[{section, key}] = std::move(*value);
            }
        }
    }
    return entries;
}

std::string SettingsStore::FormatSettings(const Entries& entries) {
    std::string out = kHeader;
    const std::string* section = nullptr;
    for (const auto& [name, value] : entries) {
        if (!section || *section != name.first) {
            section = &name.first;
            out += "[" + name.first + "]\n";
        }
        out += name.second + "=";
        if (const int* number = std::get_if<int>(&value)) {
            out += "int:" + std::to_string(*number);
        } else {
            out += "str:" + Escape(std::get<std::string>(value));
        }
        out += '\n';
    }
    return out;
}

std::optional<SettingsStore::Entries> SettingsStore::Load() const {
    // Non-blocking, and regular files only: a FIFO in its place must not stop the program.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT ? std::optional<Entries>(Entries{}) : std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return ParseSettings(text);
}

bool SettingsStore::Store(const Entries& entries) const {
    // A settings file that is a link (a dotfiles manager's) stays one: its target is replaced.
    return ReplaceFileAtomically(FinalLinkTarget(CString(m_path)), FormatSettings(entries));
}

bool SettingsStore::Write(const std::vector<Change>& changes) {
    return Update([&changes](const Entries&) { return changes; });
}

bool SettingsStore::Update(const Decide& decide) {
    const size_t slash = m_path.rfind(kPathSeparator);
    if (slash != std::string::npos && !MakeDirectories(CString(m_path.substr(0, slash)))) {
        return false;
    }
    // Another instance between this read and this replace would lose its own change, or ours.
    const ScopedFileLock lock(m_path + ".lock");
    if (!lock.held()) {
        return false;
    }
    std::optional<Entries> entries = Load();
    if (!entries) {
        return false;
    }
    const std::vector<Change> changes = decide(*entries);
    for (const Change& change : changes) {
        if (!ValidName(change.section.c_str()) || !ValidName(change.key.c_str())) {
            return false;
        }
    }
    bool changed = false;
    for (const Change& change : changes) {
        const auto name = std::make_pair(change.section, change.key);
        if (change.erase) {
            changed = entries->erase(name) > 0 || changed;
        } else {
            (*entries)[name] = change.value;
            changed = true;
        }
    }
    // Deleting what is not there leaves the file alone.
    return !changed || Store(*entries);
}

int SettingsStore::IntIn(const Entries& entries, const char* section, const char* key,
                         int defaultValue) {
    const auto it = entries.find({section ? section : "", key ? key : ""});
    const int* value = it == entries.end() ? nullptr : std::get_if<int>(&it->second);
    return value ? *value : defaultValue;
}

CString SettingsStore::StringIn(const Entries& entries, const char* section, const char* key,
                                const char* defaultValue) {
    const auto it = entries.find({section ? section : "", key ? key : ""});
    const std::string* value =
        it == entries.end() ? nullptr : std::get_if<std::string>(&it->second);
    return value ? CString(*value) : CString(defaultValue);
}

int SettingsStore::GetInt(const char* section, const char* key, int defaultValue) const {
    return IntIn(ReadAll(), section, key, defaultValue);
}

CString SettingsStore::GetString(const char* section, const char* key,
                                 const char* defaultValue) const {
    return StringIn(ReadAll(), section, key, defaultValue);
}

bool SettingsStore::WriteInt(const char* section, const char* key, int value) {
    return WriteOne(section, key, [value](Change& change) { change.value = value; });
}

bool SettingsStore::WriteString(const char* section, const char* key, const char* value) {
    return WriteOne(section, key, [value](Change& change) {
        if (value) {
            change.value = std::string(value);
        } else {
            change.erase = true;
        }
    });
}

template <typename SetValue>
bool SettingsStore::WriteOne(const char* section, const char* key, SetValue setValue) {
    if (!section || !key) {
        return false;
    }
    std::vector<Change> changes(1);
    changes[0].section = section;
    changes[0].key = key;
    setValue(changes[0]);
    return Write(changes);
}
