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

bool ExportFinishedUnit(const Settings& settings, const UnitLoad& unit) {
    const CString path = settings.ExportPath();
    if (AppendUnitLine(settings, path, unit.time, unit.wu, unit.state) !=
        CsvExportResult::Written) {
        return false;
    }
    if (settings.m_bPlot) {
        WritePlotFiles(path, unit.wu, unit.state);
    }
    return true;
}
