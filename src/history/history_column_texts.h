// The few texts a history column is sized from, in place of its rows.
#pragma once

#include <vector>

#include "history/history_table.h"
#include "history/log_unit.h"
#include "platform/base/cstring.h"

// Texts that hold every cell of the column: each cell's text, with its digits taken as alike
// (platform/base/digit_shape.h), is one of these with some characters left out. Drawn with the
// font's widest digit, the widest of them is as wide as any cell can be. Empty without units.
std::vector<CString> TextsHoldingColumn(const std::vector<LogUnit>& units, HistoryColumn column);
