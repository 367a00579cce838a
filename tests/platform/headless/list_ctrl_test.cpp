// The headless list controls: rows as data a test reads, rows an owner-data list asks the program
// for, and the clicks a user makes on them.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/list_ctrl.h"

namespace {

constexpr int kListId = 1060;
constexpr int kOwnerDataId = 1061;

const DialogTemplate kListDialog{
    960,
    "一覧",
    {300, 220},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kVisible,
    {
        {kListId, ControlKind::List, "", DialogRect(5, 5, 290, 90), kStyleNone},
        {kOwnerDataId, ControlKind::List, "", DialogRect(5, 100, 290, 90), kOwnerData},
        {IDOK, ControlKind::Button, "終了", DialogRect(245, 200, 50, 14), kDefaultButton},
    }};

// Records the lists' notifications as (code, row, column), and gives the owner-data list's cells
// as the column's letter and the row ("b2"), the rows reversed when asked.
class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(kListDialog) {}

    static const MessageMap* GetThisMessageMap() {
        static const MessageMap map{
            CDialog::GetThisMessageMap(),
            {
                MapNotify(LVN_COLUMNCLICK, kListId, &ListDialog::OnNotify),
                MapNotify(LVN_ITEMCHANGED, kListId, &ListDialog::OnNotify),
                MapNotify(NM_DBLCLK, kListId, &ListDialog::OnNotify),
                MapNotify(LVN_ITEMCHANGED, kOwnerDataId, &ListDialog::OnNotify),
                MapNotify(LVN_GETDISPINFO, kOwnerDataId, &ListDialog::OnGetDispInfo),
            }};
        return &map;
    }

    CListCtrl list;
    CListCtrl ownerData;
    std::vector<std::tuple<UINT, int, int>> notes;
    bool reversed = false;
    int asked = 0;

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kListId, list);
        DDX_Control(pDX, kOwnerDataId, ownerData);
    }

private:
    void OnNotify(NMLISTVIEW* view, LRESULT* result) {
        notes.emplace_back(view->hdr.code, view->iItem, view->iSubItem);
        *result = 0;
    }
    void OnGetDispInfo(NMLVDISPINFO* info, LRESULT* result) {
        ++asked;
        const int rows = ownerData.GetItemCount();
        const int row = reversed ? rows - 1 - info->item.iItem : info->item.iItem;
        info->item.text.Format("%c%d", 'a' + info->item.iSubItem, row);
        *result = 0;
    }
};

class HeadlessList : public testing::Test {
protected:
    HeadlessList() {
        Headless::Reset();
        EXPECT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.list.InsertColumn(0, "フォルダ"), 0);
        EXPECT_EQ(dialog.list.InsertColumn(1, "進捗", LVCFMT_RIGHT, 80), 1);
        for (const char* folder : {"/srv/a", "/srv/b", "/srv/c"}) {
            dialog.list.InsertItem(dialog.list.GetItemCount(), folder);
        }
    }
    ~HeadlessList() override { Headless::Reset(); }

    ListDialog dialog;
};

// Cells outside the rows and columns are refused, not grown; bars are percent held inside
// 0..100, none below 0. (Rows, texts and bars as the overview sets them: the overview's tests.)
TEST_F(HeadlessList, CellsOutsideTheListAreRefusedAndBarsHeldInRange) {
    CListCtrl& list = dialog.list;
    EXPECT_FALSE(list.SetItemText(3, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 2, "x"));
    EXPECT_FALSE(list.SetItemText(-1, 0, "x"));
    EXPECT_EQ(list.GetItemText(9, 0), "");
    EXPECT_EQ(Headless::ListRows(dialog, kListId).size(), 3u);

    EXPECT_EQ(Headless::ListProgress(dialog, kListId, 2, 1), -1);
    list.SetItemProgress(1, 1, 150);
    EXPECT_EQ(list.GetItemProgress(1, 1), 100);
    list.SetItemProgress(1, 1, -7);
    EXPECT_EQ(list.GetItemProgress(1, 1), -1);
    EXPECT_FALSE(list.DeleteItem(3));
}

// The selection follows its row; only the user's clicks are reported, and only where a user
// can reach.
TEST_F(HeadlessList, TheSelectionFollowsItsRowAndOnlyTheUserIsReported) {
    CListCtrl& list = dialog.list;
    EXPECT_EQ(list.GetSelectedItem(), -1);
    EXPECT_TRUE(list.SetSelectedItem(1));
    EXPECT_FALSE(list.SetSelectedItem(3));
    EXPECT_EQ(Headless::SelectedListRow(dialog, kListId), 1);
    EXPECT_TRUE(dialog.notes.empty()) << "the program's own selection is not reported";

    list.InsertItem(0, "/srv/0");
    EXPECT_EQ(list.GetSelectedItem(), 2) << "the selection stays on /srv/b";
    list.DeleteItem(0);
    EXPECT_EQ(list.GetItemText(list.GetSelectedItem(), 0), "/srv/b");
    list.DeleteItem(1);
    EXPECT_EQ(list.GetSelectedItem(), -1) << "the selected row went";

    ASSERT_TRUE(Headless::ClickListRow(dialog, kListId, 1));
    ASSERT_TRUE(Headless::ClickListRow(dialog, kListId, 1));  // the selected row: nothing new
    ASSERT_TRUE(Headless::ClickListHeader(dialog, kListId, 1));
    ASSERT_TRUE(Headless::DoubleClickListRow(dialog, kListId, 0));
    EXPECT_EQ(dialog.notes, (std::vector<std::tuple<UINT, int, int>>{{LVN_ITEMCHANGED, 1, 0},
                                                                     {LVN_COLUMNCLICK, -1, 1},
                                                                     {LVN_ITEMCHANGED, 0, 0},
                                                                     {NM_DBLCLK, 0, 0}}));
    EXPECT_TRUE(list.SetSelectedItem(-1));
    EXPECT_EQ(list.GetSelectedItem(), -1);

    dialog.notes.clear();
    EXPECT_FALSE(Headless::ClickListHeader(dialog, kListId, 2));
    EXPECT_FALSE(Headless::DoubleClickListRow(dialog, kListId, 2));
    EXPECT_FALSE(Headless::ClickListRow(dialog, IDOK, 0)) << "not a list";
    list.EnableWindow(false);
    EXPECT_FALSE(Headless::ClickListHeader(dialog, kListId, 0));
    EXPECT_FALSE(Headless::DoubleClickListRow(dialog, kListId, 0));
    EXPECT_TRUE(dialog.notes.empty());
}

// The program keeps the rows and the list asks for each cell's text; a new count or order shows
// at once.
TEST_F(HeadlessList, OwnerDataRowsComeFromTheProgramInItsOrder) {
    CListCtrl& list = dialog.ownerData;
    list.InsertColumn(0, "A");
    list.InsertColumn(1, "B");
    list.SetItemCountEx(3);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(Headless::ListRows(dialog, kOwnerDataId),
              (std::vector<std::vector<CString>>{{"a0", "b0"}, {"a1", "b1"}, {"a2", "b2"}}));
    EXPECT_EQ(list.GetItemText(2, 1), "b2");
    EXPECT_EQ(list.GetItemText(3, 0), "");  // no such row: the program is not asked
    EXPECT_EQ(list.GetItemText(0, 2), "");
    const int asked = dialog.asked;
    list.GetItemText(-1, 0);
    EXPECT_EQ(dialog.asked, asked);
    // Rows the program keeps can't be inserted one by one.
    EXPECT_EQ(list.InsertItem(0, "x"), -1);

    dialog.reversed = true;
    list.SetItemCountEx(3);
    EXPECT_EQ(list.GetItemText(0, 0), "a2");

    EXPECT_TRUE(Headless::ClickListRow(dialog, kOwnerDataId, 2));
    EXPECT_EQ(dialog.notes, (std::vector<std::tuple<UINT, int, int>>{{LVN_ITEMCHANGED, 2, 0}}));
    EXPECT_EQ(list.GetSelectedItem(), 2);
    // Fewer rows: a selection past them goes.
    list.SetItemCountEx(2);
    EXPECT_EQ(list.GetSelectedItem(), -1);
    EXPECT_FALSE(Headless::ClickListRow(dialog, kOwnerDataId, 2));
}

}  // namespace
