// Runs the program's window on the headless backend, on the client folders its arguments name
// as the program's do (by default the current directory: the main window; several folders or
// --clients: the clients overview), and reads user actions, one per line, from standard input.
// After each action it prints what the windows show as one JSON object per line. The clock, TZ
// and XDG_CONFIG_HOME (the settings store) are the caller's to set; "clock" and "set" change the
// first and the last from inside.
//
// Main window actions:
//   show                        print the state only
//   refresh | export | settings | simple   press that button of the main window
//   press ID                    press any button of the main window by id
//   timer                       fire the refresh timer (does nothing when none runs)
//   tab N                       select tab N as a click on its head does
//   esc | enter | close         the keys and the close box of the main window
//   syscommand N | about        a system-menu command (about = 16)
//   history                     the history item of the context menu: the history window's
//                               actions follow (scenario/history_scenario.h) until it is closed
//   simple-dblclick             double click on the simple view's big button
// Overview actions: see overview_scenario.h. Both windows: see scenario_common.h.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "app/overview_dlg.h"
#include "json_writer.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "scenario/history_scenario.h"
#include "scenario/overview_scenario.h"
#include "scenario/scenario_common.h"
#include "windows/history_dlg.h"

namespace {

void WriteControl(JsonWriter& json, CWnd& dialog, int id) {
    CWnd* control = dialog.GetDlgItem(id);
    if (!control) {
        return;
    }
    json.BeginObject()
        .Field("id", id)
        .Field("text", control->GetWindowText().str())
        .Field("enabled", control->IsWindowEnabled())
        .Field("visible", control->IsWindowVisible())
        .EndObject();
}

class ScenarioRunner {
public:
    explicit ScenarioRunner(CInfoDlg& dlg) : m_dlg(dlg) {}

    void Run() {
        RunScenario(
            [this](const std::string& action, std::istringstream& in) {
                return Perform(action, in);
            },
            [this](const std::string& action, const std::string& error) { Print(action, error); },
            [this] { return m_closed; });
    }

private:
    std::string Perform(const std::string& action, std::istringstream& in) {
        const auto press = [&](int id) {
            return Headless::PressButton(m_dlg, id) ? "" : "the button is not usable";
        };
        if (action == "refresh")
            return press(IDC_REFRESH);
        if (action == "export")
            return press(IDC_EXPORT);
        if (action == "settings")
            return press(IDC_SETTINGS);
        if (action == "simple")
            return press(IDC_SIMPLE);
        if (action == "press") {
            int id = 0;
            in >> id;
            return press(id);
        }
        if (action == "timer") {
            return Headless::FireTimer(m_dlg, IDT_REFRESH) ? "" : "no timer runs";
        }
        if (action == "tab") {
            int index = -1;
            in >> index;
            return Headless::SelectTab(m_dlg, IDC_TAB, index) ? "" : "no such tab";
        }
        if (action == "esc")
            return Headless::PressEscape(m_dlg) ? "" : "window hidden";
        if (action == "enter" || action == "close") {
            const bool done =
                action == "enter" ? Headless::PressEnter(m_dlg) : Headless::Close(m_dlg);
            m_closed = Headless::ModalEnded(m_dlg);
            return done ? "" : "window hidden";
        }
        if (action == "about")
            return Headless::SysCommand(m_dlg, IDM_ABOUTBOX) ? "" : "no window";
        if (action == "history") {
            Headless::QueueModal(
                [](CDialog& history) { RunHistoryScenario(static_cast<CHistoryDlg&>(history)); });
            return Headless::SysCommand(m_dlg, IDM_HISTORY) ? "" : "no window";
        }
        if (action == "syscommand") {
            unsigned id = 0;
            in >> id;
            return Headless::SysCommand(m_dlg, id) ? "" : "no window";
        }
        if (action == "simple-dblclick") {
            return m_dlg.SimpleView() && Headless::DoubleClickButton(*m_dlg.SimpleView(), IDC_INFO)
                       ? ""
                       : "the simple view is not shown";
        }
        return PerformCommonAction(action, in).value_or("unknown action");
    }

    void Print(const std::string& action, const std::string& error) {
        JsonWriter json;
        if (BeginState(json, action, error, m_dlg)) {
            json.Field("title", m_dlg.GetWindowText().str())
                .Field("visible", m_dlg.IsWindowVisible())
                .Field("header", Headless::TextOf(m_dlg, IDC_HEADER).str())
                .Field("lastUpdate", Headless::TextOf(m_dlg, IDC_LASTUPDATE).str())
                .Field("message", Headless::TextOf(m_dlg, IDC_MESSAGE).str())
                .Field("labels", Headless::TextOf(m_dlg, IDC_LABELS).str())
                .Field("values", Headless::TextOf(m_dlg, IDC_VALUES).str());
            json.BeginArray("tabs");
            for (const CString& tab : Headless::TabItems(m_dlg, IDC_TAB)) {
                json.String(tab.str());
            }
            json.EndArray().Field("selectedTab", Headless::SelectedTab(m_dlg, IDC_TAB));
            const auto period = Headless::TimerPeriod(m_dlg, IDT_REFRESH);
            json.Key("timerPeriodMs");
            period ? json.Int(*period) : json.Null();
            json.BeginArray("controls");
            for (const ControlTemplate& control : m_dlg.GetTemplate().controls) {
                WriteControl(json, m_dlg, control.id);
            }
            json.EndArray();
            if (m_dlg.SimpleView() && m_dlg.SimpleView()->IsCreated()) {
                CSimpleViewDlg& view = *m_dlg.SimpleView();
                json.Key("simpleView")
                    .BeginObject()
                    .Field("visible", view.IsWindowVisible())
                    .Field("topMost", view.IsTopMost())
                    .Field("title", view.GetWindowText().str())
                    .Field("info", view.GetDlgItem(IDC_INFO)->GetWindowText().str())
                    .Field("time", view.GetDlgItem(IDC_TIME)->GetWindowText().str())
                    .EndObject();
            }
        }
        m_records.EndState(json);
    }

    CInfoDlg& m_dlg;
    bool m_closed = false;
    ScenarioRecords m_records;
};

}  // namespace

int main(int argc, char** argv) {
    CInfoApp app;
    // The program's own command line: a folder, or the answers to --help and wrong arguments.
    if (const std::optional<int> status =
            app.ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
        return *status;
    }
    // The window's first modal loop is the scenario; the window's own start-up runs before it,
    // and its first state is printed as the action "start". With --history the history window
    // is the program's window, and the scenario's.
    Headless::QueueModal([](CDialog& dialog) {
        if (auto* overview = dynamic_cast<COverviewDlg*>(&dialog)) {
            RunOverviewScenario(*overview);
        } else if (auto* history = dynamic_cast<CHistoryDlg*>(&dialog)) {
            RunHistoryScenario(*history);
        } else {
            ScenarioRunner runner(static_cast<CInfoDlg&>(dialog));
            runner.Run();
        }
    });
    app.InitInstance();
    return 0;
}
