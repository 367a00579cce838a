// Drives real windows from inside their modal loops as a user would: a list of steps, each
// waiting (bounded) for what it needs to see on the screen before it clicks or types.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

class GuiScript {
public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    explicit GuiScript(long stepTimeoutMs = 10000);
    ~GuiScript();
    GuiScript(const GuiScript&) = delete;
    GuiScript& operator=(const GuiScript&) = delete;

    // Waits until ready has held for settleMs without a break, then acts. The name says what
    // the step waits for, in the failure message when it never comes.
    void Then(std::string name, Condition ready, Action act, long settleMs = 0);
    // After a timeout, called on every tick until it returns true: it ends whatever windows are
    // open so that their modal loops return.
    void OnTimeout(Condition unwind) { m_unwind = std::move(unwind); }

    // Ticks from now on, as the event loops run.
    void Start();
    bool Finished() const { return m_next == m_steps.size() && !m_failed; }
    bool Failed() const { return m_failed; }

private:
    struct Step {
        std::string name;
        Condition ready;
        Action act;
        long settleMs;
    };
    class TickTimer;

    void ScheduleTick();
    void Tick();

    long m_stepTimeoutMs;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    wxStopWatch m_sinceStepBegan;
    wxStopWatch m_sinceReady;
    bool m_ready = false;
    bool m_failed = false;
    bool m_unwound = false;
    Condition m_unwind;
    std::vector<std::unique_ptr<TickTimer>> m_timers;
};

// The mouse and the keyboard, through the X server. Made once: making one runs the event loop.
class User {
public:
    // Moves the pointer to the window's centre and clicks there.
    void Click(wxWindow* window);
    void DoubleClick(wxWindow* window);
    // Only moves the pointer: without a window manager the keyboard follows it.
    void PointAt(wxWindow* window);
    void Press(int key, int modifiers = wxMOD_NONE) { m_simulator.Char(key, modifiers); }
    void Type(const char* text) { m_simulator.Text(text); }

private:
    wxUIActionSimulator m_simulator;
};

// The shown top-level window with this title, or null.
wxTopLevelWindow* FindShownWindow(const wxString& title);
// The shown modal dialog, or null.
wxDialog* FindModalDialog();
// A control of a top-level window by its template id, or null.
wxWindow* FindControl(wxWindow* topLevel, int id);

// Counts the key presses that reach one top-level window, without taking them.
class KeyWatch : public wxEventFilter {
public:
    KeyWatch() { wxEvtHandler::AddFilter(this); }
    ~KeyWatch() override { wxEvtHandler::RemoveFilter(this); }
    KeyWatch(const KeyWatch&) = delete;
    KeyWatch& operator=(const KeyWatch&) = delete;

    void Watch(wxWindow* topLevel) { m_topLevel = topLevel; }
    int Count(int key) const;
    int FilterEvent(wxEvent& event) override;

private:
    wxWindow* m_topLevel = nullptr;
    std::vector<int> m_keys;
};
