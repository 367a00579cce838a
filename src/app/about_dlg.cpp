#include "app/about_dlg.h"

#include "res/resource.h"
#include "res/templates.h"

CAboutDlg::CAboutDlg() : CDialog(LoadDialogTemplate(IDD_ABOUTBOX)) {}
