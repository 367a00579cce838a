// What the history window shows: the figures and the status line (their texts built in
// pages/history_texts.h), the chart and its saved files.
#include "history/history_summary.h"
#include "history/log_calendar.h"
#include "pages/history_texts.h"
#include "platform/base/atomic_file.h"
#include "platform/base/clock.h"
#include "platform/base/paths.h"
#include "platform/ui/file_dialog.h"
#include "res/strings.h"
#include "windows/history_dlg.h"

namespace {

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
    question.Format(Tr(Text::kReplaceFileFormat),
                    path.Mid(path.ReverseFind(kPathSeparator) + 1).GetString());
    return window.MessageBox(question.GetString(), nullptr,
                             MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace

void CHistoryDlg::ShowSummary() {
    PageText figures =
        BuildHistoryFigures(SummarizeHistory(Log().Units(), LocalWallClock(Clock::Now())));
    m_strLabels = std::move(figures.labels);
    m_strValues = std::move(figures.values);
    UpdateData(false);
}

void CHistoryDlg::ShowStatus(CsvLog::ReadResult read) {
    const CsvLog& log = Log();
    if (read == CsvLog::ReadResult::kMissing && log.Units().empty()) {
        m_strStatus = BuildHistoryNoLogYet(log.Path());
    } else if (read == CsvLog::ReadResult::kMissing || read == CsvLog::ReadResult::kFailed) {
        m_strStatus = Tr(Text::kHistoryReadFailed);
    } else {
        m_strStatus = BuildHistoryStatus(
            LogReadCounts{static_cast<int>(log.Units().size()), log.RepeatedLines(),
                          log.UnreadableLines(), log.FirstUnreadableLines(), log.HasPartialLine()});
    }
    UpdateData(false);
}

void CHistoryDlg::ShowChart() {
    const CSize size = m_wndChart.GetPictureSize();
    RgbaImage picture(size.cx, size.cy);
    if (!m_charts.Render(CurrentChart(), picture, SelectedUnit(),
                         m_wndChart.GetPictureTextPixels())) {
        m_strStatus = Tr(Text::kHistoryNoCharts);
        UpdateData(false);
    }
    m_wndChart.SetPicture(std::move(picture));
}

void CHistoryDlg::PrepareChart() {
    const CSize size = m_wndChart.GetPictureSize();
    m_charts.PrepareBackground(CurrentChart(), size.cx, size.cy, m_wndChart.GetPictureTextPixels());
}

void CHistoryDlg::OnSaveChart() {
    CFileDialog dialog(false, "png", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                       Tr(Text::kChartFileFilter), this);
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
        MessageBox(Tr(Text::kHistorySaveFailed), nullptr, MB_ICONEXCLAMATION);
        return;
    }
    m_strStatus = BuildChartSaved(path);
    UpdateData(false);
}
