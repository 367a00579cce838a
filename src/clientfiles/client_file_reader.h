// The steps every client record shares: where its file is, how it is opened and read whole, how
// its text is cut into key=value lines, and how values are converted.
#pragma once

#include <cstdint>
#include <functional>
#include <new>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/cfile.h"
#include "platform/base/cstring.h"
#include "platform/base/exceptions.h"

// Kind 1 selects the file names of the 1.x clients; every other kind the ".sah" names.
inline const char* ClientFileName(int kind, const char* txtName, const char* sahName) {
    return kind == 1 ? txtName : sahName;
}

// Opens directory/name for reading while the client may go on writing it, and points directory
// at the directory of the opened file. Raises CFileException.
void OpenClientFile(CFile& file, CString& directory, const char* name);

// Real client files are a few kilobytes. Whatever a folder holds, at most this much of a file is
// read, so a huge file costs neither the memory nor the time of reading it whole; what was read
// is parsed as far as it goes.
inline constexpr std::int64_t kMaxClientFileBytes = 1 << 20;

// Reads up to length bytes (at most kMaxClientFileBytes) into a buffer of one more zero byte and
// closes the file, so the text always ends in a zero byte. The buffer's size is the count read
// plus one. Raises CFileException or CMemoryException.
std::vector<char> ReadClientFile(CFile& file, std::int64_t length);

// Runs one read attempt; false when it raised a file or memory failure.
template <typename Attempt>
bool Guarded(Attempt attempt) {
    try {
        attempt();
        return true;
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Opens, reads whole and parses one file. onEmpty runs instead of parse for a file of length 0.
// Returns whether the whole read succeeded.
template <typename Parse, typename OnEmpty>
bool ReadWholeClientFile(CString& directory, const char* name, Parse parse, OnEmpty onEmpty) {
    return Guarded([&] {
        CFile file;
        OpenClientFile(file, directory, name);
        const std::int64_t length = file.GetLength();
        if (length == 0) {
            file.Close();
            onEmpty();
            return;
        }
        std::vector<char> text = ReadClientFile(file, length);
        parse(text.data());
    });
}

template <typename Parse>
bool ReadWholeClientFile(CString& directory, const char* name, Parse parse) {
    return ReadWholeClientFile(directory, name, parse, [] {});
}

// A record's keys in their fixed order. Position() gives the first equal entry (exact and
// case-sensitive) or size() for a key found nowhere.
class KeyTable {
public:
    KeyTable(const char* const* keys, int count);
    int Position(std::string_view key) const;
    int size() const { return m_count; }

private:
    // Looked up once per line of every load.
    std::unordered_map<std::string_view, int> m_positions;
    int m_count;
};

// The text without the single-byte white space (space, tab, line feed, vertical tab, form
// feed, carriage return) at either end.
std::string_view TrimWhiteSpace(std::string_view text);

// Cuts text into lines at line feeds (runs of them act as one), trims each line and, for a line
// with "=" after its first character, calls store(key, value) with the trimmed key and value.
// Any other line goes to bareLine(line), which returns true to stop parsing there.
void ParseKeyLines(char* text, const std::function<void(const CString&, const CString&)>& store,
                   const std::function<bool(const CString&)>& bareLine);

// The conversions of the C library in the "C" locale.
std::int32_t ConvertAtoi(const CString& value);
std::int32_t ConvertAtol(const CString& value);
double ConvertAtof(const CString& value);
// sscanf "%x"; the member keeps its value when no hexadecimal number starts the text.
void ConvertHex(const CString& value, std::uint32_t& member);
// Text values are kept as UTF-8; code page 932 text is converted.
CString ConvertText(const CString& value);
