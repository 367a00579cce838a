// One line of the CSV log and its title line, formatted in memory.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

class WorkUnitInfo;
class AnalysisState;

// The title line: 23 titles, or 28 in the new layout, then lineEnd.
CString FormatCsvTitle(bool newForm, const char* lineEnd);

// The record line: 23 columns, or 28 in the new layout, then lineEnd.
CString FormatCsvLine(const CTime& updateTime, const WorkUnitInfo& wu, const AnalysisState& state,
                      bool newForm, const char* lineEnd);
