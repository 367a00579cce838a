// The interface each backend implements: one NativeWindow per control, one NativeDialog per
// dialog, and the free functions at the end. The windows of the program never see which backend
// runs them.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/cstring.h"
#include "platform/base/rgba_image.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/icon.h"
#include "platform/ui/message.h"
#include "platform/ui/types.h"

class CWnd;

// Receives what a native window reports.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Returns the handler's result (0 when unhandled).
    virtual LRESULT SendMessage(const Message& message) = 0;
};

struct PenSpec {
    int style = 0;  // PS_SOLID
    int width = 1;
    COLORREF color = 0;
};

// Drawing on a window during one paint.
class NativePainter {
public:
    virtual ~NativePainter() = default;
    virtual void FillSolidRect(const CRect& rect, COLORREF color) = 0;
    virtual void SelectPen(const PenSpec& pen) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position up to, not including, (x, y), which becomes current.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const CPoint* points, int count) = 0;
    // The picture with its top left corner at (x, y), its alpha ignored; scale of its pixels
    // to a window pixel (a picture drawn for the screen's own pixels: GetContentScale).
    virtual void DrawImage(int x, int y, const RgbaImage& image, double scale) = 0;
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    // Where this window reports its own messages (paint, for a self-drawn control).
    virtual void SetTarget(MessageTarget* target) = 0;

    virtual void SetText(const CString& text) = 0;
    virtual CString GetText() const = 0;
    // Whether the window shows text already; a backend that keeps its text answers without a copy.
    virtual bool HasText(const CString& text) const { return GetText() == text; }
    virtual void Show(int command) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Enable(bool enable) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void SetFocus() = 0;

    // Pixels; for a control relative to its dialog's client area, for a dialog on the screen.
    virtual CRect GetRect() const = 0;
    virtual CRect GetClientRect() const = 0;
    // How many of the screen's pixels make one of the window's (2 at GDK_SCALE=2).
    virtual double GetContentScale() const { return 1.0; }
    // The height of a line of the window's text, in the window's pixels; 0 where not known.
    virtual int GetTextHeight() const { return 0; }
    virtual void SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) = 0;
    virtual bool IsTopMost() const = 0;

    // Repaints now when the window is shown.
    virtual void Redraw(UINT flags) = 0;
    // Only valid while a self-drawn control handles WM_PAINT; null elsewhere.
    virtual std::unique_ptr<NativePainter> BeginPaint() { return nullptr; }

    // What only some kinds of control have; the others keep these answers.
    // Check boxes.
    virtual int GetCheck() const { return BST_UNCHECKED; }
    virtual void SetCheck(int) {}
    // Edits.
    virtual void SetLimitText(int) {}
    // Tab controls and list controls: items (tab heads, rows), the selected one (-1: none).
    virtual int InsertItem(int, const CString&) { return -1; }
    virtual int GetCurSel() const { return -1; }
    virtual int SetCurSel(int) { return -1; }
    virtual int GetItemCount() const { return 0; }
    virtual CString GetItemText(int) const { return CString(); }
    // List controls: columns, the cells of a row, a progress bar (percent, -1: none) in a cell.
    // Setting the selection reports nothing, as on Windows' tab controls.
    virtual int InsertColumn(int, const CString&, int) { return -1; }
    virtual int GetColumnCount() const { return 0; }
    virtual CString GetColumnText(int) const { return CString(); }
    virtual void SetColumnWidth(int, int) {}
    virtual void SetColumnWidthFor(int, const std::vector<CString>&) {}
    virtual bool SetCellText(int, int, const CString&) { return false; }
    virtual CString GetCellText(int, int) const { return CString(); }
    virtual bool SetCellProgress(int, int, int) { return false; }
    virtual int GetCellProgress(int, int) const { return -1; }
    virtual bool SetCellToolTip(int, int, const CString&) { return false; }
    virtual CString GetCellToolTip(int, int) const { return CString(); }
    // The arrow in a column's header that shows the rows' order; a column below 0 shows none.
    virtual void SetSortIndicator(int, bool) {}
    virtual bool DeleteItem(int) { return false; }
    virtual void DeleteAllItems() {}
    // Owner-data lists: the number of rows; the rows shown are asked for again.
    virtual void SetItemCountEx(int) {}
};

class NativeDialog : public NativeWindow {
public:
    // The control with the id, or null.
    virtual NativeWindow* GetControl(int id) = 0;

    // Starts (or restarts) a window timer; false when the platform refuses it.
    virtual bool SetTimer(UINT_PTR id, UINT elapseMs) = 0;
    virtual void KillTimer(UINT_PTR id) = 0;

    // Runs the dialog modally until EndModal; returns EndModal's result.
    virtual int RunModal() = 0;
    virtual void EndModal(int result) = 0;

    virtual bool IsIconic() const = 0;
    virtual void SetIcon(HICON icon, bool big) = 0;
    // Adds an item that reaches the dialog as WM_SYSCOMMAND: the system menu where the platform
    // has one to extend, else the dialog's context menu. False when there is none.
    virtual bool AppendSystemMenuItem(UINT commandId, const CString& text) = 0;
    // A resizable dialog's splitter: how far the user has moved it from where the layout puts it
    // (pixels, down is positive); 0 in a dialog without one.
    virtual int GetSplitterOffset() const { return 0; }
    virtual void SetSplitterOffset(int) {}
};

// Builds a dialog and its controls from a template. owner may be null. The dialog reports its
// messages to target. Not shown unless the template says visible.
std::unique_ptr<NativeDialog> CreateNativeDialog(const DialogTemplate& dialogTemplate,
                                                 NativeDialog* owner, MessageTarget& target);

// A message box; returns the button pressed (IDOK, IDCANCEL).
int ShowNativeMessageBox(NativeWindow* owner, const CString& text, const CString& caption,
                         UINT type);

struct FileDialogRequest {
    bool openFileDialog = true;
    CString defaultExt;
    CString fileName;
    UINT flags = 0;
    CString filter;  // "Name|pattern|Name|pattern||"
    CString initialDir;
    CString title;  // empty: the framework's title for an open or a save dialog
};

// A file dialog; true with the chosen full path when the user confirmed.
bool ShowNativeFileDialog(NativeWindow* owner, const FileDialogRequest& request, CString& path);

// A folder chooser; true with the chosen folder's full path when the user confirmed.
bool ShowNativeFolderDialog(NativeWindow* owner, const CString& title, const CString& initialDir,
                            CString& path);
