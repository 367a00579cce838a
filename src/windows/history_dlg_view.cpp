// The history window's texts and pictures: the figures, the status line, the chart and its
// saved files.
#include <cmath>

#include "history/history_summary.h"
#include "history/log_calendar.h"
#include "platform/base/atomic_file.h"
#include "platform/base/clock.h"
#include "platform/base/paths.h"
#include "platform/ui/file_dialog.h"
#include "res/strings.h"
#include "windows/history_dlg.h"

namespace {

void AppendHours(CString& text, double seconds) {
    if (std::isnan(seconds)) {
        text += "NaN\n";
    } else {
        text.AppendFormat("%.2lf hr\n", seconds / 3600.0);
    }
}

bool EndsWithSvg(const CString& path) {
    const int dot = path.ReverseFind('.');
    if (dot < 0) {
        return false;
    }
    std::string lower = path.Mid(dot + 1).str();
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower == "svg";
}

// Whether the user lets the file be replaced, asked by its name; No is the default button.
bool AskToReplace(CWnd& window, const CString& path) {
    CString question;
    question.Format(Text::kReplaceFileFormat,
                    path.Mid(path.ReverseFind(kPathSeparator) + 1).GetString());
    return window.MessageBox(question.GetString(), nullptr,
                             MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

void CHistoryDlg::ShowSummary() {
    const HistorySummary summary = SummarizeHistory(Log().Units(), LocalWallClock(Clock::Now()));
    m_strValues.Format("%d\n", summary.units);
    AppendHours(m_strValues, summary.totalCpu);
    AppendHours(m_strValues, summary.meanCpu);
    AppendHours(m_strValues, summary.medianCpu);
    m_strValues.AppendFormat("%.2lf\n%.2lf", summary.unitsPerWeek4, summary.unitsPerWeek52);
    UpdateData(false);
}

void CHistoryDlg::ShowStatus(bool readFailed) {
    const CsvLog& log = Log();
    if (readFailed) {
        m_strStatus = Text::kHistoryReadFailed;
    } else {
        const int lines =
            static_cast<int>(log.Units().size()) + log.RepeatedLines() + log.UnreadableLines();
        m_strStatus.Format(Text::kHistoryUnitsFormat, static_cast<int>(log.Units().size()), lines);
        if (log.RepeatedLines() > 0) {
            m_strStatus.AppendFormat(Text::kHistoryRepeatedFormat, log.RepeatedLines());
        }
        if (log.UnreadableLines() > 0) {
            CString where;
            for (const int line : log.FirstUnreadableLines()) {
                where.AppendFormat(where.IsEmpty() ? "%d" : ", %d", line);
            }
            if (log.UnreadableLines() > static_cast<int>(log.FirstUnreadableLines().size())) {
                where += ", ...";
            }
            m_strStatus.AppendFormat(Text::kHistoryUnreadableFormat, log.UnreadableLines(),
                                     where.GetString());
        }
        if (log.HasPartialLine()) {
            m_strStatus += Text::kHistoryPartialLine;
        }
    }
    UpdateData(false);
}

void CHistoryDlg::ShowChart() {
    const CSize size = m_wndChart.GetPictureSize();
    RgbaImage picture(size.cx, size.cy);
    if (!m_charts.Render(CurrentChart(), picture, SelectedUnit())) {
        m_strStatus = Text::kHistoryNoCharts;
        UpdateData(false);
    }
    m_wndChart.SetPicture(std::move(picture));
}

void CHistoryDlg::OnSaveChart() {
    CFileDialog dialog(false, "png", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                       Text::kChartFileFilter, this);
    const int slash = Log().Path().ReverseFind(kPathSeparator);
    if (slash > 0) {
        dialog.m_ofn.initialDir = Log().Path().Left(slash);
    }
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const CString path = dialog.GetPathName();
    if (dialog.ReplacesUnasked() && !AskToReplace(*this, path)) {
        return;
    }
    const ChartFormat format = EndsWithSvg(path) ? ChartFormat::kSvg : ChartFormat::kPng;
    const std::string bytes =
        m_charts.Export(CurrentChart(), format, kSavedWidth, kSavedHeight, SelectedUnit());
    if (bytes.empty() || !ReplaceFileAtomically(path, bytes)) {
        MessageBox(Text::kHistorySaveFailed, nullptr, MB_ICONEXCLAMATION);
    }
}
