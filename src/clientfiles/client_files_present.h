// Whether a folder holds a client's work: its work-unit file or the result that replaces it, by
// either set of names. Tells a folder without a client from one whose files can't be read.
#pragma once

#include "platform/base/cstring.h"

bool HasWorkUnitFiles(const CString& directory);
