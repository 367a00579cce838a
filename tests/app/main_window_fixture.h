// Runs the main window on the headless backend in a temporary client directory, with its own
// settings store and a fixed clock.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/info_dlg.h"
#include "app/program_fixture.h"
#include "monitor/client_session.h"

// The labels of three pages, a line each, as the window shows them.
inline constexpr char kWorkUnitLabels[] =
    "データ種別：\n\nWU名：\n受信時刻：\nSETI Ver.：\nSplitter Ver.：";
inline constexpr char kProgressLabels[] =
    "進捗：\nCPU Time：\n解析項目：\n稼働率：\n\n終了時 CPU "
    "Time：\n予想終了時刻1：\n予想終了時刻2：";
inline constexpr char kUserLabels[] =
    "登録日：\nWU受信総数：\n結果送信総数：\nTotal CPU Time：\n\n結果送信数/日：\nCPU "
    "Time/WU：\nCPU Time/日：";

class MainWindowTest : public ProgramTest {
protected:
    MainWindowTest() { m_app->m_strModuleDir = m_config.path().c_str(); }

    // Copies the client files of tests/data/<set> ("sah" or "txt") into the client directory.
    void CopyClientFiles(const std::string& set) { m_client.CopyClientFiles(set); }
    // Runs the main window modally on a fresh session of the client directory; the script drives
    // it from inside its modal loop.
    void RunMainWindow(const std::function<void(CInfoDlg&)>& script) {
        m_session = std::make_unique<ClientSession>(m_client.path().c_str());
        CInfoDlg dlg(*m_session);
        m_app->m_pMainWnd = &dlg;
        Headless::QueueModal([&](CDialog& dialog) { script(static_cast<CInfoDlg&>(dialog)); });
        dlg.DoModal();
        m_app->m_pMainWnd = nullptr;
    }
    // The monitor of the window running now (or run last).
    const ClientMonitor& monitor() const { return m_session->Monitor(); }

    // What the window shows, as a user reads it.
    static std::string Shown(CInfoDlg& dlg, int id) { return Headless::TextOf(dlg, id).str(); }

    TempDir m_client;

private:
    std::unique_ptr<ClientSession> m_session;
};
