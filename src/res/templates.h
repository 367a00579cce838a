// The dialog templates of the program's windows, and its icon.
#pragma once

#include "platform/ui/dialog_template.h"
#include "platform/ui/icon.h"

// The template with the id (IDD_ABOUTBOX, IDD_VANTREL_DIALOG, IDD_SETTINGS, IDD_SIMPLEVIEW,
// IDD_HISTORY).
const DialogTemplate& LoadDialogTemplate(int id);

// The history window's template (history_template.cpp).
const DialogTemplate& HistoryTemplate();

// Icon 128, the application's icon; null for another id.
HICON LoadIconResource(int id);
