// The dialog font: the template's face where it is installed, else a Japanese gothic face.
#pragma once

#include <wx/font.h>

wxFont MakeDialogFont(const char* face, int points);
