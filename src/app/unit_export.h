// Logging a work unit: the CSV line, and the plot files when the settings ask for them. The main
// window's export button and every client session's log of a replaced unit write through here.
#pragma once

#include "export/csv_export.h"
#include "monitor/client_session.h"
#include "res/settings.h"

// Appends the unit's line to the log at exportPath. The default log's folder is made when the
// first line goes into it; a folder the user named must be there already, so a mistyped path
// fails rather than growing folders.
CsvExportResult AppendUnitLine(const Settings& settings, const CString& exportPath,
                               const CTime& updateTime, const WorkUnitInfo& wu,
                               const AnalysisState& state);

// The unit's line in the log the settings name, and its plot files when set (whatever becomes
// of them, the line's result is the answer). Safe on any thread: the log's lock orders the
// lines of several clients.
CsvExportResult LogFinishedUnit(const Settings& settings, const UnitLoad& unit);

// How a session logs the unit its client replaced under these settings: when "Timer"/"Export"
// is set, from the timer's refreshes, and from a button's too when fromButton.
ClientSession::LogRule UnitLogRule(const Settings& settings, bool fromButton);
