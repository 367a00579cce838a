// Whether every control of a shown window shows its whole text in the room it has.
#pragma once

#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/window.h>

struct Misfit {
    int id;           // the control's
    std::string why;  // what it needs and what it has
};

// Every shown control under top whose text does not fit.
// Static texts, buttons, check boxes and group boxes are measured with GTK's own natural size
// for their text; a list's columns hold their headers and cells; tab heads must all stand in the
// row without scroll arrows; an edit must show the ink of its whole text in shot, a capture of
// top's screen rectangle.
std::vector<Misfit> TextsThatDoNotFit(wxWindow* top, const wxImage& shot);
