#include "history/history_column_texts.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "astro/sky_direction_text.h"
#include "platform/base/digit_shape.h"

namespace {

// The units of a column of numbers whose texts hold the others': the number farthest from zero on
// either side, for none of the same sign has more digits (-0 is written with its sign, so it goes
// with the negative ones), and one of each kind of NaN and infinity.
class ExtremeUnits {
public:
    void Add(double x, size_t unit) {
        const bool negative = std::signbit(x);
        if (std::isnan(x)) {
            Keep(negative ? kNegativeNan : kNan, unit);
        } else if (std::isinf(x)) {
            Keep(negative ? kNegativeInfinity : kInfinity, unit);
        } else if (!m_units[negative].has_value() || std::fabs(x) > m_farthest[negative]) {
            m_units[negative] = unit;
            m_farthest[negative] = std::fabs(x);
        }
    }
    // Of times (not kNoTime): the earliest and the latest, whose years have the most digits of
    // their sign.
    void AddTime(std::int64_t t, size_t unit) {
        if (!m_units[0].has_value() || t > m_latest) {
            m_units[0] = unit;
            m_latest = t;
        }
        if (!m_units[1].has_value() || t < m_earliest) {
            m_units[1] = unit;
            m_earliest = t;
        }
    }
    void Keep(int slot, size_t unit) {
        if (!m_units[slot].has_value()) {
            m_units[slot] = unit;
        }
    }

    std::vector<CString> Texts(const std::vector<LogUnit>& units, HistoryColumn column) const {
        std::vector<CString> texts;
        for (const std::optional<size_t>& unit : m_units) {
            if (unit) {
                texts.push_back(HistoryTable::UnitText(units[*unit], column));
            }
        }
        return texts;
    }

    static constexpr int kNan = 2;
    static constexpr int kNegativeNan = 3;
    static constexpr int kInfinity = 4;
    static constexpr int kNegativeInfinity = 5;
    static constexpr int kOther = 6;  // a text of its own, such as an unknown date

private:
    std::optional<size_t> m_units[7];  // 0: positive, 1: negative, then the kinds above
    double m_farthest[2] = {0, 0};
    std::int64_t m_latest = 0;
    std::int64_t m_earliest = 0;
};

double NumberOf(const LogUnit& unit, HistoryColumn column) {
    switch (column) {
        case HistoryColumn::kCpu:
            return unit.cpu;  // shown in hours: the same order
        case HistoryColumn::kScore:
            return unit.bg_score;
        default:
            return unit.bg_power;
    }
}

// Hours, minutes and seconds of right ascension are never negative and always two digits; the
// declination's degrees run from -89 to +89 with their sign, and between -1 and 0 degrees its
// minutes and seconds carry the sign (astro/sky_angles.h). These three hold every position.
std::vector<CString> PositionTexts() {
    std::vector<CString> texts;
    for (const double dec : {10.0, -10.0, -(30 * 60 + 15) / 3600.0}) {
        CString text;
        AppendSkyDirection(text, 0.0, dec);
        texts.push_back(text);
    }
    return texts;
}

}  // namespace

std::vector<CString> TextsHoldingColumn(const std::vector<LogUnit>& units, HistoryColumn column) {
    if (units.empty()) {
        return {};
    }
    ExtremeUnits extremes;
    switch (column) {
        case HistoryColumn::kName: {
            DigitShapes shapes;
            std::vector<CString> texts;
            for (const LogUnit& unit : units) {
                if (shapes.Add(unit.name.str())) {
                    texts.push_back(unit.name);
                }
            }
            return texts;
        }
        case HistoryColumn::kPosition:
            return PositionTexts();
        case HistoryColumn::kLogged:
            for (size_t i = 0; i < units.size(); ++i) {
                extremes.AddTime(units[i].logged, i);
            }
            break;
        case HistoryColumn::kRecorded:
            for (size_t i = 0; i < units.size(); ++i) {
                if (units[i].recorded == kNoTime) {
                    extremes.Keep(ExtremeUnits::kOther, i);
                } else {
                    extremes.AddTime(units[i].recorded, i);
                }
            }
            break;
        case HistoryColumn::kCpu:
        case HistoryColumn::kScore:
        case HistoryColumn::kPower:
            for (size_t i = 0; i < units.size(); ++i) {
                extremes.Add(NumberOf(units[i], column), i);
            }
            break;
    }
    return extremes.Texts(units, column);
}
