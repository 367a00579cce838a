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

// Sorts by an order in which no two items tie. A long log comes in a few long stretches already
// in order, or in reverse (one appended over the years, or several such logs joined): those are
// merged, which costs a pass per doubling of stretches, where sorting would start over.
template <class Item, class Before>
void SortStretches(std::vector<Item>& items, const Before& before) {
    // Stretches shorter than this on average are not worth finding.
    constexpr size_t kShortestMeanStretch = 32;
    const auto at = [&items](size_t k) { return items.begin() + static_cast<std::ptrdiff_t>(k); };
    std::vector<size_t> bounds{0};
    for (size_t from = 0; from < items.size();) {
        size_t to = from + 1;
        if (to < items.size() && before(items[to], items[from])) {
            while (to < items.size() && before(items[to], items[to - 1])) {
                ++to;
            }
            std::reverse(at(from), at(to));
        } else {
            while (to < items.size() && !before(items[to], items[to - 1])) {
                ++to;
            }
        }
        bounds.push_back(to);
        from = to;
        if (bounds.size() * kShortestMeanStretch > items.size() + kShortestMeanStretch) {
            std::sort(items.begin(), items.end(), before);
            return;
        }
    }
    while (bounds.size() > 2) {
        std::vector<size_t> merged{0};
        for (size_t i = 2; i < bounds.size(); i += 2) {
            std::inplace_merge(at(bounds[i - 2]), at(bounds[i - 1]), at(bounds[i]), before);
            merged.push_back(bounds[i]);
        }
        if (bounds.size() % 2 == 0) {
            merged.push_back(bounds.back());  // an odd stretch out waits for the next pass
        }
        bounds = std::move(merged);
    }
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
    if (column == HistoryColumn::kName) {
        SortStretches(keys, byName);
    } else {
        SortStretches(keys, byNumbers);
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
