#include "history/history_table.h"

#include <algorithm>

#include "astro/sky_direction_text.h"
#include "astro/ut_date_time.h"
#include "history/log_calendar.h"
#include "platform/base/cstring.h"

namespace {

bool NaturallyDescending(HistoryColumn column) {
    return column != HistoryColumn::kName && column != HistoryColumn::kPosition;
}

// <0, 0 or >0 in the column's ascending order. NaN sorts below every number.
int Compare(const LogUnit& a, const LogUnit& b, HistoryColumn column) {
    const auto numbers = [](double x, double y) {
        if (x < y || (x != x && y == y)) {
            return -1;
        }
        return (y < x || (y != y && x == x)) ? 1 : 0;
    };
    switch (column) {
        case HistoryColumn::kLogged:
            return numbers(static_cast<double>(a.logged), static_cast<double>(b.logged));
        case HistoryColumn::kName:
            return ByteCompare(a.name.GetString(), b.name.GetString());
        case HistoryColumn::kRecorded:
            return a.recorded < b.recorded ? -1 : (b.recorded < a.recorded ? 1 : 0);
        case HistoryColumn::kPosition:
            if (const int byRa = numbers(a.start_ra, b.start_ra)) {
                return byRa;
            }
            return numbers(a.start_dec, b.start_dec);
        case HistoryColumn::kCpu:
            return numbers(a.cpu, b.cpu);
        case HistoryColumn::kScore:
            return numbers(a.bg_score, b.bg_score);
        case HistoryColumn::kPower:
            return numbers(a.bg_power, b.bg_power);
    }
    return 0;
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
    std::sort(m_order.begin(), m_order.end(), [&](size_t i, size_t j) {
        const LogUnit& a = units[i];
        const LogUnit& b = units[j];
        if (const int order = Compare(a, b, column)) {
            return descending ? order > 0 : order < 0;
        }
        if (a.logged != b.logged) {
            return a.logged > b.logged;
        }
        return a.line > b.line;
    });
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
