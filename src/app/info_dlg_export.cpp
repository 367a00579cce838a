// The export button and the CSV and plot exports of the main window.
#include "app/info_dlg.h"
#include "app/unit_export.h"
#include "export/plot_export.h"
#include "res/strings.h"

void CInfoDlg::OnExport() {
    if (!ExportCsv(m_monitor.TimeUpdate(), m_monitor.WorkUnit(), m_monitor.State())) {
        MessageBox(Tr(Text::kExportFailed), Text::kAppName, MB_OK);
    }
}

bool CInfoDlg::ExportCsv(const CTime& updateTime, const WorkUnitInfo& wu,
                         const AnalysisState& state) {
    switch (AppendUnitLine(m_settings, m_strExportPath, updateTime, wu, state)) {
        case CsvExportResult::Written:
            if (m_settings.m_bPlot) {
                ExportPlot(wu, state);
            }
            return true;
        case CsvExportResult::NothingToExport:
            MessageBox(Tr(Text::kNothingToExport), Text::kAppName, MB_OK);
            return false;
        case CsvExportResult::Failed:
            return false;
    }
    return false;
}

bool CInfoDlg::ExportPlot(const WorkUnitInfo& wu, const AnalysisState& state) {
    return WritePlotFiles(m_strExportPath, wu, state);
}
