#include "scenario/history_scenario.h"

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "json_writer.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "scenario/scenario_common.h"
#include "windows/history_dlg.h"

namespace {

// What the chart shows, counted by colour: the units' blue and the selection's red.
void WriteChart(JsonWriter& json, CHistoryDlg& dlg) {
    const Headless::PixelGrid grid = Headless::Paint(dlg.ChartView());
    long long units = 0;
    long long highlight = 0;
    for (const COLORREF pixel : grid.pixels) {
        const int r = GetRValue(pixel);
        const int g = GetGValue(pixel);
        const int b = GetBValue(pixel);
        units += b > 150 && r < 140 && g < 170 && b - r > 60;
        highlight += r > 180 && g < 110 && b < 110;
    }
    json.Key("chart")
        .BeginObject()
        .Field("tab", Headless::SelectedTab(dlg, IDC_HISTORY_CHARTTAB))
        .Field("width", grid.width)
        .Field("height", grid.height)
        .Field("unitPixels", units)
        .Field("highlightPixels", highlight)
        .EndObject();
}

class HistoryScenario {
public:
    explicit HistoryScenario(CHistoryDlg& dlg) : m_dlg(dlg) {}

    void Run() {
        RunScenario([this](const std::string& action,
                           std::istringstream& in) { return Perform(action, in); },
                    [this](const std::string& action, const std::string& error) {
                        Print(action == "start" ? "history" : action, error);
                    },
                    [this] { return Headless::ModalEnded(m_dlg); });
    }

private:
    std::string Perform(const std::string& action, std::istringstream& in) {
        int number = -1;
        if (action == "sort" && in >> number) {
            return Headless::ClickListHeader(m_dlg, IDC_HISTORY_LIST, number) ? "" : "no column";
        }
        if (action == "select" && in >> number) {
            return Headless::ClickListRow(m_dlg, IDC_HISTORY_LIST, number) ? "" : "no row";
        }
        if (action == "chart" && in >> number) {
            return Headless::SelectTab(m_dlg, IDC_HISTORY_CHARTTAB, number) ? "" : "no chart";
        }
        if (action == "brief" || action == "full") {
            m_brief = action == "brief";
            return "";
        }
        if (action == "timer") {
            return Headless::FireTimer(m_dlg, 1) ? "" : "no timer runs";
        }
        if (action == "save" || action == "save-cancel") {
            std::string path;
            std::getline(in >> std::ws, path);
            Headless::QueueFileDialogAnswer(action == "save" ? std::optional<CString>(path)
                                                             : std::nullopt);
            return Headless::PressButton(m_dlg, IDC_HISTORY_SAVE) ? "" : "the button is not usable";
        }
        if (action == "close") {
            return Headless::Close(m_dlg) ? "" : "window hidden";
        }
        if (action == "enter") {
            return Headless::PressEnter(m_dlg) ? "" : "window hidden";
        }
        if (action == "esc") {
            return Headless::PressEscape(m_dlg) ? "" : "window hidden";
        }
        return PerformCommonAction(action, in).value_or("unknown action");
    }

    void Print(const std::string& action, const std::string& error) {
        JsonWriter json;
        const bool open = BeginState(json, action, error, m_dlg);
        json.Field("window", "history");
        if (open) {
            json.Field("title", m_dlg.GetWindowText().str())
                .Field("status", Headless::TextOf(m_dlg, IDC_HISTORY_STATUS).str())
                .Field("summaryLabels", Headless::TextOf(m_dlg, IDC_HISTORY_LABELS).str())
                .Field("summary", Headless::TextOf(m_dlg, IDC_HISTORY_VALUES).str());
        }
        if (open && !m_brief) {
            json.BeginArray("columns");
            for (const CString& column : Headless::ListColumns(m_dlg, IDC_HISTORY_LIST)) {
                json.String(column.str());
            }
            json.EndArray().BeginArray("rows");
            for (const std::vector<CString>& row : Headless::ListRows(m_dlg, IDC_HISTORY_LIST)) {
                json.BeginArray();
                for (const CString& cell : row) {
                    json.String(cell.str());
                }
                json.EndArray();
            }
            json.EndArray().Field("selectedRow",
                                  Headless::SelectedListRow(m_dlg, IDC_HISTORY_LIST));
            json.BeginArray("chartTabs");
            for (const CString& tab : Headless::TabItems(m_dlg, IDC_HISTORY_CHARTTAB)) {
                json.String(tab.str());
            }
            json.EndArray();
            WriteChart(json, m_dlg);
        }
        m_records.EndState(json);
    }

    CHistoryDlg& m_dlg;
    ScenarioRecords m_records;
    // Only the figures and the status line, not the table and the chart: a run over a long log
    // then times the window rather than the printing of its rows.
    bool m_brief = false;
};

}  // namespace

void RunHistoryScenario(CHistoryDlg& dlg) {
    HistoryScenario(dlg).Run();
}
