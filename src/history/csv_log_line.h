// Reads one line of the CSV log, in either layout (23 or 28 columns), as this program writes it
// now or wrote it before.
#pragma once

#include <string_view>

#include "history/log_unit.h"

enum class LogLineKind {
    kUnit,        // a record, read into the unit
    kTitle,       // the title line (of either layout)
    kBlank,       // nothing but a line end
    kUnreadable,  // anything else
};

// line is without its LF; a CR before it is allowed. On kUnit the unit's fields are set, except
// its line number.
LogLineKind ParseCsvLogLine(std::string_view line, LogUnit& unit);
