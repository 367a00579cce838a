// The clients overview on the real toolkit, in the locale the run asks for: rows that fill in,
// texts and columns that hold their texts, a folder that hangs while the window answers, and the
// main window opened on a client by a double click or by Return on its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <wx/listctrl.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>

#include "app/info_app.h"
#include "app/overview_dlg.h"
#include "gui/window_shots.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "res/strings.h"
#include "support/hanging_reader.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class OverviewWindow : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
        for (const TempDir* client : {&m_a, &m_b, &m_hung}) {
            for (const fs::directory_entry& entry : fs::directory_iterator(VANTREL_DEMO_DIR)) {
                fs::copy(entry.path(), client->File(entry.path().filename().string()));
            }
        }
        m_reader.Hang(m_hung.path().c_str());
        m_app.SetRegistryKey("Halvorn");
        COverviewDlg::Options options;
        options.bound = std::chrono::milliseconds(400);
        options.reader = m_reader.Reader();
        m_dlg = std::make_unique<COverviewDlg>(
            std::vector<CString>{m_a.path().c_str(), m_b.path().c_str(), m_hung.path().c_str(),
                                 m_empty.path().c_str()},
            false, options);
        m_app.m_pMainWnd = m_dlg.get();
        ASSERT_TRUE(m_dlg->Create());
        ShowAndSettle(*m_dlg);
    }
    void TearDown() override {
        m_reader.LetGo();
        m_dlg->DestroyWindow();
        m_dlg.reset();
        m_app.m_pMainWnd = nullptr;
        PumpUntil([] { return RefreshPool::StuckThreadsRunning() == 0; });
    }

    wxListCtrl& List() { return *static_cast<wxListCtrl*>(WxOf(*m_dlg, IDC_CLIENTS)); }
    std::string Cell(int row, int column) {
        return List().GetItemText(row, column).utf8_str().data();
    }

    TempDir m_a, m_b, m_hung, m_empty, m_config;
    HangingReader m_reader;
    CInfoApp m_app;
    std::unique_ptr<COverviewDlg> m_dlg;
    wxUIActionSimulator m_user;
};

TEST_F(OverviewWindow, RowsFillInWhileAFolderHangsAndTheWindowKeepsAnswering) {
    ASSERT_TRUE(
        PumpUntil([&] { return Cell(2, kStatusColumn) == Tr(Text::kStatusNotResponding); }));
    // (Every row's texts and status: the overview's headless tests.)
    EXPECT_EQ(Cell(0, kProgressColumn), "45.123 %");
    PumpFor(300);  // the list paints its rows when it is idle
    ExpectEveryTextFits(*m_dlg, "overview");
    ExpectEveryTabStopShowsFocus(*m_dlg, "overview");

    // A click on the folder header sorts at once while the folder still hangs.
    std::vector<std::string> folders = {m_a.path(), m_b.path(), m_hung.path(), m_empty.path()};
    std::sort(folders.begin(), folders.end());
    const auto sorted = [&] {
        for (int row = 0; row < 4; ++row) {
            if (Cell(row, kFolderColumn) != folders[static_cast<size_t>(row)]) {
                return false;
            }
        }
        return true;
    };
    wxRect cell;
    ASSERT_TRUE(List().GetSubItemRect(0, kFolderColumn, cell));
    m_user.MouseMove(
        List().ClientToScreen(wxPoint(cell.x + cell.width / 2, cell.y - cell.height / 2)));
    wxStopWatch answered;
    m_user.MouseClick();
    ASSERT_TRUE(PumpUntil(sorted, 2000));
    EXPECT_LT(answered.Time(), 500) << "the sorted rows came late";
    const int hungRow = static_cast<int>(std::find(folders.begin(), folders.end(), m_hung.path()) -
                                         folders.begin());
    EXPECT_EQ(Cell(hungRow, kStatusColumn), Tr(Text::kStatusNotResponding));

    // A double click opens the main window on the client of that row.
    const int rowOfA =
        static_cast<int>(std::find(folders.begin(), folders.end(), m_a.path()) - folders.begin());
    ASSERT_TRUE(List().GetSubItemRect(rowOfA, kFolderColumn, cell));
    m_user.MouseMove(List().ClientToScreen(cell.GetPosition() + cell.GetSize() / 2));
    m_user.MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] { return m_dlg->ClientWindow(rowOfA) != nullptr; }));
    CClientDlg& window = *m_dlg->ClientWindow(rowOfA);
    ASSERT_TRUE(PumpUntil([&] { return WxOf(window)->IsShownOnScreen(); }));
    PumpFor(200);
    EXPECT_EQ(window.GetWindowText(), m_a.path() + " (45.123%) - Vantrel");
    ExpectEveryTextFits(window, "overview_client");

    // Return on a selected row opens its client as well.
    const int rowOfB =
        static_cast<int>(std::find(folders.begin(), folders.end(), m_b.path()) - folders.begin());
    WxOf(*m_dlg)->Raise();
    PumpFor(200);
    ASSERT_TRUE(List().GetSubItemRect(rowOfB, kFolderColumn, cell));
    m_user.MouseMove(List().ClientToScreen(cell.GetPosition() + cell.GetSize() / 2));
    m_user.MouseClick();
    ASSERT_TRUE(PumpUntil(
        [&] { return List().GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) == rowOfB; }));
    EXPECT_EQ(m_dlg->ClientWindow(rowOfB), nullptr);
    m_user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return m_dlg->ClientWindow(rowOfB) != nullptr; }));
}

TEST_F(OverviewWindow, AltAndAButtonsLetterPressesIt) {
    const int rows = List().GetItemCount();
    wxRect cell;
    ASSERT_TRUE(List().GetSubItemRect(0, kFolderColumn, cell));
    m_user.MouseMove(List().ClientToScreen(cell.GetPosition() + cell.GetSize() / 2));
    m_user.MouseClick();
    ASSERT_TRUE(PumpUntil([&] { return WxOf(*m_dlg, IDC_REMOVE_CLIENT)->IsEnabled(); }));
    m_user.Char('d', wxMOD_ALT);  // 削除(&D)
    EXPECT_TRUE(PumpUntil([&] { return List().GetItemCount() == rows - 1; }));
}

TEST_F(OverviewWindow, ALargerWindowGivesItsRoomToTheListAndKeepsTheButtonsInTheCorners) {
    wxWindow* window = WxOf(*m_dlg);
    wxWindow* add = WxOf(*m_dlg, IDC_ADD_CLIENT);
    wxWindow* quit = WxOf(*m_dlg, IDOK);
    const wxSize client = window->GetClientSize();
    const wxSize list = List().GetSize();
    const wxPoint addAt = add->GetPosition();
    const int quitMargin = client.x - quit->GetRect().GetRight();

    window->Move(0, 0);
    window->SetClientSize(client + wxSize(150, 120));
    ASSERT_TRUE(PumpUntil([&] { return List().GetSize() == list + wxSize(150, 120); }));
    EXPECT_EQ(add->GetPosition(), addAt + wxPoint(0, 120));
    EXPECT_EQ(window->GetClientSize().x - quit->GetRect().GetRight(), quitMargin);
    EXPECT_EQ(quit->GetPosition().y, addAt.y + 120);

    // No smaller than its buttons in one row.
    window->SetClientSize(wxSize(50, 50));
    PumpFor(200);
    EXPECT_LT(WxOf(*m_dlg, IDC_REMOVE_CLIENT)->GetRect().GetRight(),
              WxOf(*m_dlg, IDC_OVERVIEW_HISTORY)->GetRect().GetLeft());
}

}  // namespace
