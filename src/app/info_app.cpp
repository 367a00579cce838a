#include "app/info_app.h"

#include "app/info_dlg.h"
#include "platform/base/cfile.h"
#include "platform/base/paths.h"
#include "res/strings.h"

CInfoApp::CInfoApp() : CWinApp(Text::kAppName) {}

bool CInfoApp::InitInstance() {
    // Dialog support needs no preparation on our platforms; file writes do.
    ReportFileSizeLimitAsWriteError();
    SetRegistryKey("Halvorn");

    const CString modulePath = ModuleFilePath();
    const int slash = modulePath.ReverseFind(kPathSeparator);
    m_strModuleDir = slash > 0 ? modulePath.Left(slash) : CString();

    CInfoDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

CInfoApp& GetInfoApp() {
    return static_cast<CInfoApp&>(*AfxGetApp());
}
