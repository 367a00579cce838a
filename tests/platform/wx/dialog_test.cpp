// Dialogs built from a template, and what the user, timers and modal runs do to them.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include <wx/dcclient.h>
#include <wx/fontutil.h>
#include <wx/notebook.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "platform/ui/controls.h"
#include "text_fit.h"
#include "wx_test_support.h"

namespace {

// A system command of the program's own, as the main window adds its About item.
constexpr UINT kAboutCommand = 0x0010;

// Each control but the last a few pixels too small for its text.
const DialogTemplate kCrampedDialog{
    941,
    "狭い",
    {200, 100},
    "ＭＳ Ｐゴシック",
    9,
    kCaption,
    {
        {1011, ControlKind::Static, "観測方向 (From)：", DialogRect(5, 5, 50, 8), kAlignRight},
        {1010, ControlKind::Static, "1048576\n107.374 sec", DialogRect(60, 5, 60, 12), kNoWrap},
        {1019, ControlKind::CheckBox, "一定期間毎に自動更新を行う", DialogRect(5, 20, 90, 10),
         kStyleNone},
        {1005, ControlKind::Button, "最新の情報に更新", DialogRect(5, 35, 50, 14), kStyleNone},
        {1020, ControlKind::Edit, "", DialogRect(60, 35, 16, 14), kDigitsOnly | kAlignRight},
        {1050, ControlKind::GroupBox, " エクスポートファイル ", DialogRect(130, 5, 50, 40),
         kStyleNone},
        {1035, ControlKind::Tab, nullptr, DialogRect(5, 55, 150, 25), kStyleNone},
        {1, ControlKind::Button, "終了", DialogRect(145, 82, 50, 14), kStyleNone},
    }};

class WxDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }

    int PxX(int units) { return DialogPixelsX(WxOf(dialog), units); }
    int PxY(int units) { return DialogPixelsY(WxOf(dialog), units); }
    // Without a window manager the keyboard follows the pointer: put it on an empty spot.
    void PointAtEmptySpot() {
        const wxRect rect = WxOf(dialog)->GetScreenRect();
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
    EXPECT_EQ(dialog.GetWindowText(), "観測情報");
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
    EXPECT_EQ(dialog.GetDlgItem(777), nullptr) << "unknown kinds are skipped";
    dialog.ShowWindow(SW_SHOW);
    EXPECT_FALSE(dialog.GetDlgItem(1030)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(1020)->IsWindowEnabled());
}

// fontconfig finds IPAPGothic by any of its names; wx's face list, which knows a face only by
// its name in the current locale, played no part.
TEST_F(WxDialog, TheDialogFontIsTheProportionalGothicInEveryLocale) {
    // Built as a description, as wx's own parsing would check the name against the face list.
    wxNativeFontInfo face(*WxOf(dialog)->GetFont().GetNativeFontInfo());
    face.SetFaceName("IPAPGothic");
    const wxFont gothic(face);
    wxClientDC dc(WxOf(dialog));
    const wxString sample = wxString::FromUTF8("観測方向 (From)：Samples/Rate 107.374 sec");
    dc.SetFont(gothic);
    const wxSize expected = dc.GetTextExtent(sample);
    dc.SetFont(WxOf(dialog)->GetFont());
    EXPECT_EQ(dc.GetTextExtent(sample), expected);
    EXPECT_LT(dc.GetTextExtent("iiiiiiii").x, dc.GetTextExtent("MMMMMMMM").x);
}

// What every text needs is measured, not assumed: each control of a cramped dialog is found.
TEST(WxTextFit, EveryControlThatCannotShowItsWholeTextIsFound) {
    RecordingDialog cramped(kCrampedDialog);
    ASSERT_TRUE(cramped.Create());
    CTabCtrl tab;
    tab.Attach(cramped.GetDlgItem(1035)->GetNative());
    for (const char* caption :
         {"Work Unit", "観測情報", "解析情報", "進捗/終了時予測", "ユーザ情報"}) {
        tab.InsertItem(tab.GetItemCount(), caption);
    }
    cramped.GetDlgItem(1020)->SetWindowText("1440");
    ShowAndSettle(cramped);
    std::set<int> found;
    for (const Misfit& misfit :
         TextsThatDoNotFit(WxOf(cramped), CaptureScreen(WxOf(cramped)->GetScreenRect()))) {
        found.insert(misfit.id);
    }
    EXPECT_EQ(found, (std::set<int>{1005, 1010, 1011, 1019, 1020, 1035, 1050}));
}

TEST_F(WxDialog, ClicksTypingEscEnterAndTheCloseBoxReachTheProgram) {
    dialog.GetDlgItem(1020)->EnableWindow(true);
    ShowAndSettle(dialog);
    ClickOn(1031, true);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1031, BN_DOUBLECLICKED) == 1; }));

    // Digits-only edits refuse other characters; text limits hold.
    CEdit path;
    path.Attach(dialog.GetDlgItem(1025)->GetNative());
    path.SetLimitText(4);
    const std::tuple<int, const char*, const char*> edits[] = {{1020, "a5-b7", "57"},
                                                               {1025, "abcdef", "abcd"}};
    for (const auto& [id, typed, kept] : edits) {
        ClickOn(id);
        PumpFor(100);
        user.Text(typed);
        PumpUntil(
            [&, id = id, kept = kept] { return dialog.GetDlgItem(id)->GetWindowText() == kept; },
            2000);
        PumpFor(100);
        EXPECT_EQ(dialog.GetDlgItem(id)->GetWindowText(), kept);
    }

    // Esc, Enter and the close box only tell the program.
    PointAtEmptySpot();
    user.Char(WXK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return dialog.cancels == 1; }));
    user.Char(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_COMMAND, 1005, BN_CLICKED) == 1; }));
    WxOf(dialog)->Close();  // what the close box and Alt+F4 do
    PumpFor(50);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_TRUE(dialog.IsWindowVisible()) << "only the program closes its windows";
}

// Selecting a tab from code is quiet but a user change notifies. Controls over the tab control
// lie inside its page, below the heads; the picture is kept for people to look at.
TEST_F(WxDialog, TabsNotifyOnlyUserChangesAndControlsOverThemLieOnThePage) {
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    for (const char* caption : {"Work Unit", "観測情報", "解析情報"}) {
        tab.InsertItem(tab.GetItemCount(), caption);
    }
    ShowAndSettle(dialog);  // a shown notebook is where selecting could notify
    EXPECT_EQ(tab.SetCurSel(2), 0);
    auto* notebook = static_cast<wxNotebook*>(WxOf(dialog, 1035));
    ASSERT_TRUE(PumpUntil([&] { return notebook->GetCurrentPage()->GetScreenPosition().y > 0; }));
    PumpFor(100);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, kAnyId, TCN_SELCHANGE), 0);

    // Where GTK really put the page, against where the controls are.
    const wxRect labels = WxOf(dialog, 1011)->GetScreenRect();
    const wxRect graph = WxOf(dialog, 1040)->GetScreenRect();
    EXPECT_GE(labels.y, notebook->GetCurrentPage()->GetScreenPosition().y);
    EXPECT_LE(graph.GetBottom(), notebook->GetScreenRect().GetBottom());
    EXPECT_EQ(graph.y - labels.y, PxY(90) - PxY(40));
    const wxRect screen = WxOf(dialog)->GetScreenRect();
    const wxImage shot = CaptureScreen(screen);
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(VANTREL_WX_SCREENSHOT_DIR "/wx_dialog.png", wxBITMAP_TYPE_PNG));
    EXPECT_GT(InkPixels(shot, AreaIn(screen, WxOf(dialog, 1011)), 200), 100);

    notebook->SetSelection(1);  // what a click on a tab head does inside wx
    PumpUntil([&] { return dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE) == 1; }, 1000);
    EXPECT_EQ(dialog.Count(WM_NOTIFY, 1035, TCN_SELCHANGE), 1);
    EXPECT_EQ(tab.GetCurSel(), 1);
}

TEST_F(WxDialog, TheAboutItemIsInTheContextMenuAndSendsItsSystemCommand) {
    auto* native = dynamic_cast<NativeDialog*>(dialog.GetNative());
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->AppendSystemMenuItem(kAboutCommand, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    ShowAndSettle(dialog);
    // The menu's own loop runs until an item is chosen, so the keys come from a timer inside it.
    wxTimer chooser;
    chooser.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        user.Char(WXK_DOWN);
        user.Char(WXK_RETURN);
    });
    chooser.StartOnce(300);
    PointAtEmptySpot();
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Count(WM_SYSCOMMAND) == 1; }));
    EXPECT_EQ(dialog.received.back().wParam, kAboutCommand);
}

// Timers report their ids, the owner's too while a modal run goes on, until they are killed.
TEST_F(WxDialog, AModalRunEndsFromItsTimerWhileItsOwnersTimerRunsUntilKilled) {
    dialog.ShowWindow(SW_SHOW);
    EXPECT_EQ(dialog.SetTimer(5, 10), 5u);
    RecordingDialog child(kTestDialog, &dialog);
    // Timer 99 ends a run that would otherwise hang.
    child.onInit = [&child] { child.SetTimer(1, 20), child.SetTimer(99, 10000); };
    child.onMessage = [&child](const Message& m) {
        if (m.message == WM_TIMER && (m.wParam == 99 || child.Count(WM_TIMER, 1) == 2)) {
            child.EndDialog(m.wParam == 99 ? -99 : 4321);
        }
    };
    EXPECT_EQ(child.DoModal(), 4321);
    EXPECT_FALSE(child.IsCreated()) << "the window goes with the end of the run";
    EXPECT_GE(dialog.Count(WM_TIMER, 5), 1);

    EXPECT_TRUE(dialog.KillTimer(5));
    PumpFor(20);
    const int ticks = dialog.Count(WM_TIMER, 5);
    PumpFor(150);
    EXPECT_EQ(dialog.Count(WM_TIMER, 5), ticks) << "no tick after KillTimer";
}

}  // namespace
