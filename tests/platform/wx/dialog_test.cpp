// Dialogs built from a template, and what the user, timers and modal runs do to them.
#include <gtest/gtest.h>

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

// Windows' MulDiv, the rounding with which dialog units become pixels.
int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

class WxDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }

    // Pixels from dialog units, with the base units Windows derives from the font's letters.
    int PxX(int units) {
        const int letters = WxOf(dialog)
                                ->GetTextExtent(
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                    "abcdefghijklmnopqrstuvwxyz")
                                .x;
        return MulDiv(units, (letters / 26 + 1) / 2, 4);
    }
    int PxY(int units) { return MulDiv(units, WxOf(dialog)->GetCharHeight(), 8); }
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

TEST_F(WxDialog, ControlsCarryTheTemplatesTextsPlacesAndStates) {
    auto* window = dynamic_cast<wxDialog*>(WxOf(dialog));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.GetWindowText(), "観測情報");
    EXPECT_FALSE(dialog.IsWindowVisible()) << "a template without the visible style stays hidden";
    // The template's font is mapped to an installed Japanese gothic face.
    EXPECT_EQ(window->GetFont().GetPointSize(), 9);
    EXPECT_TRUE(window->GetFont().GetFaceName() == "IPAPGothic" ||
                window->GetFont().GetFaceName() == "Noto Sans CJK JP");
    CRect rect;
    dialog.GetClientRect(&rect);
    EXPECT_EQ(rect, (CRect{0, 0, PxX(310), PxY(195)}));
    dialog.GetDlgItem(1)->GetWindowRect(&rect);
    EXPECT_EQ(rect, (CRect{PxX(255), PxY(155), PxX(305), PxY(169)}));

    // Texts as set, "&" included; shown with "&" as a mnemonic unless the static says not.
    EXPECT_EQ(dialog.GetDlgItem(1011)->GetWindowText(),
              "観測開始&日時\n赤経\n赤緯\n角度範囲\n観測時間");
    const std::pair<int, const char*> shown[] = {
        {1011, "観測開始日時\n赤経\n赤緯\n角度範囲\n観測時間"}, {1006, "A & B"}, {1005, "更新"}};
    for (const auto& [id, text] : shown) {
        auto* control = wxDynamicCast(WxOf(dialog, id), wxControl);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->GetLabelText(), wxString::FromUTF8(text)) << id;
    }
    EXPECT_EQ(window->GetDefaultItem(), WxOf(dialog, 1005));
    for (int id : {777, 4242, -1}) {
        EXPECT_EQ(dialog.GetDlgItem(id), nullptr) << "unknown kinds are skipped: " << id;
    }

    // Texts reach the control and come back as the user typed them.
    CWnd* edit = dialog.GetDlgItem(1020);
    edit->SetWindowText("1440");
    EXPECT_EQ(static_cast<wxTextCtrl*>(WxOf(dialog, 1020))->GetValue(), "1440");
    static_cast<wxTextCtrl*>(WxOf(dialog, 1020))->ChangeValue(wxString::FromUTF8("入力"));
    EXPECT_EQ(edit->GetWindowText(), "入力");
    CButton check;
    check.Attach(dialog.GetDlgItem(1019)->GetNative());
    check.SetCheck(BST_CHECKED);
    EXPECT_TRUE(static_cast<wxCheckBox*>(WxOf(dialog, 1019))->GetValue());
    EXPECT_EQ(dialog.received.size(), 0u) << "setting a check reports nothing";

    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.GetDlgItem(1008)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(1030)->IsWindowVisible());
    EXPECT_FALSE(edit->IsWindowEnabled());
    edit->EnableWindow(true);
    EXPECT_TRUE(edit->IsWindowEnabled());
    // Moving and sizing a control, in pixels of the dialog's client area.
    CWnd* label = dialog.GetDlgItem(1008);
    label->SetWindowPos(ZOrder::Top, 0, 0, 120, 30, SWP_NOMOVE | SWP_SHOWWINDOW);
    label->SetWindowPos(ZOrder::Top, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    label->GetWindowRect(&rect);
    EXPECT_EQ(rect, (CRect{7, 9, 127, 39}));
    label->ShowWindow(SW_HIDE);
    EXPECT_FALSE(label->IsWindowVisible());
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(dialog.GetDlgItem(1005)->IsWindowVisible()) << "hidden with its dialog";
}

// Controls over the tab control lie inside its page and are drawn there; the picture is kept
// for people to look at.
TEST_F(WxDialog, ControlsOverATabControlLieInsideItsPageAndAreDrawn) {
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    for (const char* caption : {"Work Unit", "観測情報", "解析情報", "進捗/終了時予測"}) {
        tab.InsertItem(tab.GetItemCount(), caption);
    }
    tab.SetCurSel(1);
    auto* notebook = static_cast<wxNotebook*>(WxOf(dialog, 1035));
    ShowAndSettle(dialog);
    ASSERT_TRUE(PumpUntil([&] { return notebook->GetCurrentPage()->GetScreenPosition().y > 0; }));
    PumpFor(100);

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
}

const char* const kIconXpm[] = {"4 3 2 1", "  c None", "x c #FF0000", "xxxx", "x  x", "xxxx"};
const IconResource kIcon{128, kIconXpm};
const char* const kBrokenXpm[] = {"not an xpm"};
const IconResource kBrokenIcon{129, kBrokenXpm};

TEST_F(WxDialog, IconControlsShowTheApplicationIcon) {
    dialog.SetIcon(&kBrokenIcon, true);  // unreadable: ignored
    dialog.SetIcon(nullptr, false);
    dialog.SetIcon(&kIcon, true);
    EXPECT_EQ(static_cast<wxDialog*>(WxOf(dialog))->GetIcons().GetIconCount(), 1u);
    // A dialog made later, such as the About box, shows the icon the main window was given,
    // sized to it as on Windows.
    RecordingDialog about(kTestDialog);
    ASSERT_TRUE(about.Create());
    wxStaticBitmap* picture = nullptr;
    for (wxWindow* child : WxOf(about)->GetChildren()) {
        picture = picture ? picture : wxDynamicCast(child, wxStaticBitmap);
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBitmap().GetSize(), wxSize(4, 3));
    EXPECT_EQ(picture->GetSize(), wxSize(4, 3));
}

TEST_F(WxDialog, ClicksAndTypingReachTheProgram) {
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
    ClickOn(1020);
    PumpFor(100);
    user.Text("a5-b7");
    EXPECT_TRUE(PumpUntil([&] { return dialog.GetDlgItem(1020)->GetWindowText() == "57"; }, 2000))
        << dialog.GetDlgItem(1020)->GetWindowText().GetString();
    ClickOn(1025);
    PumpFor(100);
    user.Text("abcdef");
    PumpFor(200);
    EXPECT_EQ(path.GetWindowText(), "abcd");
    EXPECT_EQ(dialog.cancels, 0);
}

TEST_F(WxDialog, EscEnterAndTheCloseBoxAskTheProgram) {
    ShowAndSettle(dialog);
    PointAtEmptySpot(dialog);
    user.Char(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return dialog.cancels == 1; }));
    EXPECT_EQ(dialog.Count(WM_COMMAND, IDCANCEL, BN_CLICKED), 1);

    // Enter presses the template's default button, or the focused push button, but not a
    // disabled default button.
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
    EXPECT_TRUE(WxOf(dialog)->IsShown());

    // Without an override, Cancel ends a modeless dialog by hiding it, as Windows does.
    CDialog plain(kTestDialog);
    ASSERT_TRUE(plain.Create());
    ShowAndSettle(plain);
    PointAtEmptySpot(plain);
    user.Char(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !plain.IsWindowVisible(); }));
}

TEST_F(WxDialog, TabHeadsInsertAndSelectQuietlyButAUserChangeNotifies) {
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    EXPECT_EQ(tab.GetCurSel(), -1);
    // Index asked for, index given: past the end appends, a negative index is refused; the
    // first item becomes the selection.
    const std::pair<int, int> inserts[] = {{0, 0}, {1, 1}, {99, 2}, {-1, -1}};
    for (const auto& [at, got] : inserts) {
        EXPECT_EQ(tab.InsertItem(at, at == 1 ? "観測情報" : "x"), got) << at;
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
    EXPECT_EQ(notebook->GetSelection(), 2);
    PumpFor(100);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, kAnyId, TCN_SELCHANGE), 0);

    notebook->SetSelection(1);  // what a click on a tab head does inside wx
    PumpUntil([&] { return dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE) == 1; }, 1000);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE), 1);
    EXPECT_EQ(tab.GetCurSel(), 1);
}

TEST_F(WxDialog, TimersReportTheirIdsUntilKilled) {
    EXPECT_EQ(dialog.SetTimer(7, 0), 0u) << "a zero period is refused";
    EXPECT_EQ(dialog.SetTimer(3, 0x7FFFFFFF), 3u);
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u);
    const auto ticksOf = [&](UINT_PTR id) {
        int ticks = 0;
        for (const Message& m : dialog.received) {
            ticks += m.message == WM_TIMER && m.wParam == id;
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
    EXPECT_EQ(dialog.SetTimer(7, 20), 7u) << "a killed timer starts again under its id";
    EXPECT_TRUE(PumpUntil([&] { return ticksOf(7) > ticks; }));
}

TEST_F(WxDialog, SetWindowPosMovesAndSetsAlwaysOnTop) {
    // Each call, then whether the dialog is on top: Top only raises; SWP_NOZORDER keeps it.
    const std::pair<ZOrder, UINT> calls[] = {{ZOrder::TopMost, SWP_SHOWWINDOW},
                                             {ZOrder::NoTopMost, SWP_NOZORDER},
                                             {ZOrder::Top, 0},
                                             {ZOrder::NoTopMost, 0}};
    for (const auto& [order, flags] : calls) {
        dialog.SetWindowPos(order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | flags);
        const bool onTop = &order != &calls[3].first;
        EXPECT_EQ(dialog.IsTopMost(), onTop);
        EXPECT_EQ(WxOf(dialog)->HasFlag(wxSTAY_ON_TOP), onTop);
    }
    EXPECT_TRUE(dialog.IsWindowVisible());
    // Dialogs move in screen coordinates and keep their size when told to.
    CRect before;
    dialog.GetWindowRect(&before);
    dialog.SetWindowPos(ZOrder::Top, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect after;
    dialog.GetWindowRect(&after);
    EXPECT_EQ(after, (CRect{30, 40, 30 + before.Width(), 40 + before.Height()}));
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

// Ends its modal run with a result on its second tick, or at once from OnInitDialog; a far later
// timer guards the test.
class TimedDialog : public CDialog {
public:
    TimedDialog(CWnd* parent, int result, bool endAtOnce = false)
        : CDialog(kTestDialog, parent), m_result(result), m_endAtOnce(endAtOnce) {}
    int ticks = 0;
    static const MessageMap* GetThisMessageMap() {
        static const MessageMap map{CDialog::GetThisMessageMap(),
                                    {MapTimer(&TimedDialog::OnTimer)}};
        return &map;
    }

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        if (m_endAtOnce) {
            EndDialog(m_result);
        }
        SetTimer(1, 20);
        SetTimer(99, 10000);
        return true;
    }

private:
    void OnTimer(UINT_PTR id) {
        if (id == 99 || ++ticks == 2) {
            EndDialog(id == 99 ? -99 : m_result);
        }
    }
    int m_result;
    bool m_endAtOnce;
};

TEST_F(WxDialog, ModalRunsLastUntilEndDialogWithTimersFiringInside) {
    // Without an owner: the program's main window runs its own loop.
    TimedDialog main(nullptr, 4321);
    EXPECT_EQ(main.DoModal(), 4321);
    EXPECT_EQ(main.ticks, 2);
    EXPECT_FALSE(main.IsCreated()) << "the window goes with the end of the run";
    TimedDialog atOnce(nullptr, 77, true);
    EXPECT_EQ(atOnce.DoModal(), 77);
    EXPECT_EQ(atOnce.ticks, 0);

    // Owned: modal to its owner, whose 10 ms timer keeps running behind it.
    dialog.ShowWindow(SW_SHOW);
    dialog.SetTimer(5, 10);
    TimedDialog child(&dialog, IDCANCEL);
    EXPECT_EQ(child.DoModal(), IDCANCEL);
    EXPECT_GE(dialog.Count(WM_TIMER), 1);
}

}  // namespace
