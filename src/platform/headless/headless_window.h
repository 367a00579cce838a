// The in-memory windows of the headless backend: every state a user could see is a member.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/headless_list.h"
#include "platform/ui/native_window.h"

namespace Headless {

// One cell of a list control's row.
struct ListCell {
    CString text;
    int progress = -1;  // percent of a bar beside the text; -1: none
    CString toolTip;
};

struct WindowState {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    CString text;
    CRect rect;
    bool visible = true;
    bool enabled = true;
    bool topMost = false;
    int check = BST_UNCHECKED;
    int limitText = 0;
    std::vector<CString> tabItems;
    int curSel = -1;  // the selected tab or list row
    std::vector<CString> columns;
    std::vector<int> columnWidths;  // as last set: pixels, LVSCW_AUTOSIZE_USEHEADER or _AUTOSIZE
    std::vector<std::vector<ListCell>> rows;  // one cell per column
    int ownerDataRows = 0;                    // the rows an owner-data list's program keeps
    int sortColumn = -1;                      // the header that shows the order; -1: none
    bool sortAscending = true;
    MessageTarget* target = nullptr;
    PixelGrid* paintGrid = nullptr;  // set only while a paint runs
};

class HeadlessDialog;

// Implements every NativeWindow call over a WindowState, for controls and dialogs alike.
template <typename Base>
class HeadlessWindowBase : public Base {
public:
    WindowState& state() { return m_state; }
    const WindowState& state() const { return m_state; }

    void SetTarget(MessageTarget* target) override { m_state.target = target; }
    void SetText(const CString& text) override { m_state.text = text; }
    CString GetText() const override { return m_state.text; }
    bool HasText(const CString& text) const override { return m_state.text == text; }
    void Show(int command) override;
    bool IsVisible() const override { return m_state.visible; }
    void Enable(bool enable) override { m_state.enabled = enable; }
    bool IsEnabled() const override { return m_state.enabled; }
    void SetFocus() override;
    CRect GetRect() const override { return m_state.rect; }
    CRect GetClientRect() const override;
    void SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) override;
    bool IsTopMost() const override { return m_state.topMost; }
    void Redraw(UINT flags) override;
    std::unique_ptr<NativePainter> BeginPaint() override;
    int GetCheck() const override { return m_state.check; }
    void SetCheck(int check) override { m_state.check = check; }
    void SetLimitText(int maxChars) override { m_state.limitText = maxChars; }
    int InsertItem(int index, const CString& text) override;
    int GetCurSel() const override { return m_state.curSel; }
    int SetCurSel(int index) override;
    int GetItemCount() const override;
    CString GetItemText(int index) const override;
    int InsertColumn(int column, const CString& heading, int) override {
        return InsertListColumn(m_state, column, heading);
    }
    int GetColumnCount() const override { return static_cast<int>(m_state.columns.size()); }
    CString GetColumnText(int column) const override;
    void SetColumnWidth(int column, int width) override;
    // Without a font to measure, recorded as LVSCW_AUTOSIZE.
    void SetColumnWidthFor(int column, const std::vector<CString>&) override {
        SetColumnWidth(column, LVSCW_AUTOSIZE);
    }
    bool SetCellText(int item, int column, const CString& text) override;
    CString GetCellText(int item, int column) const override;
    bool SetCellProgress(int item, int column, int percent) override;
    int GetCellProgress(int item, int column) const override;
    bool SetCellToolTip(int item, int column, const CString& text) override;
    CString GetCellToolTip(int item, int column) const override;
    void SetSortIndicator(int column, bool ascending) override {
        m_state.sortColumn = column;
        m_state.sortAscending = ascending;
    }
    bool DeleteItem(int item) override { return DeleteListRow(m_state, item); }
    void SetItemCountEx(int count) override;
    void DeleteAllItems() override {
        m_state.rows.clear();
        m_state.curSel = -1;
    }

    // Sends the window a paint over a fresh grid of its client size.
    PixelGrid PaintNow();
    // A paint the program itself caused (showing, Redraw). Nobody can read its pixels back, so
    // the paint handler runs over no grid: drawing it would cost more than the rest of a refresh.
    void PaintUnseen();

    HeadlessDialog* m_dialog = nullptr;  // the dialog a control lies on

protected:
    WindowState m_state;
};

class HeadlessControl : public HeadlessWindowBase<NativeWindow> {};

class HeadlessDialog : public HeadlessWindowBase<NativeDialog> {
public:
    HeadlessDialog(const DialogTemplate& dialogTemplate, NativeDialog* owner,
                   MessageTarget& target);
    ~HeadlessDialog() override;

    NativeWindow* GetControl(int id) override;
    bool SetTimer(UINT_PTR id, UINT elapseMs) override;
    void KillTimer(UINT_PTR id) override;
    int RunModal() override;
    void EndModal(int result) override;
    bool IsIconic() const override { return m_iconic; }
    void SetIcon(HICON icon, bool big) override { (big ? m_bigIcon : m_smallIcon) = icon; }
    bool AppendSystemMenuItem(UINT commandId, const CString& text) override;
    int GetSplitterOffset() const override { return m_splitterOffset; }
    void SetSplitterOffset(int offset) override { m_splitterOffset = offset; }

    HeadlessControl* Control(int id);
    const DialogTemplate& dialogTemplate() const { return m_template; }
    MessageTarget& target() { return m_target; }
    bool ended() const { return m_ended; }

    std::map<UINT_PTR, UINT> m_timers;
    std::vector<std::pair<UINT, CString>> m_systemMenu;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_iconic = false;
    int m_focusId = 0;
    int m_splitterOffset = 0;

private:
    const DialogTemplate& m_template;
    MessageTarget& m_target;
    std::vector<std::unique_ptr<HeadlessControl>> m_controls;
    bool m_ended = false;
    int m_result = IDCANCEL;
};

// The headless dialog behind a program window, or null.
HeadlessDialog* DialogOf(const CWnd& window);

}  // namespace Headless
