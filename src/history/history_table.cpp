#include "history/history_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "astro/sky_direction_text.h"
#include "astro/ut_date_time.h"
#include "history/log_calendar.h"
#include "platform/base/cstring.h"

namespace {

bool NaturallyDescending(HistoryColumn column) {
    return column != HistoryColumn::kName && column != HistoryColumn::kPosition;
}

// An integer that orders as the number does: NaN below every number, -0 as 0.
std::uint64_t OrderOf(double x) {
    if (x != x) {
        return 0;
    }
    std::uint64_t bits = 0;
    const double value = x == 0.0 ? 0.0 : x;
    std::memcpy(&bits, &value, sizeof bits);
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    // Negative numbers turned over below the positive ones; -inf stays above 0 (NaN).
    return (bits & kSign) != 0 ? ~bits : bits | kSign;
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
    // Last line first: a log is written oldest first, and the table starts newest first.
    m_order.resize(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        m_order[i] = units.size() - 1 - i;
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
    // The keys side by side, so that a long table sorts without reaching into every unit: the
    // column's numbers (the right ascension, then the declination, for a position) as integers
    // that compare as the numbers do, turned over for a descending order.
    struct Key {
        std::uint64_t first;
        std::uint64_t second;
        std::int64_t logged;
        int line;
        std::uint32_t unit;
    };
    const std::uint64_t turn = m_descending ? ~std::uint64_t{0} : 0;
    std::vector<Key> keys(m_order.size());
    for (size_t i = 0; i < m_order.size(); ++i) {
        const LogUnit& u = units[m_order[i]];
        keys[i] = Key{OrderOf(SortNumber(u, column)) ^ turn,
                      column == HistoryColumn::kPosition ? OrderOf(u.start_dec) ^ turn : 0,
                      u.logged, u.line, static_cast<std::uint32_t>(m_order[i])};
    }
    // Rows that tie keep the newest first.
    const auto newer = [](const Key& a, const Key& b) {
        return a.logged != b.logged ? a.logged > b.logged : a.line > b.line;
    };
    const auto byNumbers = [&newer](const Key& a, const Key& b) {
        if (a.first != b.first) {
            return a.first < b.first;
        }
        return a.second != b.second ? a.second < b.second : newer(a, b);
    };
    const bool descending = m_descending;
    const auto byName = [&](const Key& a, const Key& b) {
        const int order =
            ByteCompare(units[a.unit].name.GetString(), units[b.unit].name.GetString());
        if (order != 0) {
            return descending ? order > 0 : order < 0;
        }
        return newer(a, b);
    };
    // No two rows tie (each unit has a line of its own), so any sort gives this one order. A long
    // log comes in long stretches already in order, or in reverse, which the merge sort of
    // stable_sort goes through faster than std::sort (3 ms against 7 for 100,000 rows).
    if (column == HistoryColumn::kName) {
        std::stable_sort(keys.begin(), keys.end(), byName);
    } else {
        std::stable_sort(keys.begin(), keys.end(), byNumbers);
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
    return UnitText((*m_units)[UnitOf(row)], column);
}

CString HistoryTable::UnitText(const LogUnit& unit, HistoryColumn column) {
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
