// Helpers for the wx backend's tests: running the event loop for a bounded time, a dialog that
// records what reaches it, and access to the wx windows behind native windows.
#pragma once

#include <functional>
#include <vector>

#include <wx/image.h>
#include <wx/window.h>

#include "platform/ui/cdialog.h"
#include "platform/ui/dialog_template.h"

// Runs the event loop until done() holds or timeoutMs passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Runs the event loop for about ms milliseconds.
void PumpFor(int ms);

// The wx window behind a dialog or one of its controls.
wxWindow* WxOf(CWnd& window);
wxWindow* WxOf(CWnd& dialog, int controlId);

// A modeless dialog that records the messages its map takes; Esc and the close box only count.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr)
        : CDialog(dialogTemplate, parent) {}

    LRESULT SendMessage(const Message& message) override;
    int Count(UINT message, int id = kAnyId, UINT code = 0) const;
    // The messages received, in order.
    std::vector<Message> received;
    int cancels = 0;
    int closes = 0;

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnCancel() override { ++cancels; }

private:
    void OnCloseBox() { ++closes; }
};

// What the screen shows in a rectangle of screen coordinates.
wxImage CaptureScreen(const wxRect& rect);
