// The steps every client record shares: where its file is, how it is opened and read whole, how
// its text is cut into key=value lines, and how values are converted.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string_view>

#include "platform/base/cfile.h"
#include "platform/base/cstring.h"
#include "platform/base/exceptions.h"

// Which names the client's files have: the ".txt" names of the 1.x clients or the ".sah" names
// of the later ones. The version file decides on every load.
enum class ClientFileSet { Txt = 1, Sah = 2 };

inline const char* ClientFileName(ClientFileSet files, const char* txtName, const char* sahName) {
    return files == ClientFileSet::Txt ? txtName : sahName;
}

// Opens directory/name for reading while the client may go on writing it, and points directory
// at the directory of the opened file. Raises CFileException.
void OpenClientFile(CFile& file, CString& directory, const char* name);

// Real client files are a few kilobytes. Whatever a folder holds, at most this much of a file is
// read, so a huge file costs neither the memory nor the time of reading it whole; what was read
// is parsed as far as it goes.
inline constexpr std::int64_t kMaxClientFileBytes = 1 << 20;

// A client file's text: the bytes read, then a zero byte, so the text always ends in one. The
// bytes are not zeroed first: only those read and the one after them are ever looked at. Real
// client files fit the buffer inside the object, so a read takes no block from the heap.
class ClientText {
public:
    ClientText() { m_inline[0] = '\0'; }
    ClientText(const ClientText&) = delete;
    ClientText& operator=(const ClientText&) = delete;

    // Room for capacity bytes and the zero byte after them; the text is then empty. Raises
    // CMemoryException.
    void Reserve(size_t capacity);
    char* data() { return m_data; }
    const char* data() const { return m_data; }
    // The bytes read, without the zero byte.
    size_t size() const { return m_size; }
    std::string_view view() const { return std::string_view(m_data, m_size); }
    void SetSize(size_t size);

private:
    static constexpr size_t kInlineBytes = 4096;
    // cppcheck-suppress uninitMemberVarPrivate
    char m_inline[kInlineBytes];
    std::unique_ptr<char[]> m_heap;
    char* m_data = m_inline;
    size_t m_size = 0;
};

// Reads up to length bytes (at most kMaxClientFileBytes) into text and closes the file. Raises
// CFileException or CMemoryException.
void ReadClientFile(CFile& file, std::int64_t length, ClientText& text);

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

// Opens, reads whole and parses one file: parse gets the zero-terminated text. onEmpty runs
// instead of parse for a file of length 0.
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
        ClientText text;
        ReadClientFile(file, length, text);
        parse(text);
    });
}

template <typename Parse>
bool ReadWholeClientFile(CString& directory, const char* name, Parse parse) {
    return ReadWholeClientFile(directory, name, parse, [] {});
}
