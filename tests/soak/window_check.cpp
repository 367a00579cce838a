#include "window_check.h"

#include <cstdio>

#include "app/info_dlg.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

// The window's number formats, written out with the C library.
std::string TitleProgress(double prog) {
    char text[64];
    std::snprintf(text, sizeof text, " (%.3f%%)", prog * 100);
    return text;
}

std::string HeaderValues(double prog, double cpu) {
    char text[160];
    std::snprintf(text, sizeof text, "Progress = %.3f %% , CPU Time = %.3f sec", prog * 100, cpu);
    return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsPrefixOfOne(const std::string& text, const std::set<std::string>& names) {
    for (const std::string& name : names) {
        if (StartsWith(name, text)) {
            return true;
        }
    }
    return false;
}

// The messages a timer refresh may leave in the message line while the CSV file can be written.
// FIXME: kNothingToExport among them: when the state file was unreadable at the last refresh
// before a unit finished, the export on the unit change has no state and the unit's line is
// lost. The soak counts those units instead of failing, until the program keeps that state.
bool IsKnownMessage(const std::string& message) {
    for (const char* known :
         {"", Text::kInfoNotObtained, Text::kWorkUnitNotObtained, Text::kAnalysisNotObtained,
          Text::kUserNotObtained, Text::kNothingToExport}) {
        if (message == known) {
            return true;
        }
    }
    return false;
}

const char* TabLabels(int tab) {
    switch (tab) {
        case 0:
            return Text::kWorkUnitLabels;
        case 1:
            return Text::kObservationLabels;
        case 2:
            return Text::kAnalysisLabels;
        case 3:
            return Text::kProgressLabels;
        default:
            return Text::kUserLabels;
    }
}

std::string LineOf(const std::string& text, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos) {
            return {};
        }
        ++start;
    }
    return text.substr(start, text.find('\n', start) - start);
}

std::string CheckControls(CInfoDlg& dlg) {
    const std::pair<int, const CString*> shown[] = {{IDC_MESSAGE, &dlg.m_strMessage},
                                                    {IDC_HEADER, &dlg.m_strHeader},
                                                    {IDC_LABELS, &dlg.m_strLabels},
                                                    {IDC_VALUES, &dlg.m_strValues}};
    for (const auto& [id, member] : shown) {
        CWnd* control = dlg.GetDlgItem(id);
        if (!control || control->GetWindowText() != *member) {
            return "control " + std::to_string(id) + " does not show its text";
        }
    }
    return {};
}

std::string CheckRecords(const CInfoDlg& dlg, const WindowExpectations& expect) {
    const WorkUnitInfo& wu = dlg.m_wu;
    const AnalysisState& state = dlg.m_state;
    if (!wu.found) {
        return "the work unit went missing";
    }
    if (wu.directory.str() != expect.clientDir) {
        return "work unit read from " + wu.directory.str();
    }
    if (!IsPrefixOfOne(wu.name.str(), expect.unitNames)) {
        return "work unit name \"" + wu.name.str() + "\" was never written";
    }
    if (!StartsWith("seti_wu", wu.type.str()) && !StartsWith("result", wu.type.str())) {
        return "work unit type \"" + wu.type.str() + "\"";
    }
    if (state.found && !(state.prog >= 0.0 && state.prog <= 1.0 && state.cpu >= 0.0 &&
                         state.cpu <= expect.maxUnitCpu)) {
        return "out of range: " + HeaderValues(state.prog, state.cpu);
    }
    return {};
}

std::string CheckTexts(CInfoDlg& dlg, const WindowExpectations& expect) {
    const WorkUnitInfo& wu = dlg.m_wu;
    const AnalysisState& state = dlg.m_state;
    const std::string title = dlg.GetWindowText().str();
    const std::string progress = state.found ? TitleProgress(state.prog) : "";
    if (title != expect.clientDir + progress + " - Vantrel") {
        return "title \"" + title + "\" beside progress " + std::to_string(state.prog);
    }
    std::string header = "Client Ver. 3.x :  ";
    if (state.found) {
        header += HeaderValues(state.prog, state.cpu);
    }
    if (dlg.m_strHeader.str() != header) {
        return "header \"" + dlg.m_strHeader.str() + "\" for \"" + header + "\"";
    }
    if (!IsKnownMessage(dlg.m_strMessage.str())) {
        return "message \"" + dlg.m_strMessage.str() + "\"";
    }
    const int tab = dlg.m_tab.GetCurSel();
    if (!StartsWith(dlg.m_strLabels.str(), TabLabels(tab))) {
        return "tab " + std::to_string(tab) + " shows the labels \"" + dlg.m_strLabels.str() + "\"";
    }
    if (tab == 0 && LineOf(dlg.m_strValues.str(), 2) != wu.name.str()) {
        return "the work unit page names \"" + LineOf(dlg.m_strValues.str(), 2) + "\"";
    }
    return CheckControls(dlg);
}

}  // namespace

std::string CheckWindow(CInfoDlg& dlg, const WindowExpectations& expect) {
    std::string problem = CheckRecords(dlg, expect);
    return problem.empty() ? CheckTexts(dlg, expect) : problem;
}
