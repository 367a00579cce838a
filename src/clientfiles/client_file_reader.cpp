#include "clientfiles/client_file_reader.h"

#include <algorithm>

#include "platform/base/paths.h"

void OpenClientFile(CFile& file, CString& directory, const char* name) {
    // modeRead is 0, as in every file API of its kind: written for the reader, not the compiler.
    // cppcheck-suppress badBitmaskCheck
    file.Open(JoinPath(directory, name), CFile::modeRead | CFile::shareDenyNone);
    const std::string& path = file.GetFilePath().str();
    const size_t slash = path.rfind(kPathSeparator);
    const std::string_view opened =
        slash != std::string::npos && slash > 0 ? std::string_view(path).substr(0, slash) : "";
    // After the first read the directory is already the opened file's: most loads keep it.
    if (opened != directory.str()) {
        directory = CString(std::string(opened));
    }
}

void ClientText::Reserve(size_t capacity) {
    if (capacity < kInlineBytes) {
        m_data = m_inline;
    } else {
        try {
            m_heap.reset(new char[capacity + 1]);
        } catch (const std::bad_alloc&) {
            throw CMemoryException();
        }
        m_data = m_heap.get();
    }
    SetSize(0);
}

void ClientText::SetSize(size_t size) {
    m_size = size;
    m_data[size] = '\0';
}

void ReadClientFile(CFile& file, std::int64_t length, ClientText& text) {
    const size_t wanted =
        static_cast<size_t>(std::clamp<std::int64_t>(length, 0, kMaxClientFileBytes));
    text.Reserve(wanted);
    // A file the client is shortening meanwhile gives fewer bytes.
    text.SetSize(file.Read(text.data(), wanted));
    file.Close();
}
