#include "app/info_app.h"

#include <cstdio>

#include "app/info_dlg.h"
#include "app/overview_dlg.h"
#include "monitor/client_session.h"
#include "platform/base/cfile.h"
#include "platform/base/paths.h"
#include "res/settings.h"
#include "res/strings.h"
#include "windows/history_dlg.h"

CInfoApp::CInfoApp() : CWinApp(Text::kAppName) {
    UseUiLanguage(ChooseUiLanguage(ReadLocaleEnvironment()));
    m_frameworkTexts = LoadFrameworkTexts();
}

std::optional<int> CInfoApp::ParseCommandLine(const std::vector<std::string>& args) {
    std::optional<CommandLineAnswer> answer = ::ParseCommandLine(args, m_request);
    if (!answer) {
        answer = ResolveFolders(m_request);
    }
    if (!answer) {
        return std::nullopt;
    }
    std::fputs(answer->text.c_str(), answer->toStderr ? stderr : stdout);
    return answer->status;
}

bool CInfoApp::InitInstance() {
    // Dialog support needs no preparation on our platforms; file writes do.
    ReportFileSizeLimitAsWriteError();
    SetRegistryKey(Text::kRegistryKey);

    const CString modulePath = ModuleFilePath();
    const int slash = modulePath.ReverseFind(kPathSeparator);
    m_strModuleDir = slash > 0 ? modulePath.Left(slash) : CString();

    if (m_request.window == StartRequest::Window::History) {
        RunHistory();
        return false;
    }
    if (m_request.window == StartRequest::Window::Overview) {
        RunOverview();
        return false;
    }
    // Without a folder the client is the folder the program was started in.
    RunMainWindow(m_request.folders.empty() ? CurrentDirectory() : m_request.folders.front());
    return false;
}

void CInfoApp::RunOverview() {
    std::vector<CString> folders =
        m_request.storedClients ? LoadClientFolders(*this) : m_request.folders;
    COverviewDlg dlg(std::move(folders), m_request.storedClients, COverviewDlg::Options{});
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}

void CInfoApp::RunMainWindow(const CString& folder) {
    ClientSession session(folder);
    CInfoDlg dlg(session, nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}

void CInfoApp::RunHistory() {
    CString log = m_request.historyLog;
    if (log.IsEmpty()) {
        log = Settings::Load(*this).ExportPath();
    } else if (const std::optional<CString> full = FullPath(log.GetString())) {
        log = *full;
    }
    CHistoryDlg dlg(log, nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}
