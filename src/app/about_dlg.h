// CAboutDlg: the About box of the system menu.
#pragma once

#include "platform/ui/cdialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
