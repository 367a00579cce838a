// CListCtrl: a report-style list. Columns with headers over rows of texts; a cell may show a
// progress bar beside its text; one row may be selected. A click on a column header
// (LVN_COLUMNCLICK), a change of the selected row by the user (LVN_ITEMCHANGED) and a double
// click on a row (NM_DBLCLK) reach the dialog's message map as WM_NOTIFY with an NMLISTVIEW.
// The list never sorts itself: the program orders the rows.
#pragma once

#include <vector>

#include "platform/ui/cwnd.h"

class CListCtrl : public CWnd {
public:
    // Returns the index of the new column, or -1. width: pixels, or LVSCW_AUTOSIZE_USEHEADER.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT,
                     int width = LVSCW_AUTOSIZE_USEHEADER);
    int GetColumnCount() const;
    CString GetColumnText(int column) const;
    void SetColumnWidth(int column, int width);
    // As wide as the header and each of texts, where every digit stands for any digit
    // (platform/base/digit_shape.h): texts that hold a column's cells size it without its rows.
    void SetColumnWidthFor(int column, const std::vector<CString>& texts);

    // Returns the index of the new row, or -1; the text goes into its first column.
    int InsertItem(int item, const char* text);
    bool SetItemText(int item, int subItem, const char* text);
    CString GetItemText(int item, int subItem) const;
    // A bar filled to percent (0 to 100) beside the cell's text; -1 takes the bar away.
    bool SetItemProgress(int item, int subItem, int percent);
    int GetItemProgress(int item, int subItem) const;
    // What the pointer over the cell shows: the whole of a text the cell shows shortened.
    bool SetItemToolTip(int item, int subItem, const CString& text);
    CString GetItemToolTip(int item, int subItem) const;
    // The arrow in a column's header that shows the rows are in its order; -1 shows none.
    void SetSortIndicator(int column, bool ascending);
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const;
    // An owner-data list (kOwnerData): the rows the program keeps now. The rows shown ask for
    // their texts again, so it also follows a new order of the same rows.
    void SetItemCountEx(int count);

    // The selected row, or -1. Selecting from the program sends no notification.
    int GetSelectedItem() const;
    bool SetSelectedItem(int item);
};
