// Icons from their PNG resources, and the application's icon.
#pragma once

#include <wx/icon.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include "platform/ui/icon.h"

// The resource's 32 x 32 image (or its first), as an icon control shows it; an invalid icon when
// the resource is missing or its PNG can't be read.
wxIcon IconFromResource(HICON icon);
// Every image of the resource that can be read, for a window's title bar, task bar and switcher.
const wxIconBundle& IconBundleFromResource(HICON icon);
// The resource's smallest image at least size pixels wide, else its largest, decoded; an invalid
// image when the resource has none that can be read.
wxImage ImageFromResource(HICON icon, int size);

// The icon the program last gave a window as its big icon: the application's icon, which icon
// controls and later windows show.
void SetApplicationIcon(HICON icon);
HICON GetApplicationIcon();
