// The dialog font: the template's face where it is installed, else a Japanese gothic face, the
// same one in every locale.
#pragma once

#include <wx/font.h>

wxFont MakeDialogFont(const char* face, int points);
