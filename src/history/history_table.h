// The table of units: its columns, the order of its rows and the text of each cell.
#pragma once

#include <cstddef>
#include <vector>

#include "history/log_unit.h"
#include "platform/base/cstring.h"

enum class HistoryColumn {
    kLogged,  // when the line was logged
    kName,
    kRecorded,  // when the telescope recorded the unit (UT)
    kPosition,  // where: the start of the recording
    kCpu,
    kScore,  // best Gaussian's score
    kPower,  // and power
};
inline constexpr int kHistoryColumnCount = 7;

class HistoryTable {
public:
    // Rows for every unit, in the order chosen last (at first: newest first).
    void SetUnits(const std::vector<LogUnit>& units);
    // Orders the rows by the column: a new column starts in its natural order (times newest
    // first, names A to Z, numbers largest first); the same column again reverses it. Rows that
    // tie keep the newest first.
    void SortBy(HistoryColumn column);
    HistoryColumn SortColumn() const { return m_column; }
    bool Descending() const { return m_descending; }

    int RowCount() const { return static_cast<int>(m_order.size()); }
    // The index into the units of a row, and the row of a unit (-1 when it has none).
    size_t UnitOf(int row) const { return m_order[static_cast<size_t>(row)]; }
    int RowOf(size_t unit) const;
    CString CellText(int row, HistoryColumn column) const;
    // The text a unit shows in the column.
    static CString UnitText(const LogUnit& unit, HistoryColumn column);

private:
    void Sort();

    const std::vector<LogUnit>* m_units = nullptr;
    std::vector<size_t> m_order;
    HistoryColumn m_column = HistoryColumn::kLogged;
    bool m_descending = true;
};
