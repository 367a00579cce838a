// The list control on GTK: rows, progress bars, and what it reports to the program.
#include <gtest/gtest.h>

#include <wx/listctrl.h>
#include <wx/uiaction.h>

#include <array>
#include <string>
#include <vector>

#include "platform/ui/list_ctrl.h"
#include "text_fit.h"
#include "wx_test_support.h"

namespace {

constexpr int kListId = 1060;

const DialogTemplate kListDialog{
    961,
    "一覧",
    {300, 120},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu,
    {
        {kListId, ControlKind::List, "", DialogRect(5, 5, 290, 90), kStyleNone},
        {IDOK, ControlKind::Button, "終了", DialogRect(245, 100, 50, 14), kDefaultButton},
    }};

class WxList : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        list.Attach(dialog.GetDlgItem(kListId)->GetNative());
        list.InsertColumn(0, "フォルダ");
        list.InsertColumn(1, "進捗", LVCFMT_RIGHT);
        const char* const rows[][2] = {
            {"/srv/seti/a", "0.000 %"}, {"/srv/seti/b", "45.123 %"}, {"/srv/seti/c", "100.000 %"}};
        for (const auto& row : rows) {
            const int at = list.InsertItem(list.GetItemCount(), row[0]);
            list.SetItemText(at, 1, row[1]);
        }
        list.SetItemProgress(0, 1, 0);
        list.SetItemProgress(1, 1, 45);
        list.SetItemProgress(2, 1, 100);
        for (int column = 0; column < 2; ++column) {
            list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
        }
        ShowAndSettle(dialog);
    }

    wxListCtrl& Native() { return *static_cast<wxListCtrl*>(WxOf(dialog, kListId)); }
    int Notifications(UINT code) const { return dialog.Count(WM_NOTIFY, kListId, code); }

    RecordingDialog dialog{kListDialog};
    CListCtrl list;
};

TEST_F(WxList, RowsColumnsAndBarsAreWhatTheProgramSet) {
    // (The cells' texts on the screen: the overview's real-window test.)
    EXPECT_EQ(list.GetItemProgress(1, 1), 45);
    EXPECT_EQ(list.GetItemProgress(1, 0), -1);
    EXPECT_FALSE(list.SetItemText(3, 0, "x"));

    // The full bar is filled where the empty one is not: more of the theme's fill colour.
    const wxRect shotRect = Native().GetScreenRect();
    const wxImage shot = CaptureScreen(shotRect);
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(VANTREL_WX_SCREENSHOT_DIR "/wx_list.png", wxBITMAP_TYPE_PNG));
    const auto barArea = [&](int row) {
        wxRect cell;
        Native().GetSubItemRect(row, 1, cell);
        const wxPoint at = Native().ClientToScreen(cell.GetPosition()) - shotRect.GetPosition();
        return wxRect(at.x, at.y, cell.width / 2, cell.height);
    };
    EXPECT_GT(InkPixels(shot, barArea(2), 600), InkPixels(shot, barArea(0), 600) + 20);
    const auto misfits = [&] {
        return TextsThatDoNotFit(WxOf(dialog), CaptureScreen(WxOf(dialog)->GetScreenRect()));
    };
    EXPECT_TRUE(misfits().empty());
    list.SetColumnWidth(1, 40);
    ASSERT_EQ(misfits().size(), 1u);
    EXPECT_EQ(misfits()[0].id, kListId);
}

// A column sized from its rows (LVSCW_AUTOSIZE), or from texts that hold them, each digit standing
// for any digit (SetColumnWidthFor), shows every row's text whole: texts of one length but
// letters of other widths, numbers of every digit. The list is an owner-data one, whose header
// sizing looks at the rows shown only, and the widest texts lie far below them.
TEST(WxListColumns, AColumnHoldsEveryTextOfItsShapes) {
    DialogTemplate ownerData = kListDialog;
    ownerData.controls[0].style = kOwnerData;
    RecordingDialog dialog{ownerData};
    std::vector<std::array<std::string, 2>> rows;
    const char* const names[] = {"iiiiiiii.1", "llllllll.1", "ＷＷ.1", "a"};
    for (int row = 0; row < 200; ++row) {
        const std::string digits(row < 150 ? 3 : 12, static_cast<char>('0' + row % 10));
        rows.push_back({row < 190 ? names[row % 4] : "WWWWWWWW.1",
                        (row % 3 ? "" : "-") + digits + "." + digits.substr(0, 2) + " hr"});
    }
    dialog.onMessage = [&](const Message& message) {
        if (message.message == WM_NOTIFY && message.code == LVN_GETDISPINFO) {
            auto* info = reinterpret_cast<NMLVDISPINFO*>(message.lParam);
            info->item.text = rows.at(info->item.iItem).at(info->item.iSubItem).c_str();
        }
    };
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);  // measured as the checks measure, in the shown window's context
    CListCtrl list;
    list.Attach(dialog.GetDlgItem(kListId)->GetNative());
    list.InsertColumn(0, "名前");
    list.InsertColumn(1, "時間", LVCFMT_RIGHT);
    list.SetItemCountEx(static_cast<int>(rows.size()));
    list.SetColumnWidth(0, LVSCW_AUTOSIZE);
    list.SetColumnWidthFor(1, {"-000000000000.00 hr", "1.00 hr"});
    PumpFor(50);
    const auto misfits = [&] {
        return TextsThatDoNotFit(WxOf(dialog), CaptureScreen(WxOf(dialog)->GetScreenRect()));
    };
    for (const Misfit& misfit : misfits()) {
        ADD_FAILURE() << misfit.why;
    }
    // Texts no longer held: a longer number, a wider name.
    rows[195][1] = "-1234567890123.45 hr";
    EXPECT_EQ(misfits().size(), 1u);
    rows[195][1] = "1.00 hr";
    rows[199][0] = "WWWWWWWWW.1";
    EXPECT_EQ(misfits().size(), 1u);
}

// Only the user's changes are reported: neither the program's own selection nor its deleting
// rows. (Header clicks and double clicks with real input: the overview's real-window test.)
// A cell's tooltip shows while the pointer is over that cell, and no other.
TEST_F(WxList, ACellsToolTipFollowsThePointer) {
    ASSERT_TRUE(list.SetItemToolTip(1, 0, "/srv/seti/b, whole"));
    EXPECT_EQ(list.GetItemToolTip(1, 0), "/srv/seti/b, whole");
    EXPECT_FALSE(list.SetItemToolTip(5, 0, "x"));
    const auto toolTipOver = [&](int row, int column) {
        wxRect cell;
        Native().GetSubItemRect(row, column, cell);
        wxUIActionSimulator user;
        user.MouseMove(Native().ClientToScreen(cell.GetPosition() + cell.GetSize() / 2));
        PumpFor(200);
        wxString shown;
        for (wxWindow* child : Native().GetChildren()) {
            shown += child->GetToolTipText();
        }
        return shown;
    };
    EXPECT_EQ(toolTipOver(1, 0), "/srv/seti/b, whole");
    EXPECT_EQ(toolTipOver(1, 1), "");
    EXPECT_EQ(toolTipOver(2, 0), "");
}

TEST_F(WxList, TheSortArrowIsOnTheColumnTheProgramNames) {
    list.SetSortIndicator(1, false);
    EXPECT_EQ(Native().GetSortIndicator(), 1);
    EXPECT_FALSE(Native().IsAscendingSortIndicator());
    list.SetSortIndicator(0, true);
    EXPECT_EQ(Native().GetSortIndicator(), 0);
    EXPECT_TRUE(Native().IsAscendingSortIndicator());
    list.SetSortIndicator(-1, true);
    EXPECT_EQ(Native().GetSortIndicator(), -1);
}

TEST_F(WxList, TheProgramsOwnChangesAreNotReported) {
    list.SetSelectedItem(2);
    PumpFor(50);
    EXPECT_EQ(list.GetSelectedItem(), 2);
    EXPECT_TRUE(list.DeleteItem(2));
    list.DeleteAllItems();
    PumpFor(50);
    EXPECT_EQ(Notifications(LVN_ITEMCHANGED), 0);
    EXPECT_EQ(list.GetSelectedItem(), -1);
}

}  // namespace
