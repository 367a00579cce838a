// Logging a work unit: the CSV line, and the plot files when the settings ask for them. The main
// window's export and the clients overview's refreshes write through here.
#pragma once

#include "export/csv_export.h"
#include "monitor/client_monitor.h"
#include "res/settings.h"

// Appends the unit's line to the log at exportPath. The default log's folder is made when the
// first line goes into it; a folder the user named must be there already, so a mistyped path
// fails rather than growing folders.
CsvExportResult AppendUnitLine(const Settings& settings, const CString& exportPath,
                               const CTime& updateTime, const WorkUnitInfo& wu,
                               const AnalysisState& state);

// The line of a unit the client has finished, and its plot files when set; true when the line
// was written (whatever became of the plot files). Safe on any thread: the log's lock orders
// the lines of several clients.
bool ExportFinishedUnit(const Settings& settings, const UnitLoad& unit);
