// Icons from their PNG resources, and the application's icon.
#pragma once

#include <wx/icon.h>

#include "platform/ui/icon.h"

// An invalid icon when the resource is missing or its PNG can't be read.
wxIcon IconFromResource(HICON icon);

// The icon the program last gave a window as its big icon: the application's icon, which icon
// controls and later windows show.
void SetApplicationIcon(HICON icon);
HICON GetApplicationIcon();
