#include "clientfiles/client_folder_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/paths.h"

namespace {

ReadProblem FromError(int error, const char* name) {
    ReadProblem problem{ReadFault::SystemError, CString(name), error};
    switch (error) {
        case ENOENT:
            problem.fault = ReadFault::NoFile;
            break;
        case EACCES:
        case EPERM:
            problem.fault = ReadFault::NoPermission;
            break;
        case EISDIR:
            problem.fault = ReadFault::NotAFile;
            break;
        default:
            break;
    }
    return problem;
}

// The folder itself: missing, not to be entered, or fine (None).
ReadProblem FolderProblem(const CString& directory) {
    struct stat st {};
    if (::stat(directory.GetString(), &st) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return ReadProblem{ReadFault::FolderMissing, CString(), 0};
        }
        return FromError(error, "");
    }
    if (!S_ISDIR(st.st_mode)) {
        return ReadProblem{ReadFault::FolderMissing, CString(), 0};
    }
    // Opening the folder for its list is not needed to read a file in it; entering it is.
    if (::access(directory.GetString(), X_OK) != 0) {
        return FromError(errno, "");
    }
    return {};
}

// The file in a folder that can be entered.
ReadProblem FileProblem(const CString& directory, const char* name) {
    const CString path = JoinPath(directory, name);
    struct stat st {};
    if (::stat(path.GetString(), &st) != 0) {
        return FromError(errno, name);
    }
    if (!S_ISREG(st.st_mode)) {
        return ReadProblem{ReadFault::NotAFile, CString(name), 0};
    }
    // Non-blocking, as the reader opens it; nothing is read here.
    const int fd = ::open(path.GetString(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return FromError(errno, name);
    }
    ::close(fd);
    return ReadProblem{ReadFault::NotWhole, CString(name), 0};
}

}  // namespace

ReadProblem FileReadProblem(const CString& directory, const char* name) {
    if (ReadProblem folder = FolderProblem(directory); folder.fault != ReadFault::None) {
        return folder;
    }
    return FileProblem(directory, name);
}

ReadProblem WorkUnitReadProblem(const CString& directory) {
    if (ReadProblem folder = FolderProblem(directory); folder.fault != ReadFault::None) {
        return folder;
    }
    // The first name that is taken says what is wrong with it; a name taken by anything counts.
    for (const char* name : {"work_unit.sah", "result.sah", "work_unit.txt", "result.txt"}) {
        struct stat st {};
        if (::lstat(JoinPath(directory, name).GetString(), &st) == 0) {
            return FileProblem(directory, name);
        }
        if (errno != ENOENT) {
            return FromError(errno, name);
        }
    }
    return ReadProblem{ReadFault::NoClientFiles, CString(), 0};
}
