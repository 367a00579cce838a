// Dialogs built from a template, and what the user, timers and modal runs do to them.
#include <gtest/gtest.h>

#include <tuple>

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "platform/ui/controls.h"
#include "wx_test_support.h"

namespace {

class WxDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }

    // Pixels from dialog units: Windows' base units from the font's letters, MulDiv's rounding.
    int PxX(int units) {
        const int letters =
            WxOf(dialog)->GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").x;
        return (units * ((letters / 26 + 1) / 2) + 2) / 4;
    }
    int PxY(int units) { return (units * WxOf(dialog)->GetCharHeight() + 4) / 8; }
    // Without a window manager the keyboard follows the pointer: put it on an empty spot.
    void PointAtEmptySpot(CWnd& window) {
        const wxRect rect = WxOf(window)->GetScreenRect();
        user.MouseMove(rect.GetRight() - 5, rect.GetBottom() - 5);
        PumpFor(50);
    }
    void ClickOn(int id, bool twice = false) {
        user.MouseMove(CentreOnScreen(WxOf(dialog, id)));
        twice ? user.MouseDblClick() : user.MouseClick();
    }

    RecordingDialog dialog{kTestDialog};
    wxUIActionSimulator user;
};

const char* const kIconXpm[] = {"4 3 2 1", "  c None", "x c #FF0000", "xxxx", "x  x", "xxxx"};
const IconResource kIcon{128, kIconXpm};
const char* const kBrokenXpm[] = {"not an xpm"};
const IconResource kBrokenIcon{129, kBrokenXpm};

TEST_F(WxDialog, ControlsCarryTheTemplatesTextsPlacesAndStates) {
    auto* window = dynamic_cast<wxDialog*>(WxOf(dialog));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.GetWindowText(), "観測情報");
    EXPECT_FALSE(dialog.IsWindowVisible()) << "a template without the visible style stays hidden";
    // The template's font is mapped to an installed Japanese gothic face.
    const wxFont font = window->GetFont();
    EXPECT_EQ(font.GetPointSize(), 9);
    EXPECT_TRUE(font.GetFaceName() == "IPAPGothic" || font.GetFaceName() == "Noto Sans CJK JP");
    CRect client, button;
    dialog.GetClientRect(&client);
    dialog.GetDlgItem(1)->GetWindowRect(&button);
    EXPECT_EQ(client, (CRect{0, 0, PxX(310), PxY(195)}));
    EXPECT_EQ(button, (CRect{PxX(255), PxY(155), PxX(305), PxY(169)}));

    // Texts come back as set, "&" included, and show "&" as a mnemonic unless a static says not.
    const std::tuple<int, const char*, const char*> texts[] = {
        {1011, "観測開始&日時\n赤経\n赤緯\n角度範囲\n観測時間",
         "観測開始日時\n赤経\n赤緯\n角度範囲\n観測時間"},
        {1006, "A & B", "A & B"},
        {1005, "更新", "更新"}};
    for (const auto& [id, text, shown] : texts) {
        EXPECT_EQ(dialog.GetDlgItem(id)->GetWindowText(), text) << id;
        auto* control = wxDynamicCast(WxOf(dialog, id), wxControl);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->GetLabelText(), wxString::FromUTF8(shown)) << id;
    }
    EXPECT_EQ(window->GetDefaultItem(), WxOf(dialog, 1005));
    for (int id : {777, 4242, -1}) {
        EXPECT_EQ(dialog.GetDlgItem(id), nullptr) << "unknown kinds are skipped: " << id;
    }

    // Texts and checks reach the control, typed text comes back, and neither reports anything.
    CWnd* edit = dialog.GetDlgItem(1020);
    auto* wxEdit = static_cast<wxTextCtrl*>(WxOf(dialog, 1020));
    edit->SetWindowText("1440");
    EXPECT_EQ(wxEdit->GetValue(), "1440");
    wxEdit->ChangeValue(wxString::FromUTF8("入力"));
    EXPECT_EQ(edit->GetWindowText(), "入力");
    CButton check;
    check.Attach(dialog.GetDlgItem(1019)->GetNative());
    check.SetCheck(BST_CHECKED);
    EXPECT_TRUE(static_cast<wxCheckBox*>(WxOf(dialog, 1019))->GetValue());
    EXPECT_EQ(dialog.received.size(), 0u);

    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.GetDlgItem(1008)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(1030)->IsWindowVisible());
    EXPECT_FALSE(edit->IsWindowEnabled());
    edit->EnableWindow(true);
    EXPECT_TRUE(edit->IsWindowEnabled());
    // Controls move and size in pixels of the dialog's client area, dialogs on the screen.
    CWnd* label = dialog.GetDlgItem(1008);
    label->SetWindowPos(ZOrder::Top, 0, 0, 120, 30, SWP_NOMOVE | SWP_SHOWWINDOW);
    label->SetWindowPos(ZOrder::Top, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    label->GetWindowRect(&button);
    EXPECT_EQ(button, (CRect{7, 9, 127, 39}));
    label->ShowWindow(SW_HIDE);
    EXPECT_FALSE(label->IsWindowVisible());
    CRect before, after;
    dialog.GetWindowRect(&before);
    dialog.SetWindowPos(ZOrder::TopMost, 30, 40, 0, 0, SWP_NOSIZE);
    EXPECT_TRUE(dialog.IsTopMost() && WxOf(dialog)->HasFlag(wxSTAY_ON_TOP));
    dialog.GetWindowRect(&after);
    EXPECT_EQ(after, (CRect{30, 40, 30 + before.Width(), 40 + before.Height()}));
    dialog.SetWindowPos(ZOrder::NoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(dialog.IsTopMost() || WxOf(dialog)->HasFlag(wxSTAY_ON_TOP));
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(dialog.GetDlgItem(1005)->IsWindowVisible()) << "hidden with its dialog";

    // An unreadable icon is ignored; a dialog made later, such as the About box, shows the
    // icon the main window was given, sized to it.
    dialog.SetIcon(&kBrokenIcon, true);
    dialog.SetIcon(&kIcon, true);
    EXPECT_EQ(window->GetIcons().GetIconCount(), 1u);
    RecordingDialog about(kTestDialog);
    ASSERT_TRUE(about.Create());
    wxSize picture;
    for (wxWindow* child : WxOf(about)->GetChildren()) {
        picture = wxDynamicCast(child, wxStaticBitmap) ? child->GetSize() : picture;
    }
    EXPECT_EQ(picture, wxSize(4, 3));
}

TEST_F(WxDialog, ClicksTypingEscEnterAndTheCloseBoxReachTheProgram) {
    dialog.GetDlgItem(1020)->EnableWindow(true);
    ShowAndSettle(dialog);
    ClickOn(1019);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1019, BN_CLICKED) == 1; }));
    CButton check;
    check.Attach(dialog.GetDlgItem(1019)->GetNative());
    EXPECT_EQ(check.GetCheck(), BST_CHECKED) << "reported after the check changed";
    ClickOn(1031, true);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1031, BN_DOUBLECLICKED) == 1; }));
    EXPECT_GE(dialog.Count(WM_COMMAND, 1031, BN_CLICKED), 1);
    // A double click on a button that doesn't ask for them is two clicks.
    ClickOn(1005, true);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1005, BN_CLICKED) == 2; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, 1005, BN_DOUBLECLICKED), 0);

    // Digits-only edits refuse other characters; text limits hold.
    CEdit path;
    path.Attach(dialog.GetDlgItem(1025)->GetNative());
    path.SetLimitText(4);
    const struct {
        int id;
        const char *typed, *kept;
    } edits[] = {{1020, "a5-b7", "57"}, {1025, "abcdef", "abcd"}};
    for (const auto& e : edits) {
        ClickOn(e.id);
        PumpFor(100);
        user.Text(e.typed);
        PumpUntil([&] { return dialog.GetDlgItem(e.id)->GetWindowText() == e.kept; }, 2000);
        PumpFor(100);
        EXPECT_EQ(dialog.GetDlgItem(e.id)->GetWindowText(), e.kept);
    }

    // Esc, Enter and the close box only tell the program.
    dialog.received.clear();
    PointAtEmptySpot(dialog);
    user.Char(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return dialog.cancels == 1; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, IDCANCEL, BN_CLICKED), 1);
    // Enter presses the default button or the focused push button, not a disabled default.
    user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1005, BN_CLICKED) == 1; }));
    WxOf(dialog, 1031)->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == WxOf(dialog, 1031); }));
    user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1031, BN_CLICKED) == 1; }));
    dialog.GetDlgItem(1005)->EnableWindow(false);
    WxOf(dialog, 1019)->SetFocus();
    user.Char(WXK_RETURN);
    PumpFor(100);
    EXPECT_EQ(dialog.Count(WM_COMMAND, 1005, BN_CLICKED), 1);
    EXPECT_EQ(dialog.Count(WM_COMMAND, IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dialog.cancels, 1);
    WxOf(dialog)->Close();  // what the close box and Alt+F4 do
    PumpFor(50);
    EXPECT_EQ(dialog.Count(WM_CLOSE), 1);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "only the program closes its windows";

    // Without an override, Cancel ends a modeless dialog by hiding it, as Windows does.
    CDialog plain(kTestDialog);
    ASSERT_TRUE(plain.Create());
    ShowAndSettle(plain);
    PointAtEmptySpot(plain);
    user.Char(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !plain.IsWindowVisible(); }));
}

// Tab heads insert and select quietly but a user change notifies. Controls over the tab control
// lie inside its page and are drawn there; the picture is kept for people to look at.
TEST_F(WxDialog, TabsNotifyOnlyUserChangesAndControlsOverThemLieOnThePage) {
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    EXPECT_EQ(tab.GetCurSel(), -1);
    // Index asked for, index given: past the end appends, a negative index is refused; the
    // first item becomes the selection.
    const std::tuple<int, const char*, int> inserts[] = {
        {0, "Work Unit", 0}, {1, "観測情報", 1}, {99, "解析情報", 2}, {-1, "x", -1}};
    for (const auto& [at, caption, got] : inserts) {
        EXPECT_EQ(tab.InsertItem(at, caption), got) << at;
        EXPECT_EQ(tab.GetCurSel(), 0);
    }
    EXPECT_EQ(tab.GetItemCount(), 3);
    EXPECT_EQ(tab.GetItemText(1), "観測情報");
    EXPECT_EQ(tab.GetItemText(3), "");
    ShowAndSettle(dialog);  // a shown notebook is where selecting could notify
    EXPECT_EQ(tab.SetCurSel(2), 0);
    EXPECT_EQ(tab.SetCurSel(9), -1);
    EXPECT_EQ(tab.GetCurSel(), 2) << "a refused index leaves the selection";
    auto* notebook = static_cast<wxNotebook*>(WxOf(dialog, 1035));
    ASSERT_TRUE(PumpUntil([&] { return notebook->GetCurrentPage()->GetScreenPosition().y > 0; }));
    PumpFor(100);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, kAnyId, TCN_SELCHANGE), 0);

    // Where GTK really put the page, against where the controls are. They moved together: the
    // graph still starts 50 dialog units below the columns. Controls outside stay put.
    const wxRect labels = WxOf(dialog, 1011)->GetScreenRect();
    const wxRect graph = WxOf(dialog, 1040)->GetScreenRect();
    EXPECT_GE(labels.y, notebook->GetCurrentPage()->GetScreenPosition().y);
    EXPECT_EQ(WxOf(dialog, 1010)->GetScreenRect().y, labels.y);
    EXPECT_LE(graph.GetBottom(), notebook->GetScreenRect().GetBottom());
    EXPECT_EQ(graph.y - labels.y, PxY(90) - PxY(40));
    CRect rect;
    dialog.GetDlgItem(1006)->GetWindowRect(&rect);
    EXPECT_EQ(rect.top, PxY(140));
    const wxRect screen = WxOf(dialog)->GetScreenRect();
    const wxImage shot = CaptureScreen(screen);
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(VANTREL_WX_SCREENSHOT_DIR "/wx_dialog.png", wxBITMAP_TYPE_PNG));
    dialog.GetClientRect(&rect);
    EXPECT_EQ(shot.GetWidth(), rect.Width());
    for (const auto& [id, least] : {std::pair{1011, 100}, {1010, 100}, {1008, 50}}) {
        EXPECT_GT(InkPixels(shot, AreaIn(screen, WxOf(dialog, id)), 200), least) << id;
    }
    const wxRect below = AreaIn(screen, WxOf(dialog, 1011));
    EXPECT_EQ(InkPixels(shot, wxRect(below.x, below.GetBottom() - 10, below.width, 8), 200), 0)
        << "an empty area of the page";

    notebook->SetSelection(1);  // what a click on a tab head does inside wx
    PumpUntil([&] { return dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE) == 1; }, 1000);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE), 1);
    EXPECT_EQ(tab.GetCurSel(), 1);
}

TEST_F(WxDialog, TimersReportTheirIdsUntilKilled) {
    EXPECT_EQ(dialog.SetTimer(7, 0), 0u) << "a zero period is refused";
    EXPECT_EQ(dialog.SetTimer(3, 0x7FFFFFFF), 3u);
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_TIMER, 7) >= 2; }));
    EXPECT_TRUE(dialog.KillTimer(7));
    PumpFor(20);
    const int ticks = dialog.Count(WM_TIMER, 7);
    PumpFor(150);
    EXPECT_EQ(dialog.Count(WM_TIMER, 7), ticks) << "no tick after KillTimer";
    EXPECT_EQ(dialog.Count(WM_TIMER, 3), 0);
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u) << "a killed timer starts again under its id";
    EXPECT_TRUE(PumpUntil([&] { return dialog.Count(WM_TIMER, 7) > ticks; }));
}

TEST_F(WxDialog, TheAboutItemIsInTheContextMenuAndSendsItsSystemCommand) {
    auto* native = dynamic_cast<NativeDialog*>(dialog.GetNative());
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->AppendSystemMenuItem(IDM_ABOUTBOX, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    ShowAndSettle(dialog);
    // The menu's own loop runs until an item is chosen, so the keys come from a timer inside it.
    wxTimer chooser;
    chooser.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        user.Char(WXK_DOWN);
        user.Char(WXK_RETURN);
    });
    chooser.StartOnce(300);
    PointAtEmptySpot(dialog);
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_SYSCOMMAND) == 1; }));
    EXPECT_EQ(dialog.received.back().wParam, IDM_ABOUTBOX);
}

TEST_F(WxDialog, ModalRunsLastUntilEndDialogWithTimersFiringInside) {
    // Ends the run with result on timer 1's second tick, or at once from OnInitDialog; timer 99
    // ends a run that hangs.
    const auto run = [](RecordingDialog& modal, int result, bool atOnce) {
        modal.onInit = [&modal, result, atOnce] {
            if (atOnce) {
                modal.EndDialog(result);
            }
            modal.SetTimer(1, 20);
            modal.SetTimer(99, 10000);
        };
        modal.onMessage = [&modal, result](const Message& m) {
            if (m.message == WM_TIMER && (m.wParam == 99 || modal.Count(WM_TIMER, 1) == 2)) {
                modal.EndDialog(m.wParam == 99 ? -99 : result);
            }
        };
        return modal.DoModal();
    };
    // Without an owner: the program's main window runs its own loop.
    RecordingDialog main(kTestDialog);
    EXPECT_EQ(run(main, 4321, false), 4321);
    EXPECT_EQ(main.Count(WM_TIMER), 2);
    EXPECT_FALSE(main.IsCreated()) << "the window goes with the end of the run";
    RecordingDialog atOnce(kTestDialog);
    EXPECT_EQ(run(atOnce, 77, true), 77);
    EXPECT_EQ(atOnce.Count(WM_TIMER), 0);
    // Owned: modal to its owner, whose 10 ms timer keeps running behind it.
    dialog.ShowWindow(SW_SHOW);
    dialog.SetTimer(5, 10);
    RecordingDialog child(kTestDialog, &dialog);
    EXPECT_EQ(run(child, IDCANCEL, false), IDCANCEL);
    EXPECT_GE(dialog.Count(WM_TIMER, 5), 1);
}

}  // namespace
