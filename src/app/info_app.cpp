#include "app/info_app.h"

#include "app/info_dlg.h"
#include "platform/base/cfile.h"
#include "platform/base/paths.h"
#include "res/strings.h"

namespace {

constexpr char kRegistryKey[] = "Halvorn";

}  // namespace

CInfoApp::CInfoApp() : CWinApp(Text::kAppName) {}

bool CInfoApp::InitInstance() {
    // Dialog support needs no preparation on our platforms; file writes do.
    ReportFileSizeLimitAsWriteError();
    SetRegistryKey(kRegistryKey);

    const CString modulePath = ModuleFilePath();
    const int slash = modulePath.ReverseFind(kPathSeparator);
    m_strModuleDir = slash > 0 ? modulePath.Left(slash) : CString();

    CInfoDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

CString UserDataDirectory() {
    const CString base = XdgBaseDirectory("XDG_DATA_HOME", ".local/share");
    return base.IsEmpty() ? CString() : JoinPath(JoinPath(base, kRegistryKey), Text::kAppName);
}

CString DefaultExportPath() {
    const CString directory = UserDataDirectory();
    return directory.IsEmpty() ? CString() : JoinPath(directory, "export.csv");
}
