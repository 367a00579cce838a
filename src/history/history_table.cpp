#include "history/history_table.h"

#include <algorithm>
#include <cstdint>

#include "astro/sky_direction_text.h"
#include "astro/ut_date_time.h"
#include "history/log_calendar.h"
#include "platform/base/cstring.h"

namespace {

bool NaturallyDescending(HistoryColumn column) {
    return column != HistoryColumn::kName && column != HistoryColumn::kPosition;
}

// <0, 0 or >0 in ascending order; NaN sorts below every number.
int CompareNumbers(double x, double y) {
    if (x < y || (x != x && y == y)) {
        return -1;
    }
    return (y < x || (y != y && x == x)) ? 1 : 0;
}

// The number a row sorts by in a column other than the name.
double SortNumber(const LogUnit& unit, HistoryColumn column) {
    switch (column) {
        case HistoryColumn::kLogged:
            return static_cast<double>(unit.logged);
        case HistoryColumn::kRecorded:
            return static_cast<double>(unit.recorded);
        case HistoryColumn::kPosition:
            return unit.start_ra;
        case HistoryColumn::kCpu:
            return unit.cpu;
        case HistoryColumn::kScore:
            return unit.bg_score;
        case HistoryColumn::kPower:
            return unit.bg_power;
        case HistoryColumn::kName:
            break;
    }
    return 0.0;
}

}  // namespace

void HistoryTable::SetUnits(const std::vector<LogUnit>& units) {
    m_units = &units;
    m_order.resize(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        m_order[i] = i;
    }
    Sort();
}

void HistoryTable::SortBy(HistoryColumn column) {
    m_descending = column == m_column ? !m_descending : NaturallyDescending(column);
    m_column = column;
    Sort();
}

void HistoryTable::Sort() {
    const std::vector<LogUnit>& units = *m_units;
    const HistoryColumn column = m_column;
    const bool descending = m_descending;
    // The keys side by side, so that a long table sorts without reaching into every unit.
    struct Key {
        double first;   // the column's number (the right ascension for a position)
        double second;  // the declination for a position
        std::int64_t logged;
        int line;
        std::uint32_t unit;
    };
    std::vector<Key> keys(m_order.size());
    for (size_t i = 0; i < m_order.size(); ++i) {
        const LogUnit& u = units[m_order[i]];
        keys[i] = Key{SortNumber(u, column), column == HistoryColumn::kPosition ? u.start_dec : 0.0,
                      u.logged, u.line, static_cast<std::uint32_t>(m_order[i])};
    }
    const auto before = [&](const Key& a, const Key& b) {
        int order = column == HistoryColumn::kName ? ByteCompare(units[a.unit].name.GetString(),
                                                                 units[b.unit].name.GetString())
                                                   : CompareNumbers(a.first, b.first);
        if (order == 0) {
            order = CompareNumbers(a.second, b.second);
        }
        if (order != 0) {
            return descending ? order > 0 : order < 0;
        }
        if (a.logged != b.logged) {
            return a.logged > b.logged;
        }
        return a.line > b.line;
    };
    if (!std::is_sorted(keys.begin(), keys.end(), before)) {
        std::sort(keys.begin(), keys.end(), before);
    }
    for (size_t i = 0; i < keys.size(); ++i) {
        m_order[i] = keys[i].unit;
    }
}

int HistoryTable::RowOf(size_t unit) const {
    const auto at = std::find(m_order.begin(), m_order.end(), unit);
    return at == m_order.end() ? -1 : static_cast<int>(at - m_order.begin());
}

CString HistoryTable::CellText(int row, HistoryColumn column) const {
    const LogUnit& unit = (*m_units)[UnitOf(row)];
    CString text;
    switch (column) {
        case HistoryColumn::kLogged:
            return FormatLogTime(unit.logged);
        case HistoryColumn::kName:
            return unit.name;
        case HistoryColumn::kRecorded:
            return unit.recorded == kNoTime ? CString(kUnknownUtDate)
                                            : FormatLogTime(unit.recorded);
        case HistoryColumn::kPosition:
            AppendSkyDirection(text, unit.start_ra, unit.start_dec);
            return text;
        case HistoryColumn::kCpu:
            text.Format("%.2lf hr", unit.cpu / 3600.0);
            return text;
        case HistoryColumn::kScore:
            text.Format("%.6lf", unit.bg_score);
            return text;
        case HistoryColumn::kPower:
            text.Format("%.6lf", unit.bg_power);
            return text;
    }
    return text;
}
