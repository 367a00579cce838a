#include "gui/gui_script.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <wx/timer.h>

namespace {

constexpr int kTickMs = 20;

wxPoint CentreOf(wxWindow* window) {
    const wxRect rect = window->GetScreenRect();
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

}  // namespace

// A one-shot tick that knows whether its notification is still running.
class GuiScript::TickTimer : public wxTimer {
public:
    explicit TickTimer(GuiScript& script) : m_script(script) {}
    bool Busy() const { return m_busy; }
    void Notify() override {
        m_busy = true;
        m_script.Tick();
        m_busy = false;
    }

private:
    GuiScript& m_script;
    bool m_busy = false;
};

GuiScript::GuiScript(long stepTimeoutMs) : m_stepTimeoutMs(stepTimeoutMs) {}

GuiScript::~GuiScript() = default;

void GuiScript::Then(std::string name, Condition ready, Action act, long settleMs) {
    m_steps.push_back(Step{std::move(name), std::move(ready), std::move(act), settleMs});
}

void GuiScript::Start() {
    m_sinceStepBegan.Start();
    ScheduleTick();
}

void GuiScript::ScheduleTick() {
    // A click may open a modal dialog whose loop then runs inside the tick that clicked. GLib
    // never calls a timer again while its notification runs, so the next tick comes from an
    // idle one.
    for (const std::unique_ptr<TickTimer>& timer : m_timers) {
        if (!timer->Busy() && !timer->IsRunning()) {
            timer->StartOnce(kTickMs);
            return;
        }
    }
    m_timers.push_back(std::make_unique<TickTimer>(*this));
    m_timers.back()->StartOnce(kTickMs);
}

void GuiScript::Tick() {
    if (m_failed) {
        m_unwound = m_unwound || !m_unwind || m_unwind();
        if (!m_unwound) {
            ScheduleTick();
        }
        return;
    }
    if (m_next == m_steps.size()) {
        return;
    }
    ScheduleTick();
    const Step& step = m_steps[m_next];
    if (!step.ready()) {
        m_ready = false;
        if (m_sinceStepBegan.Time() > m_stepTimeoutMs) {
            ADD_FAILURE() << "gave up after " << m_stepTimeoutMs
                          << " ms of waiting for: " << step.name;
            m_failed = true;
        }
        return;
    }
    if (!m_ready) {
        m_ready = true;
        m_sinceReady.Start();
    }
    if (m_sinceReady.Time() < step.settleMs) {
        return;
    }
    ++m_next;
    m_ready = false;
    m_sinceStepBegan.Start();
    if (step.act) {
        step.act();
    }
}

void User::Click(wxWindow* window) {
    PointAt(window);
    m_simulator.MouseClick();
}

void User::DoubleClick(wxWindow* window) {
    PointAt(window);
    m_simulator.MouseDblClick();
}

void User::PointAt(wxWindow* window) {
    if (!window) {
        ADD_FAILURE() << "no window to point at";
        return;
    }
    m_simulator.MouseMove(CentreOf(window));
}

wxTopLevelWindow* FindShownWindow(const wxString& title) {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* topLevel = wxDynamicCast(window, wxTopLevelWindow);
        if (topLevel && topLevel->IsShown() && topLevel->GetTitle() == title) {
            return topLevel;
        }
    }
    return nullptr;
}

wxDialog* FindModalDialog() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = wxDynamicCast(window, wxDialog);
        if (dialog && dialog->IsShown() && dialog->IsModal()) {
            return dialog;
        }
    }
    return nullptr;
}

wxWindow* FindControl(wxWindow* topLevel, int id) {
    return topLevel ? topLevel->FindWindow(id) : nullptr;
}

int KeyWatch::Count(int key) const {
    return static_cast<int>(std::count(m_keys.begin(), m_keys.end(), key));
}

int KeyWatch::FilterEvent(wxEvent& event) {
    if (m_topLevel && event.GetEventType() == wxEVT_CHAR_HOOK) {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (window && wxGetTopLevelParent(window) == m_topLevel) {
            m_keys.push_back(static_cast<wxKeyEvent&>(event).GetKeyCode());
        }
    }
    return Event_Skip;
}
