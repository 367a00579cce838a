// The file dialog's filter between its Windows and wx forms.
#pragma once

#include "platform/base/cstring.h"

// "Name|pattern|Name|pattern||" to wx's "Name|pattern|Name|pattern". The list ends at the first
// empty entry; a name without a pattern is dropped. "*.*" matches every name, as on Windows.
CString ToWxWildcard(const CString& filter);
