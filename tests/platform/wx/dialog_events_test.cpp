// What the user does to a dialog, and its timers, reaching the program as messages.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "platform/ui/controls.h"
#include "wx_test_support.h"

namespace {

const DialogTemplate kButtons{
    910,
    "Buttons",
    {160, 80},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu,
    {
        {1031, ControlKind::Button, "Wait...", DialogRect(0, 0, 100, 35),
         kFlat | kMultiLine | kSendsDoubleClicks},
        {1019, ControlKind::CheckBox, "自動更新", DialogRect(105, 5, 50, 10), kStyleNone},
        {1035, ControlKind::Tab, nullptr, DialogRect(0, 36, 160, 40), kStyleNone},
        {1005, ControlKind::Button, "更新", DialogRect(105, 20, 50, 14), kDefaultButton},
    }};

wxPoint CentreOnScreen(wxWindow* window) {
    const wxRect rect = window->GetScreenRect();
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

// Shows the dialog and waits until GTK has placed it on the screen.
void ShowAndSettle(CDialog& dialog) {
    dialog.ShowWindow(SW_SHOWNORMAL);
    wxWindow* window = WxOf(dialog);
    PumpUntil([window] { return window->IsShownOnScreen(); });
    PumpFor(200);
}

TEST(WxDialogEvents, ClicksReachTheMessageMapAsCommands) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);
    wxUIActionSimulator user;

    user.MouseMove(CentreOnScreen(WxOf(dialog, 1019)));
    user.MouseClick();
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1019, BN_CLICKED) == 1; }));
    CButton check;
    check.Attach(dialog.GetDlgItem(1019)->GetNative());
    EXPECT_EQ(check.GetCheck(), BST_CHECKED) << "reported after the check changed";

    user.MouseMove(CentreOnScreen(WxOf(dialog, 1031)));
    user.MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1031, BN_DOUBLECLICKED) == 1; }));
    EXPECT_GE(dialog.Count(WM_COMMAND, 1031, BN_CLICKED), 1);

    // A double click on a button that doesn't ask for them is two clicks.
    user.MouseMove(CentreOnScreen(WxOf(dialog, 1005)));
    user.MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1005, BN_CLICKED) == 2; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, 1005, BN_DOUBLECLICKED), 0);
    EXPECT_EQ(dialog.cancels, 0);
}

TEST(WxDialogEvents, EscEnterAndTheCloseBoxAskTheProgram) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);
    wxWindow* window = WxOf(dialog);
    wxUIActionSimulator user;
    // Without a window manager the keyboard follows the pointer.
    const wxRect rect = window->GetScreenRect();
    user.MouseMove(rect.GetRight() - 5, rect.GetBottom() - 5);
    PumpFor(50);

    user.Char(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return dialog.cancels == 1; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, IDCANCEL, BN_CLICKED), 1);

    // Enter presses the template's default button, or the focused push button.
    user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1005, BN_CLICKED) == 1; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, IDOK, BN_CLICKED), 0);
    WxOf(dialog, 1031)->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == WxOf(dialog, 1031); }));
    user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1031, BN_CLICKED) == 1; }));
    // A disabled default button takes no Enter.
    dialog.GetDlgItem(1005)->EnableWindow(false);
    WxOf(dialog, 1019)->SetFocus();
    user.Char(WXK_RETURN);
    PumpFor(100);
    EXPECT_EQ(dialog.Count(WM_COMMAND, 1005, BN_CLICKED), 1);
    EXPECT_EQ(dialog.cancels, 1);

    window->Close();  // what the close box and Alt+F4 do
    PumpFor(50);
    EXPECT_EQ(dialog.Count(WM_CLOSE), 1);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "only the program closes its windows";
    EXPECT_TRUE(window->IsShown());

    // Without an override, Cancel ends a modeless dialog by hiding it, as Windows does.
    CDialog plain(kButtons);
    ASSERT_TRUE(plain.Create());
    ShowAndSettle(plain);
    const wxRect plainRect = WxOf(plain)->GetScreenRect();
    user.MouseMove(plainRect.GetRight() - 5, plainRect.GetBottom() - 5);
    PumpFor(50);
    user.Char(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !plain.IsWindowVisible(); }));
}

TEST(WxDialogEvents, TabHeadsInsertAndSelectQuietlyButAUserChangeNotifies) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    EXPECT_EQ(tab.GetCurSel(), -1);
    EXPECT_EQ(tab.InsertItem(0, "Work Unit"), 0);
    EXPECT_EQ(tab.GetCurSel(), 0) << "the first item becomes the selection";
    EXPECT_EQ(tab.InsertItem(1, "観測情報"), 1);
    EXPECT_EQ(tab.InsertItem(99, "ユーザ情報"), 2) << "past the end appends";
    EXPECT_EQ(tab.InsertItem(-1, "x"), -1);
    EXPECT_EQ(tab.GetItemCount(), 3);
    EXPECT_EQ(tab.GetItemText(1), "観測情報");
    EXPECT_EQ(tab.GetItemText(3), "");

    EXPECT_EQ(tab.SetCurSel(2), 0);
    EXPECT_EQ(tab.GetCurSel(), 2);
    EXPECT_EQ(tab.SetCurSel(9), -1);
    EXPECT_EQ(tab.GetCurSel(), 2) << "a refused index leaves the selection";
    ShowAndSettle(dialog);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, kAnyId, TCN_SELCHANGE), 0);

    // What a click on a tab head does inside wx.
    static_cast<wxNotebook*>(WxOf(dialog, 1035))->SetSelection(1);
    PumpUntil([&] { return dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE) == 1; }, 1000);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE), 1);
    EXPECT_EQ(tab.GetCurSel(), 1);
}

TEST(WxDialogEvents, TimersReportTheirIdsUntilKilled) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.SetTimer(7, 0), 0u) << "a zero period is refused";
    EXPECT_EQ(dialog.SetTimer(3, 0x7FFFFFFF), 3u);
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u);
    const auto ticksOf = [&](UINT_PTR id) {
        int ticks = 0;
        for (const Message& m : dialog.received) {
            ticks += (m.message == WM_TIMER && m.wParam == id) ? 1 : 0;
        }
        return ticks;
    };
    ASSERT_TRUE(PumpUntil([&] { return ticksOf(7) >= 2; }));
    EXPECT_TRUE(dialog.KillTimer(7));
    PumpFor(20);
    const int ticks = ticksOf(7);
    PumpFor(150);
    EXPECT_EQ(ticksOf(7), ticks) << "no tick after KillTimer";
    EXPECT_EQ(ticksOf(3), 0);
    // A killed timer starts again under its id.
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u);
    EXPECT_TRUE(PumpUntil([&] { return ticksOf(7) > ticks; }));
}

TEST(WxDialogEvents, AlwaysOnTopFollowsSetWindowPos) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.IsTopMost());
    dialog.SetWindowPos(ZOrder::TopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(dialog.IsTopMost());
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(WxOf(dialog)->HasFlag(wxSTAY_ON_TOP));
    // Top only raises; with SWP_NOZORDER nothing changes.
    dialog.SetWindowPos(ZOrder::NoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(dialog.IsTopMost());
    dialog.SetWindowPos(ZOrder::Top, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(dialog.IsTopMost());
    dialog.SetWindowPos(ZOrder::NoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(dialog.IsTopMost());
    EXPECT_FALSE(WxOf(dialog)->HasFlag(wxSTAY_ON_TOP));

    // Dialogs move in screen coordinates and keep their size when told to.
    CRect before;
    dialog.GetWindowRect(&before);
    dialog.SetWindowPos(ZOrder::Top, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect after;
    dialog.GetWindowRect(&after);
    EXPECT_EQ(after, (CRect{30, 40, 30 + before.Width(), 40 + before.Height()}));
}

}  // namespace

namespace {

TEST(WxDialogEvents, TheAboutItemIsInTheContextMenuAndSendsItsSystemCommand) {
    RecordingDialog dialog(kButtons);
    ASSERT_TRUE(dialog.Create());
    auto* native = dynamic_cast<NativeDialog*>(dialog.GetNative());
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->AppendSystemMenuItem(IDM_ABOUTBOX, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    ShowAndSettle(dialog);

    // Right click on an empty part of the dialog; the menu's own loop runs until an item is
    // chosen, so the keys come from a timer inside it.
    wxUIActionSimulator user;
    wxTimer chooser;
    chooser.Bind(wxEVT_TIMER, [&user](wxTimerEvent&) {
        user.Char(WXK_DOWN);
        user.Char(WXK_RETURN);
    });
    chooser.StartOnce(300);
    const wxRect rect = WxOf(dialog)->GetScreenRect();
    user.MouseMove(rect.GetRight() - 5, rect.GetBottom() - 5);
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_SYSCOMMAND) == 1; }));
    EXPECT_EQ(dialog.received.back().wParam, IDM_ABOUTBOX);
}

}  // namespace

namespace {

const DialogTemplate kEdits{
    911,
    "設定",
    {120, 40},
    "ＭＳ Ｐゴシック",
    9,
    kCaption,
    {
        {1020, ControlKind::Edit, "", DialogRect(5, 5, 50, 14), kDigitsOnly | kAlignRight},
        {1025, ControlKind::Edit, "", DialogRect(60, 5, 55, 14), kAutoHScroll},
    }};

TEST(WxDialogEvents, DigitsOnlyEditsRefuseOtherCharactersAndLimitsHold) {
    RecordingDialog dialog(kEdits);
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);
    CEdit path;
    path.Attach(dialog.GetDlgItem(1025)->GetNative());
    path.SetLimitText(4);

    wxUIActionSimulator user;
    user.MouseMove(CentreOnScreen(WxOf(dialog, 1020)));
    user.MouseClick();
    PumpFor(100);
    user.Text("a5-b7");
    ASSERT_TRUE(PumpUntil([&] { return dialog.GetDlgItem(1020)->GetWindowText() == "57"; }, 2000))
        << dialog.GetDlgItem(1020)->GetWindowText().GetString();

    user.MouseMove(CentreOnScreen(WxOf(dialog, 1025)));
    user.MouseClick();
    PumpFor(100);
    user.Text("abcdef");
    PumpFor(200);
    EXPECT_EQ(path.GetWindowText(), "abcd");
}

}  // namespace
