// The headless backend's driving seat: tests and the scenario runner press buttons, fire timers,
// select tabs, answer message boxes and dialogs, and read back what every window shows.
#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/base/cstring.h"
#include "platform/ui/native_window.h"
#include "platform/ui/types.h"

class CWnd;
class CDialog;

namespace Headless {

// Dialog units to pixels, as a 9-point gothic font gives them (6 x 12 base units).
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// --- Message boxes, modal dialogs and file dialogs: recorded, answered from queues ---

struct MessageBoxRecord {
    CString text;
    CString caption;
    UINT type = 0;
    int answer = 0;
};
// The next box gets this answer; without one queued a box is answered with its default button, as
// Enter would (IDOK or IDYES, the second button with MB_DEFBUTTON2). The function form runs while
// the box is "open", so a test can fire a timer behind it.
void QueueMessageBoxAnswer(int answer);
void QueueMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer);
const std::vector<MessageBoxRecord>& MessageBoxes();

struct ModalRecord {
    int templateId = 0;
    int result = 0;
};
// The next modal dialog runs this inside its modal loop; when it returns without ending the
// dialog, the dialog ends with IDCANCEL. Without a script queued a modal dialog ends at once
// with IDCANCEL.
using ModalScript = std::function<void(CDialog&)>;
void QueueModal(ModalScript script);
const std::vector<ModalRecord>& ModalRuns();

// The next file dialog returns this path as the user confirmed it there (nullopt: the user
// cancels, the default); CFileDialog adds the default extension to a name without one.
void QueueFileDialogAnswer(std::optional<CString> path);
const std::vector<FileDialogRequest>& FileDialogs();

// The next folder chooser returns this folder (nullopt: the user cancels, the default).
void QueueFolderDialogAnswer(std::optional<CString> folder);

// Forgets every queue and record, notifications among them.
void Reset();

// --- Desktop notifications: recorded in the order they are shown ---

struct NotificationRecord {
    CString summary;
    CString body;
    bool clickable = false;  // it has an onClick
};
const std::vector<NotificationRecord>& Notifications();
// Runs the notification's onClick, as the user's click on it would; false when there is no such
// notification or it has none.
bool ClickNotification(size_t index);
// Without a service (false) ShowDesktopNotification records nothing and returns false, and says
// so on stderr the first time. The service is there again after Reset.
void SetNotificationServiceAvailable(bool available);

// --- What a user does to a window. Each returns false when the control is missing, hidden or
// disabled (a user could not have done it), and then does nothing. ---

bool PressButton(CWnd& dialog, int id);
bool DoubleClickButton(CWnd& dialog, int id);
// Toggles a check box, then notifies the dialog.
bool ClickCheckBox(CWnd& dialog, int id);
bool TypeText(CWnd& dialog, int id, const CString& text);
// Selects a tab as a click on its head does, with the change notification.
bool SelectTab(CWnd& dialog, int id, int index);
// A list control: a click on a column's header; a click on a row, which selects it (with
// LVN_ITEMCHANGED when the selection changes); a double click on a row, which selects it and
// sends NM_DBLCLK.
bool ClickListHeader(CWnd& dialog, int id, int column);
bool ClickListRow(CWnd& dialog, int id, int row);
bool DoubleClickListRow(CWnd& dialog, int id, int row);
bool PressEscape(CWnd& dialog);
bool PressEnter(CWnd& dialog);
// The close box (or Alt+F4).
bool Close(CWnd& dialog);
bool SysCommand(CWnd& dialog, UINT commandId);
// Fires a running timer; false when no timer with the id runs.
bool FireTimer(CWnd& dialog, UINT_PTR id);

// --- What the window shows ---

std::optional<UINT> TimerPeriod(const CWnd& dialog, UINT_PTR id);
// A control's text, visibility and enabled state; empty and false when there is no such control.
CString TextOf(const CWnd& dialog, int id);
bool IsShown(const CWnd& dialog, int id);
bool IsEnabled(const CWnd& dialog, int id);
// A tab control's item texts and selected index (-1: none or no such control).
std::vector<CString> TabItems(const CWnd& dialog, int id);
int SelectedTab(const CWnd& dialog, int id);
// A list control's column headers, its rows' texts (one per column), a cell's progress bar in
// percent (-1: none), a cell's tooltip and its selected row (-1: none or no such control).
std::vector<CString> ListColumns(const CWnd& dialog, int id);
std::vector<std::vector<CString>> ListRows(const CWnd& dialog, int id);
int ListProgress(const CWnd& dialog, int id, int row, int column);
CString ListToolTip(const CWnd& dialog, int id, int row, int column);
// The column whose header shows the order (-1: none) and whether it shows it ascending.
std::pair<int, bool> ListSortIndicator(const CWnd& dialog, int id);
int SelectedListRow(const CWnd& dialog, int id);
// Whether a modal dialog has been ended (EndDialog) inside its modal loop, or is gone.
bool ModalEnded(const CWnd& dialog);
std::vector<std::pair<UINT, CString>> SystemMenuItems(const CWnd& dialog);
HICON Icon(const CWnd& dialog, bool big);
bool HasFocus(const CWnd& dialog, int id);

struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
// Sends the control a paint over a fresh grid of its client size (white before painting) and
// returns what it drew.
PixelGrid Paint(CWnd& control);

}  // namespace Headless
