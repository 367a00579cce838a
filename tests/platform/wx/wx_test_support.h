// Helpers for the wx backend's tests: a bounded event loop, a dialog that records what reaches
// it, the wx windows behind native windows, and the screen.
#pragma once

#include <functional>
#include <vector>

#include <wx/image.h>
#include <wx/window.h>

#include "platform/ui/cdialog.h"
#include "platform/ui/dialog_template.h"

// Laid out like the main window: a tab control with two columns and a graph over it, buttons of
// each style, a check box, edits, an icon, a hidden button and a control of an unknown kind.
extern const DialogTemplate kTestDialog;

// Runs the event loop until done() holds or timeoutMs passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
void PumpFor(int ms);

// The wx window behind a dialog or one of its controls.
wxWindow* WxOf(CWnd& window);
wxWindow* WxOf(CWnd& dialog, int controlId);
wxPoint CentreOnScreen(wxWindow* window);
// Pixels from dialog units as Windows computes them: base units from the average width of the
// letters and the height of the dialog's font, MulDiv's rounding.
int DialogPixelsX(wxWindow* dialog, int units);
int DialogPixelsY(wxWindow* dialog, int units);
// Shows the dialog and waits until GTK has placed it on the screen.
void ShowAndSettle(CWnd& dialog);

// Records the messages that reach it and hands them to onMessage; Esc and the close box only
// count. onInit runs at the end of OnInitDialog.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr)
        : CDialog(dialogTemplate, parent) {}

    LRESULT SendMessage(const Message& message) override;
    // id is the control's, or the timer's for WM_TIMER.
    int Count(UINT message, int id = kAnyId, UINT code = 0) const;
    std::vector<Message> received;  // in order
    int cancels = 0;
    int closes = 0;
    std::function<void()> onInit;
    std::function<void(const Message&)> onMessage;

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    bool OnInitDialog() override;
    void OnCancel() override { ++cancels; }

private:
    void OnCloseBox() { ++closes; }
};

// What the screen shows in a rectangle of screen coordinates.
wxImage CaptureScreen(const wxRect& rect);
// The screen's pixels to a window pixel: GDK_SCALE, as GTK takes it.
int ScreenScale();
// Where a window lies in a capture of shotRect.
wxRect AreaIn(const wxRect& shotRect, wxWindow* window);
// A capture of a window framed by a one-pixel sunken edge: each side, seen at its middle, is
// neither white nor what lies just inside it, and the sides above and to the left are darker
// than those below and to the right.
bool HasSunkenEdge(const wxImage& window);
// Pixels whose red + green + blue is below maxSum, as glyphs are against a light background.
int InkPixels(const wxImage& image, const wxRect& area, int maxSum);
