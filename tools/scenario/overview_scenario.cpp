#include "scenario/overview_scenario.h"

#include <chrono>
#include <thread>

#include "app/overview_dlg.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "scenario/scenario_common.h"

namespace {

// The keys of the row objects, in column order.
constexpr const char* kRowKeys[kOverviewColumnCount] = {
    "folder", "status", "workUnit", "progress", "cpuTime", "predictedEnd", "utilisation"};

class OverviewScenario {
public:
    explicit OverviewScenario(COverviewDlg& dlg) : m_dlg(dlg) {}

    void Run() {
        // The first loads come in before the first print, so that a scenario starts from them.
        Settle();
        RunScenario(
            [this](const std::string& action, std::istringstream& in) {
                return Perform(action, in);
            },
            [this](const std::string& action, const std::string& error) { Print(action, error); },
            [this] { return Headless::ModalEnded(m_dlg); });
    }

private:
    // Until every refresh has come in or run past the bound, then the window takes them in.
    void Settle() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (m_dlg.RefreshesPending() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        Headless::FireTimer(m_dlg, IDT_COLLECT);
    }

    std::string Press(int id) {
        return Headless::PressButton(m_dlg, id) ? "" : "the button is not usable";
    }

    std::string Perform(const std::string& action, std::istringstream& in) {
        int number = -1;
        if (action == "wait") {
            Settle();
            return "";
        }
        if (action == "refresh" || action == "timer") {
            const std::string error = action == "refresh"                       ? Press(IDC_REFRESH)
                                      : Headless::FireTimer(m_dlg, IDT_REFRESH) ? ""
                                                                                : "no timer runs";
            Settle();
            return error;
        }
        if (action == "watch") {
            // The minute's reading for the notifications, when no refresh timer does it.
            const std::string error =
                Headless::FireTimer(m_dlg, IDT_WATCH) ? "" : "no notification is wanted";
            Settle();
            return error;
        }
        if (action == "sort" && in >> number) {
            return Headless::ClickListHeader(m_dlg, IDC_CLIENTS, number) ? "" : "no such column";
        }
        if ((action == "select" || action == "open") && in >> number) {
            const bool done = action == "select"
                                  ? Headless::ClickListRow(m_dlg, IDC_CLIENTS, number)
                                  : Headless::DoubleClickListRow(m_dlg, IDC_CLIENTS, number);
            return done ? "" : "no such row";
        }
        if (action == "add") {
            std::string folder;
            std::getline(in >> std::ws, folder);
            Headless::QueueFolderDialogAnswer(CString(folder));
            const std::string error = Press(IDC_ADD_CLIENT);
            Settle();
            return error;
        }
        if (action == "remove") {
            return Press(IDC_REMOVE_CLIENT);
        }
        if (action == "settings") {
            return Press(IDC_SETTINGS);
        }
        if (action == "esc") {
            return Headless::PressEscape(m_dlg) ? "" : "window hidden";
        }
        if (action == "close") {
            return Headless::Close(m_dlg) ? "" : "window hidden";
        }
        if (action == "exit") {
            return Press(IDOK);
        }
        if (const std::optional<std::string> common = PerformCommonAction(action, in)) {
            return *common;
        }
        return "unknown action";
    }

    void Print(const std::string& action, const std::string& error) {
        JsonWriter json;
        if (BeginState(json, action, error, m_dlg)) {
            json.Field("title", m_dlg.GetWindowText().str())
                .Field("message", Headless::TextOf(m_dlg, IDC_MESSAGE).str())
                .Field("selectedRow", Headless::SelectedListRow(m_dlg, IDC_CLIENTS))
                .Field("removeEnabled", Headless::IsEnabled(m_dlg, IDC_REMOVE_CLIENT));
            const auto period = Headless::TimerPeriod(m_dlg, IDT_REFRESH);
            json.Key("timerPeriodMs");
            period ? json.Int(*period) : json.Null();
            json.BeginArray("rows");
            const auto rows = Headless::ListRows(m_dlg, IDC_CLIENTS);
            for (size_t row = 0; row < rows.size(); ++row) {
                json.BeginObject();
                for (size_t column = 0; column < rows[row].size(); ++column) {
                    json.Field(kRowKeys[column], rows[row][column].str());
                }
                json.Field("progressBar",
                           Headless::ListProgress(m_dlg, IDC_CLIENTS, static_cast<int>(row),
                                                  kProgressColumn));
                const CClientDlg* window = m_dlg.ClientWindow(static_cast<int>(row));
                json.Key("window");
                window ? json.String(window->GetWindowText().str()) : json.Null();
                json.EndObject();
            }
            json.EndArray();
        }
        m_records.EndState(json);
    }

    COverviewDlg& m_dlg;
    ScenarioRecords m_records;
};

}  // namespace

void RunOverviewScenario(COverviewDlg& dlg) {
    OverviewScenario scenario(dlg);
    scenario.Run();
}
