// The native windows of a dialog's controls: one wrapper per kind over its wx window.
#pragma once

#include <wx/icon.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include "platform/ui/native_window.h"

class DrawnWindow;
class ReportList;
class TabNotebook;

// What this backend's native windows have in common: a wx window behind them.
class WxWindowAccess {
public:
    // Null once wx has destroyed the window.
    virtual wxWindow* GetWxWindow() const = 0;

protected:
    ~WxWindowAccess() = default;
};

// The wx window behind a native window of this backend, or null.
wxWindow* GetWxWindowOf(NativeWindow* window);

// The calls every kind shares; the defaults for the calls of other kinds do nothing.
class WxControl : public NativeWindow, public WxWindowAccess {
public:
    explicit WxControl(wxWindow* window);

    void SetTarget(MessageTarget*) override {}
    void SetText(const CString& text) override;
    CString GetText() const override { return m_text; }
    void Show(int command) override;
    bool IsVisible() const override;
    void Enable(bool enable) override;
    bool IsEnabled() const override;
    void SetFocus() override;
    CRect GetRect() const override;
    CRect GetClientRect() const override;
    double GetContentScale() const override;
    int GetTextHeight() const override;
    void SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) override;
    bool IsTopMost() const override { return false; }
    void Redraw(UINT flags) override;

    wxWindow* GetWxWindow() const override { return m_window.get(); }

protected:
    // Shows the text in the window; by default as a label whose "&" marks a mnemonic.
    virtual void ShowText(wxWindow& window, const CString& text);

private:
    wxWeakRef<wxWindow> m_window;
    CString m_text;  // as set, "&" included, which is what Windows returns
};

// Static text, plain or in a LabelBox.
class WxLabelControl : public WxControl {
public:
    WxLabelControl(wxWindow* window, bool noPrefix) : WxControl(window), m_noPrefix(noPrefix) {}

protected:
    void ShowText(wxWindow& window, const CString& text) override;

private:
    bool m_noPrefix;
};

class WxCheckBoxControl : public WxControl {
public:
    using WxControl::WxControl;
    int GetCheck() const override;
    void SetCheck(int check) override;
};

class WxEditControl : public WxControl {
public:
    using WxControl::WxControl;
    void SetText(const CString& text) override;
    CString GetText() const override;
    void SetLimitText(int maxChars) override;
};

// Shows an icon; the text of a Windows icon control names a resource, so it is not shown.
class WxIconControl : public WxControl {
public:
    using WxControl::WxControl;
    void SetIcon(const wxIcon& icon);

protected:
    void ShowText(wxWindow&, const CString&) override {}
};

class WxTabControl : public WxControl {
public:
    explicit WxTabControl(TabNotebook* notebook);
    int InsertItem(int index, const CString& text) override;
    int GetCurSel() const override;
    int SetCurSel(int index) override;
    int GetItemCount() const override;
    CString GetItemText(int index) const override;

protected:
    void ShowText(wxWindow&, const CString&) override {}

private:
    TabNotebook* Notebook() const;
};

class WxListControl : public WxControl {
public:
    explicit WxListControl(ReportList* list);
    int InsertItem(int index, const CString& text) override;
    int GetCurSel() const override;
    int SetCurSel(int index) override;
    int GetItemCount() const override;
    CString GetItemText(int index) const override { return GetCellText(index, 0); }
    int InsertColumn(int column, const CString& heading, int format) override;
    int GetColumnCount() const override;
    CString GetColumnText(int column) const override;
    void SetColumnWidth(int column, int width) override;
    void SetColumnWidthFor(int column, const std::vector<CString>& texts) override;
    bool SetCellText(int item, int column, const CString& text) override;
    CString GetCellText(int item, int column) const override;
    bool SetCellProgress(int item, int column, int percent) override;
    int GetCellProgress(int item, int column) const override;
    bool SetCellToolTip(int item, int column, const CString& text) override;
    CString GetCellToolTip(int item, int column) const override;
    void SetSortIndicator(int column, bool ascending) override;
    bool DeleteItem(int item) override;
    void DeleteAllItems() override;
    void SetItemCountEx(int count) override;

protected:
    void ShowText(wxWindow&, const CString&) override {}

private:
    ReportList* List() const;
    bool IsCell(int item, int column) const;
};

// A self-drawn static: its paints reach the target, whose CPaintDC draws through BeginPaint.
class WxDrawnControl : public WxControl {
public:
    explicit WxDrawnControl(DrawnWindow* window);
    ~WxDrawnControl() override;
    void SetTarget(MessageTarget* target) override;
    CRect GetClientRect() const override;
    std::unique_ptr<NativePainter> BeginPaint() override;

protected:
    void ShowText(wxWindow&, const CString&) override {}

private:
    DrawnWindow* Drawn() const;
};
