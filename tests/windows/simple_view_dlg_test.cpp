#include "windows/simple_view_dlg.h"

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "res/resource.h"
#include "windows/window_test_support.h"

namespace {

const DialogTemplate& OwnerTemplate() {
    static const DialogTemplate owner{
        9002, "owner", CSize{100, 50}, "ＭＳ Ｐゴシック", 9, kCaption | kVisible, {},
    };
    return owner;
}

// 2001-09-09 01:46:40 UTC: 10:46:40 in Japan.
constexpr CTime kFirstUpdate(1000000000);
constexpr CTime kSecondUpdate(1000000000 + 3600 + 61);

class SimpleViewTest : public WindowTest {
protected:
    SimpleViewTest() : view(&owner) {
        // The main dialog is the application's main window; the view is made without naming a
        // parent, so it belongs to the main window.
        owner.Create();
        app().m_pMainWnd = &owner;
        view.Create();
    }
    ~SimpleViewTest() override { app().m_pMainWnd = nullptr; }

    static WorkUnitInfo FoundWorkUnit(const char* directory) {
        WorkUnitInfo wu(directory);
        wu.found = true;
        return wu;
    }
    static AnalysisState FoundState(double prog, double cpu) {
        AnalysisState state;
        state.found = true;
        state.prog = prog;
        state.cpu = cpu;
        return state;
    }

    // What the main dialog's simple-view button does.
    void SwapToView() {
        owner.ShowWindow(SW_HIDE);
        view.SetWindowPos(ZOrder::TopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }

    CDialog owner{OwnerTemplate()};
    CSimpleViewDlg view;
};

TEST_F(SimpleViewTest, WaitsHiddenUntilTheFirstUpdate) {
    EXPECT_FALSE(view.IsWindowVisible());
    EXPECT_TRUE(owner.IsWindowVisible());
    EXPECT_EQ("Vantrel", view.GetWindowText());
    EXPECT_EQ("Wait...", TextOf(view, IDC_INFO));
    EXPECT_EQ("", TextOf(view, IDC_TIME));
}

TEST_F(SimpleViewTest, ShowsProgressAndCpuTime) {
    EXPECT_TRUE(view.UpdateView(kFirstUpdate, FoundWorkUnit("/home/seti/client"),
                                FoundState(0.123456, 3725.25)));
    EXPECT_EQ("/home/seti/client", view.GetWindowText());
    // The seconds are not padded: "%02.3lf" is narrower than the text.
    EXPECT_EQ("Progress:   12.346%\nCPU Time: 1 hr 02 min 5.250 sec", TextOf(view, IDC_INFO));
    EXPECT_EQ("2001/09/09 10:46:40", TextOf(view, IDC_TIME));
    // Updates while hidden: the view is kept current behind the main window.
    EXPECT_FALSE(view.IsWindowVisible());

    EXPECT_TRUE(view.UpdateView(kSecondUpdate, FoundWorkUnit("/home/seti/client"),
                                FoundState(1.0, 59.999)));
    EXPECT_EQ("Progress:   100.000%\nCPU Time: 0 hr 00 min 59.999 sec", TextOf(view, IDC_INFO));
    EXPECT_EQ("2001/09/09 11:47:41", TextOf(view, IDC_TIME));
}

TEST_F(SimpleViewTest, MissingRecordsShowTheFailureText) {
    const AnalysisState missingState;
    // Nothing found yet: the title stays, the time line shows the attempt.
    EXPECT_FALSE(view.UpdateView(kFirstUpdate, WorkUnitInfo("/nowhere"), missingState));
    EXPECT_EQ("Vantrel", view.GetWindowText());
    EXPECT_EQ("情報取得失敗", TextOf(view, IDC_INFO));
    EXPECT_EQ("2001/09/09 10:46:40", TextOf(view, IDC_TIME));

    // A work unit without an analysis state: the title follows the work unit's directory.
    EXPECT_FALSE(view.UpdateView(kFirstUpdate, FoundWorkUnit("/seti/a"), missingState));
    EXPECT_EQ("/seti/a", view.GetWindowText());
    EXPECT_EQ("情報取得失敗", TextOf(view, IDC_INFO));

    // The work unit lost again: the title keeps its last text even with a state at hand.
    EXPECT_FALSE(view.UpdateView(kSecondUpdate, WorkUnitInfo("/seti/b"), FoundState(0.5, 10)));
    EXPECT_EQ("/seti/a", view.GetWindowText());
    EXPECT_EQ("情報取得失敗", TextOf(view, IDC_INFO));
    EXPECT_EQ("2001/09/09 11:47:41", TextOf(view, IDC_TIME));
}

TEST_F(SimpleViewTest, OnlyADoubleClickLeadsBackToTheMainWindow) {
    view.UpdateView(kFirstUpdate, FoundWorkUnit("/seti"), FoundState(0.25, 100));
    const CString shown = TextOf(view, IDC_INFO);
    SwapToView();
    ASSERT_TRUE(view.IsWindowVisible());

    EXPECT_TRUE(Headless::PressEnter(view));
    EXPECT_TRUE(Headless::PressEscape(view));
    view.SendMessage(Message{WM_COMMAND, IDOK, BN_CLICKED});
    view.SendMessage(Message{WM_CLOSE});
    EXPECT_FALSE(Headless::Close(view));  // no system menu, so no close box
    EXPECT_TRUE(Headless::PressButton(view, IDC_INFO));
    EXPECT_TRUE(view.IsWindowVisible());
    EXPECT_FALSE(owner.IsWindowVisible());
    EXPECT_EQ(shown, TextOf(view, IDC_INFO));

    ASSERT_TRUE(Headless::DoubleClickButton(view, IDC_INFO));
    EXPECT_FALSE(view.IsWindowVisible());
    EXPECT_TRUE(owner.IsWindowVisible());
    EXPECT_EQ(shown, TextOf(view, IDC_INFO));
}

}  // namespace
