#include "app/unit_export.h"

#include "export/plot_export.h"
#include "platform/base/paths.h"

CsvExportResult AppendUnitLine(const Settings& settings, const CString& exportPath,
                               const CTime& updateTime, const WorkUnitInfo& wu,
                               const AnalysisState& state) {
    if (!exportPath.IsEmpty() && exportPath == DefaultExportPath()) {
        MakeDirectories(UserDataDirectory());
    }
    const CsvExportSettings csv{exportPath, settings.m_bLFCode, settings.m_bNoTitle,
                                settings.m_nForm};
    return AppendCsvLine(csv, updateTime, wu, state);
}

CsvExportResult LogFinishedUnit(const Settings& settings, const UnitLoad& unit) {
    const CString path = settings.ExportPath();
    const CsvExportResult result = AppendUnitLine(settings, path, unit.time, unit.wu, unit.state);
    if (result == CsvExportResult::Written && settings.m_bPlot) {
        WritePlotFiles(path, unit.wu, unit.state);
    }
    return result;
}

ClientSession::LogRule UnitLogRule(const Settings& settings, bool fromButton) {
    ClientSession::LogRule rule;
    rule.onChange = settings.m_bExportOnTimer;
    rule.fromButton = fromButton;
    rule.write = [settings](const UnitLoad& unit) {
        switch (LogFinishedUnit(settings, unit)) {
            case CsvExportResult::Written:
                return ClientSession::UnitLog::Written;
            case CsvExportResult::NothingToExport:
                return ClientSession::UnitLog::NothingToLog;
            case CsvExportResult::Failed:
                break;
        }
        return ClientSession::UnitLog::Failed;
    };
    return rule;
}
