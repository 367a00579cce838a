// Modal runs: nested loops in which timers keep firing, ended by EndDialog.
#include <gtest/gtest.h>

#include "wx_test_support.h"

namespace {

const DialogTemplate kSmall{
    920,
    "設定",
    {100, 40},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kModalFrame,
    {
        {1, ControlKind::Button, "OK", DialogRect(45, 20, 50, 14), kDefaultButton},
    }};

// Ends its own modal run with a result on its second tick; a far later timer guards the test.
class TimedDialog : public CDialog {
public:
    TimedDialog(CWnd* parent, int result, bool endAtOnce = false)
        : CDialog(kSmall, parent), m_result(result), m_endAtOnce(endAtOnce) {}

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
        if (id == 99) {
            EndDialog(-99);
        } else if (++ticks == 2) {
            EndDialog(m_result);
        }
    }

    int m_result;
    bool m_endAtOnce;
};

TEST(WxModal, RunsUntilEndDialogWithTimersFiringInside) {
    // Without an owner: the program's main window runs its own loop.
    TimedDialog main(nullptr, 4321);
    EXPECT_EQ(main.DoModal(), 4321);
    EXPECT_EQ(main.ticks, 2);
    EXPECT_FALSE(main.IsCreated()) << "the window goes with the end of the run";

    // Owned: modal to its owner, whose own timer keeps running behind it.
    RecordingDialog owner(kSmall);
    ASSERT_TRUE(owner.Create());
    owner.ShowWindow(SW_SHOW);
    owner.SetTimer(5, 10);
    TimedDialog child(&owner, IDCANCEL);
    // Its own timer ends it only after two ticks; by then the owner's 10 ms timer has ticked.
    EXPECT_EQ(child.DoModal(), IDCANCEL);
    int ownerTicks = 0;
    for (const Message& m : owner.received) {
        ownerTicks += m.message == WM_TIMER ? 1 : 0;
    }
    EXPECT_GE(ownerTicks, 1);
}

TEST(WxModal, EndDialogDuringInitialisationEndsTheRunAtOnce) {
    TimedDialog dialog(nullptr, 77, true);
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_EQ(dialog.ticks, 0);
}

}  // namespace
