// Builds the wx window and wrapper of one template control.
#pragma once

#include <memory>

#include <wx/gdicmn.h>
#include <wx/window.h>

#include "platform/ui/dialog_template.h"
#include "platform/wx/wx_controls.h"

// Null for a kind this backend doesn't know. rect is in pixels of the dialog's client area.
std::unique_ptr<WxControl> CreateWxControl(wxWindow* dialog, const ControlTemplate& control,
                                           const wxRect& rect);

// A template rectangle in pixels: each edge converted on its own, as Windows maps dialog units.
wxRect DialogUnitsToPixels(const wxWindow& dialog, const CRect& units);
