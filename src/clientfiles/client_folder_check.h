// Why a client folder could not be read: asked after a load failed, so that a folder that is
// gone, one the user may not enter and one without a client each get their own answer.
#pragma once

#include "clientfiles/client_file_reader.h"
#include "platform/base/cstring.h"

enum class ReadFault {
    None,
    FolderMissing,  // no folder at the path (or something else in its place)
    NoClientFiles,  // a folder, but neither a work unit nor a result in it by either set of names
    NoFile,         // the file is not there
    NoPermission,   // the folder or the file may not be read by this user
    NotAFile,       // a folder, FIFO, socket or device where the file should be
    NotWhole,       // the file opens but held no usable record: cut while written, or damaged
    SystemError,    // any other failure; error says which
};

struct ReadProblem {
    ReadFault fault = ReadFault::None;
    CString file;   // the client file's name; empty for the folder itself
    int error = 0;  // the system's error number, for SystemError
};

// After a load found neither a work unit nor a result.
ReadProblem WorkUnitReadProblem(const CString& directory);
// After a load read the work unit but not the file name beside it.
ReadProblem FileReadProblem(const CString& directory, const char* name);
