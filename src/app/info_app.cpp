#include "app/info_app.h"

#include "app/info_dlg.h"
#include "monitor/client_monitor.h"
#include "platform/base/cfile.h"
#include "platform/base/paths.h"
#include "res/strings.h"

CInfoApp::CInfoApp() : CWinApp(Text::kAppName) {}

bool CInfoApp::InitInstance() {
    // Dialog support needs no preparation on our platforms; file writes do.
    ReportFileSizeLimitAsWriteError();
    SetRegistryKey(Text::kRegistryKey);

    const CString modulePath = ModuleFilePath();
    const int slash = modulePath.ReverseFind(kPathSeparator);
    m_strModuleDir = slash > 0 ? modulePath.Left(slash) : CString();

    // The client is the folder the program was started in.
    ClientMonitor monitor(CurrentDirectory());
    CInfoDlg dlg(monitor, nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
