#include "history/csv_log_line.h"

#include <charconv>
#include <cstdint>

#include "history/log_calendar.h"
#include "platform/base/text_encoding.h"

namespace {

// The columns after the name, in order, from column 3 on.
enum class Shape { kOptionalDate, kInteger, kReal };
constexpr int kBasicTail = 21;  // columns 3 to 23
constexpr int kNewTail = 26;    // columns 3 to 28
constexpr Shape kTailShapes[kNewTail] = {
    Shape::kOptionalDate,                                            // 3 Received
    Shape::kInteger,                                                 // 4 SETI Version
    Shape::kInteger,                                                 // 5 Splitter Version
    Shape::kOptionalDate,                                            // 6 Time(UT)
    Shape::kReal,         Shape::kReal, Shape::kReal, Shape::kReal,  // 7-10 From, To
    Shape::kReal,         Shape::kReal, Shape::kReal,                // 11-13 frequencies, rate
    Shape::kInteger,                                                 // 14 Samples
    Shape::kReal,         Shape::kReal, Shape::kReal, Shape::kReal,  // 15-18
    Shape::kReal,         Shape::kReal, Shape::kReal, Shape::kReal, Shape::kReal,  // 19-23
    Shape::kReal,         Shape::kReal,                                            // 24, 25
    Shape::kInteger,                                                               // 26 t0
    Shape::kReal,         Shape::kReal,                                            // 27, 28
};
// Column numbers, from 1, of what the history keeps.
constexpr int kTimeUt = 6;
constexpr int kFromRa = 7;
constexpr int kFromDec = 8;
constexpr int kToRa = 9;
constexpr int kToDec = 10;
constexpr int kProgress = 16;
constexpr int kCpuTime = 17;
constexpr int kGaussianScore = 21;
constexpr int kGaussianPower = 22;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "%d" or "%u" text.
bool IsIntegerText(std::string_view text) {
    size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (i == text.size()) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
    }
    return true;
}

// "%.Nf" text: digits with a point among them, or the forms printf gives NaN and infinity.
bool IsRealText(std::string_view text) {
    if (!text.empty() && text[0] == '-') {
        text.remove_prefix(1);
    }
    if (text == "nan" || text == "inf") {
        return true;
    }
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

bool HasShape(std::string_view text, Shape shape) {
    switch (shape) {
        case Shape::kOptionalDate:
            return text.empty() || ParseLogTime(text).has_value();
        case Shape::kInteger:
            return IsIntegerText(text);
        case Shape::kReal:
            return IsRealText(text);
    }
    return false;
}

double RealOf(std::string_view text) {
    // The shape was checked. The "%.Nf" form with up to 15 digits is its digits divided by a
    // power of ten: both exact doubles, so the one division rounds as from_chars would. Every
    // other form (more digits, "-nan", "inf") goes to from_chars.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text[0] == '-';
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (!IsDigit(c) || ++count > 15) {
            count = -1;
            break;
        }
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        decimals += decimals >= 0;
    }
    if (count >= 0) {
        const double value =
            static_cast<double>(digits) / kPowersOfTen[decimals < 0 ? 0 : decimals];
        return negative ? -value : value;
    }
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The text between the name's quotes. Quotes inside are doubled now; older versions wrote them
// alone. A lone quote beside a comma is neither: it is where a line was cut and another one
// joined it.
bool ReadName(std::string_view quoted, CString& name) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return false;
    }
    const std::string_view inner = quoted.substr(1, quoted.size() - 2);
    if (inner.find('"') == std::string_view::npos) {
        name = CString(ToUtf8(inner));
        return true;
    }
    std::string text;
    for (size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c == '"' && i + 1 < inner.size() && inner[i + 1] == '"') {
            ++i;
        } else if (c == '"' && ((i > 0 && inner[i - 1] == ',') ||
                                (i + 1 < inner.size() && inner[i + 1] == ','))) {
            return false;
        }
        text += c;
    }
    name = CString(ToUtf8(text));
    return true;
}

bool IsNameEnd(std::string_view line, size_t nameStart, size_t comma) {
    return comma >= nameStart + 2 && line[comma - 1] == '"';
}

}  // namespace

LogLineKind ParseCsvLogLine(std::string_view line, LogUnit& unit) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return LogLineKind::kBlank;
    }
    if (line.substr(0, 21) == "\"Update\",\"Unit Name\",") {
        return LogLineKind::kTitle;
    }
    const size_t firstComma = line.find(',');
    if (firstComma == std::string_view::npos) {
        return LogLineKind::kUnreadable;
    }
    const std::optional<std::int64_t> logged = ParseLogTime(line.substr(0, firstComma));
    if (!logged) {
        return LogLineKind::kUnreadable;
    }
    // A name may hold commas; nothing after it does. So the columns are counted from the right,
    // and the layout is the one whose name field ends in a quote.
    const size_t nameStart = firstComma + 1;
    size_t commas[kNewTail];  // from the right
    int found = 0;
    for (size_t i = line.size(); i > nameStart && found < kNewTail;) {
        if (line[--i] == ',') {
            commas[found++] = i;
        }
    }
    int tail = 0;
    if (found >= kBasicTail && IsNameEnd(line, nameStart, commas[kBasicTail - 1])) {
        tail = kBasicTail;
    } else if (found >= kNewTail && IsNameEnd(line, nameStart, commas[kNewTail - 1])) {
        tail = kNewTail;
    } else {
        return LogLineKind::kUnreadable;
    }
    if (!ReadName(line.substr(nameStart, commas[tail - 1] - nameStart), unit.name)) {
        return LogLineKind::kUnreadable;
    }
    std::string_view columns[kNewTail + 3];  // by column number
    for (int k = 0; k < tail; ++k) {
        const size_t begin = commas[tail - 1 - k] + 1;
        const size_t end = k + 1 < tail ? commas[tail - 2 - k] : line.size();
        columns[k + 3] = line.substr(begin, end - begin);
        if (k + 3 != kTimeUt && !HasShape(columns[k + 3], kTailShapes[k])) {
            return LogLineKind::kUnreadable;
        }
    }
    const std::string_view recorded = columns[kTimeUt];
    std::optional<std::int64_t> recordedTime;
    if (!recorded.empty() && !(recordedTime = ParseLogTime(recorded))) {
        return LogLineKind::kUnreadable;
    }
    unit.logged = *logged;
    unit.recorded = recordedTime ? *recordedTime : kNoTime;
    unit.start_ra = RealOf(columns[kFromRa]);
    unit.start_dec = RealOf(columns[kFromDec]);
    unit.end_ra = RealOf(columns[kToRa]);
    unit.end_dec = RealOf(columns[kToDec]);
    unit.prog = RealOf(columns[kProgress]);
    unit.cpu = RealOf(columns[kCpuTime]);
    unit.bg_score = RealOf(columns[kGaussianScore]);
    unit.bg_power = RealOf(columns[kGaussianPower]);
    return LogLineKind::kUnit;
}
