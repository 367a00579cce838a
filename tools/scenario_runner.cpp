// Runs the main window on the headless backend, on the client folder its arguments name as the
// program's do (by default the current directory), and reads user actions, one per line, from
// standard input. After each action it prints what the windows show as one JSON object per line.
// The clock, TZ and XDG_CONFIG_HOME (the settings store) are the caller's to set; "clock" and "set"
// change the first and the last from inside.
//
// Actions:
//   show                        print the state only
//   refresh | export | settings | simple   press that button of the main window
//   press ID                    press any button of the main window by id
//   timer                       fire the refresh timer (does nothing when none runs)
//   tab N                       select tab N as a click on its head does
//   esc | enter | close         the keys and the close box of the main window
//   syscommand N | about        a system-menu command (about = 16)
//   history                     the history item of the context menu: the history window's
//                               actions follow (tools/history_scenario.h) until it is closed
//   answer N                    the next message box is answered with N (1 OK, 2 Cancel)
//   settings-ok                 the next settings dialog is closed with OK as it opens
//   simple-dblclick             double click on the simple view's big button
//   clock SECONDS | advance SECONDS   set or move the clock (seconds since 1970)
//   set SECTION KEY int|str VALUE     write a setting; "set SECTION KEY delete" removes it
#include <sys/stat.h>

#include <dirent.h>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "history_scenario.h"
#include "json_writer.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/settings.h"
#include "scenario_actions.h"
#include "windows/history_dlg.h"

namespace {

using FileStamps = std::map<std::string, std::pair<long long, long long>>;

// Size and modification time of every file in a directory.
FileStamps StampFiles(const std::string& dir) {
    FileStamps stamps;
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        return stamps;
    }
    while (const dirent* entry = ::readdir(d)) {
        const std::string path = dir + "/" + entry->d_name;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            stamps[path] = {
                static_cast<long long>(st.st_size),
                static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
        }
    }
    ::closedir(d);
    return stamps;
}

std::string DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash > 0 ? path.Left(slash).str() : (slash == 0 ? "/" : ".");
}

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

// Where the CSV log and the plot files go, as the settings say now.
std::string ExportDirectory() {
    return DirectoryOf(Settings::Load(*AfxGetApp()).ExportPath());
}

class ScenarioRunner {
public:
    explicit ScenarioRunner(CInfoDlg& dlg) : m_dlg(dlg) {}

    void Run() {
        m_before = StampFiles(ExportDirectory());
        Print("start", "");
        ForEachActionLine([this] { return m_closed; },
                          [this](const std::string& line) { Print(line, Perform(line)); });
    }

private:
    std::string Perform(const std::string& line) {
        std::istringstream in(line);
        std::string action;
        in >> action;
        const auto press = [&](int id) {
            return Headless::PressButton(m_dlg, id) ? "" : "the button is not usable";
        };
        if (action == "show")
            return "";
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
            return Headless::FireTimer(m_dlg, 1) ? "" : "no timer runs";
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
        if (action == "settings-ok") {
            Headless::QueueModal([](CDialog& settings) { Headless::PressButton(settings, IDOK); });
            return "";
        }
        if (action == "simple-dblclick") {
            return m_dlg.SimpleView() && Headless::DoubleClickButton(*m_dlg.SimpleView(), IDC_INFO)
                       ? ""
                       : "the simple view is not shown";
        }
        if (action == "set") {
            return SetSetting(in);
        }
        return PerformCommonAction(action, in).value_or("unknown action");
    }

    static std::string SetSetting(std::istringstream& in) {
        std::string section, key, type;
        in >> section >> key >> type;
        std::string value;
        std::getline(in >> std::ws, value);
        CWinApp& app = *AfxGetApp();
        if (type == "int") {
            return app.WriteProfileInt(section.c_str(), key.c_str(), std::atoi(value.c_str()))
                       ? ""
                       : "the setting was not written";
        }
        if (type == "str" || type == "delete") {
            const char* text = type == "str" ? value.c_str() : nullptr;
            return app.WriteProfileString(section.c_str(), key.c_str(), text)
                       ? ""
                       : "the setting was not written";
        }
        return "expected int, str or delete";
    }

    void Print(const std::string& action, const std::string& error) {
        JsonWriter json;
        json.BeginObject().Field("action", action);
        if (!error.empty()) {
            json.Field("error", error);
        }
        const bool alive = !Headless::ModalEnded(m_dlg);
        json.Field("open", alive);
        if (alive) {
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
            const auto period = Headless::TimerPeriod(m_dlg, 1);
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
        const auto& boxes = Headless::MessageBoxes();
        json.BeginArray("messageBoxes");
        for (size_t i = m_boxesSeen; i < boxes.size(); ++i) {
            json.BeginObject()
                .Field("text", boxes[i].text.str())
                .Field("caption", boxes[i].caption.str())
                .Field("answer", boxes[i].answer)
                .EndObject();
        }
        json.EndArray();
        m_boxesSeen = boxes.size();
        const auto& modals = Headless::ModalRuns();
        json.BeginArray("dialogs");
        for (size_t i = m_modalsSeen; i < modals.size(); ++i) {
            json.BeginObject()
                .Field("template", modals[i].templateId)
                .Field("result", modals[i].result)
                .EndObject();
        }
        json.EndArray();
        m_modalsSeen = modals.size();
        const FileStamps after = StampFiles(ExportDirectory());
        json.BeginArray("filesWritten");
        for (const auto& [path, stamp] : after) {
            const auto it = m_before.find(path);
            if (it == m_before.end() || it->second != stamp) {
                json.String(path);
            }
        }
        json.EndArray();
        m_before = after;
        json.EndObject();
        std::cout << json.str() << std::endl;
    }

    CInfoDlg& m_dlg;
    bool m_closed = false;
    size_t m_boxesSeen = 0;
    size_t m_modalsSeen = 0;
    FileStamps m_before;
};

}  // namespace

int main(int argc, char** argv) {
    CInfoApp app;
    // The program's own command line: a folder, or the answers to --help and wrong arguments.
    if (const std::optional<int> status =
            app.ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
        return *status;
    }
    // The main window's first modal loop is the scenario; the main dialog's own start-up runs
    // before it, and its first state is printed as the action "start".
    // With --history the history window is the program's window, and the scenario's.
    Headless::QueueModal([](CDialog& dialog) {
        if (auto* history = dynamic_cast<CHistoryDlg*>(&dialog)) {
            RunHistoryScenario(*history);
            return;
        }
        ScenarioRunner runner(static_cast<CInfoDlg&>(dialog));
        runner.Run();
    });
    app.InitInstance();
    return 0;
}
