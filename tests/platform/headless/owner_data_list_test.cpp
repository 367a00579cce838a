// An owner-data list on the headless backend: the program keeps the rows and the list asks for
// each cell's text; a new count or order shows at once.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/list_ctrl.h"

namespace {

constexpr int kListId = 1061;

const DialogTemplate kOwnerDataDialog{
    961,
    "一覧",
    {300, 120},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kVisible,
    {
        {kListId, ControlKind::List, "", DialogRect(5, 5, 290, 90), kOwnerData},
    }};

class OwnerDataDialog : public CDialog {
public:
    OwnerDataDialog() : CDialog(kOwnerDataDialog) {}

    static const MessageMap* GetThisMessageMap() {
        static const MessageMap map{
            CDialog::GetThisMessageMap(),
            {
                MapNotify(LVN_GETDISPINFO, kListId, &OwnerDataDialog::OnGetDispInfo),
                MapNotify(LVN_ITEMCHANGED, kListId, &OwnerDataDialog::OnItemChanged),
            }};
        return &map;
    }

    CListCtrl list;
    bool reversed = false;
    int asked = 0;
    int changedTo = -2;

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kListId, list); }

private:
    void OnGetDispInfo(NMLVDISPINFO* info, LRESULT* result) {
        ++asked;
        const int row = reversed ? list.GetItemCount() - 1 - info->item.iItem : info->item.iItem;
        info->item.text.Format("%c%d", 'a' + info->item.iSubItem, row);
        *result = 0;
    }
    void OnItemChanged(NMLISTVIEW* view, LRESULT*) { changedTo = view->iItem; }
};

TEST(OwnerDataList, RowsComeFromTheProgramInItsOrder) {
    Headless::Reset();
    OwnerDataDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.list.InsertColumn(0, "A");
    dialog.list.InsertColumn(1, "B");
    dialog.list.SetItemCountEx(3);
    EXPECT_EQ(dialog.list.GetItemCount(), 3);
    EXPECT_EQ(Headless::ListRows(dialog, kListId),
              (std::vector<std::vector<CString>>{{"a0", "b0"}, {"a1", "b1"}, {"a2", "b2"}}));
    EXPECT_EQ(dialog.list.GetItemText(2, 1), "b2");
    EXPECT_EQ(dialog.list.GetItemText(3, 0), "");  // no such row: the program is not asked
    EXPECT_EQ(dialog.list.GetItemText(0, 2), "");
    const int asked = dialog.asked;
    dialog.list.GetItemText(-1, 0);
    EXPECT_EQ(dialog.asked, asked);
    // Rows the program keeps can't be inserted one by one.
    EXPECT_EQ(dialog.list.InsertItem(0, "x"), -1);

    dialog.reversed = true;
    dialog.list.SetItemCountEx(3);
    EXPECT_EQ(dialog.list.GetItemText(0, 0), "a2");

    EXPECT_TRUE(Headless::ClickListRow(dialog, kListId, 2));
    EXPECT_EQ(dialog.changedTo, 2);
    EXPECT_EQ(dialog.list.GetSelectedItem(), 2);
    // Fewer rows: a selection past them goes.
    dialog.list.SetItemCountEx(2);
    EXPECT_EQ(dialog.list.GetSelectedItem(), -1);
    EXPECT_FALSE(Headless::ClickListRow(dialog, kListId, 2));
    dialog.DestroyWindow();
}

}  // namespace
