#include "clientfiles/client_files_present.h"

#include <sys/stat.h>

#include "platform/base/paths.h"

bool HasWorkUnitFiles(const CString& directory) {
    for (const char* name : {"work_unit.sah", "result.sah", "work_unit.txt", "result.txt"}) {
        struct stat st {};
        // A name taken by anything counts: a file there that can't be read is unreadable.
        if (::lstat(JoinPath(directory, name).GetString(), &st) == 0) {
            return true;
        }
    }
    return false;
}
