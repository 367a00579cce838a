#include "clientfiles/client_file_reader.h"

#include <algorithm>

#include "platform/base/paths.h"

void OpenClientFile(CFile& file, CString& directory, const char* name) {
    // modeRead is 0, as in every file API of its kind: written for the reader, not the compiler.
    // cppcheck-suppress badBitmaskCheck
    file.Open(JoinPath(directory, name).GetString(), CFile::modeRead | CFile::shareDenyNone);
    const CString path = file.GetFilePath();
    const int slash = path.ReverseFind(kPathSeparator);
    directory = slash > 0 ? path.Left(slash) : CString();
}

std::vector<char> ReadClientFile(CFile& file, std::int64_t length) {
    const size_t wanted =
        static_cast<size_t>(std::clamp<std::int64_t>(length, 0, kMaxClientFileBytes));
    std::vector<char> text;
    try {
        text.assign(wanted + 1, '\0');
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    // A file the client is shortening meanwhile gives fewer bytes.
    text.resize(file.Read(text.data(), wanted) + 1);
    file.Close();
    return text;
}
