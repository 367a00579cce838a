#include "history/csv_log_line.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

#include "history/log_calendar.h"
#include "history/log_columns.h"
#include "platform/base/exact_decimal.h"
#include "platform/base/text_encoding.h"

namespace {

// The columns after the unit's name, from the third on, in their order.
constexpr size_t kFirstTailColumn = 2;
constexpr size_t kBasicTail = kBasicLayoutColumns - kFirstTailColumn;
constexpr size_t kNewTail = kNewLayoutColumns - kFirstTailColumn;

// The numbers the history keeps, by column.
struct KeptNumber {
    // cppcheck-suppress unusedStructMember ; read where kKeptByPosition is built
    LogColumn column;
    double LogUnit::*member;
};
constexpr KeptNumber kKeptNumbers[] = {
    {LogColumn::kFromRa, &LogUnit::start_ra},
    {LogColumn::kFromDec, &LogUnit::start_dec},
    {LogColumn::kToRa, &LogUnit::end_ra},
    {LogColumn::kToDec, &LogUnit::end_dec},
    {LogColumn::kProgress, &LogUnit::prog},
    {LogColumn::kCpuTime, &LogUnit::cpu},
    {LogColumn::kScoreGaussians, &LogUnit::bg_score},
    {LogColumn::kPowerGaussians, &LogUnit::bg_power},
};
// The same by the position after the name (null: not kept).
constexpr std::array<double LogUnit::*, kNewTail> kKeptByPosition = [] {
    std::array<double LogUnit::*, kNewTail> members{};
    for (size_t k = 0; k < kNewTail; ++k) {
        for (const KeptNumber& kept : kKeptNumbers) {
            if (kLogColumns[k + kFirstTailColumn].column == kept.column) {
                members[k] = kept.member;
            }
        }
    }
    return members;
}();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Each reader takes the text of its column from p on and returns where that text ends (a comma
// or the line's end when the column is whole), or null when no text of its shape starts at p.

// "%d" or "%u" text.
const char* ReadInteger(const char* p, const char* end) {
    p += p < end && *p == '-';
    const char* const digits = p;
    while (p < end && IsDigit(*p)) {
        ++p;
    }
    return p == digits ? nullptr : p;
}

// "%.Nf" text: digits with a point among them, or the forms printf gives NaN and infinity. value
// (unless null) gets the number.
const char* ReadReal(const char* p, const char* end, double* value) {
    const char* const begin = p;
    const bool negative = p < end && *p == '-';
    p += negative;
    if (end - p >= 3 && (std::memcmp(p, "nan", 3) == 0 || std::memcmp(p, "inf", 3) == 0)) {
        if (value) {
            std::from_chars(begin, p + 3, *value);
        }
        return p + 3;
    }
    // The digits before the point, then those after it, as one whole number.
    std::uint64_t digits = 0;
    const char* const first = p;
    while (p < end && IsDigit(*p)) {
        digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
    }
    std::ptrdiff_t count = p - first;
    std::ptrdiff_t decimals = 0;
    if (p < end && *p == '.') {
        const char* const point = ++p;
        while (p < end && IsDigit(*p)) {
            digits = digits * 10 + static_cast<unsigned>(*p++ - '0');
        }
        decimals = p - point;
        count += decimals;
    }
    if (count == 0) {
        return nullptr;
    }
    if (value) {
        // Up to 19 digits the whole number has not overflowed; longer ones, and any the fast
        // path does not take, go to from_chars.
        const std::optional<double> exact =
            count <= 19 ? ExactDecimal(digits, -static_cast<int>(decimals), negative)
                        : std::nullopt;
        if (exact) {
            *value = *exact;
        } else {
            std::from_chars(begin, p, *value);
        }
    }
    return p;
}

// A date of the log's form, or nothing (kNoTime).
const char* ReadOptionalDate(const char* p, const char* end, std::int64_t& seconds) {
    constexpr std::ptrdiff_t kLength = 19;
    if (p == end || *p == ',') {
        seconds = kNoTime;
        return p;
    }
    const std::optional<std::int64_t> time =
        end - p >= kLength ? ParseLogTime(std::string_view(p, kLength)) : std::nullopt;
    if (!time) {
        return nullptr;
    }
    seconds = *time;
    return p + kLength;
}

// The columns after the name, from just after its comma to the line's end: true when they are
// the columns of one of the layouts, each of its shape. The unit gets what the history keeps.
bool ReadTail(std::string_view tail, LogUnit& unit) {
    const char* p = tail.data();
    const char* const end = p + tail.size();
    std::int64_t received = 0;
    for (size_t k = 0; k < kNewTail; ++k) {
        const LogColumnInfo& column = kLogColumns[k + kFirstTailColumn];
        switch (column.shape) {
            case LogShape::kOptionalLocalTime:
            case LogShape::kOptionalUtTime:
                p = ReadOptionalDate(
                    p, end, column.column == LogColumn::kTimeUt ? unit.recorded : received);
                break;
            case LogShape::kInteger:
                p = ReadInteger(p, end);
                break;
            case LogShape::kReal:
                p = ReadReal(p, end, kKeptByPosition[k] ? &(unit.*kKeptByPosition[k]) : nullptr);
                break;
            case LogShape::kLocalTime:  // the first two columns' shapes, read before the tail
            case LogShape::kQuotedText:
                return false;
        }
        if (!p) {
            return false;
        }
        if (p == end) {
            return k + 1 == kBasicTail || k + 1 == kNewTail;
        }
        if (*p != ',') {
            return false;
        }
        ++p;
    }
    return false;  // more columns than either layout has
}

// Names are ASCII nearly always: then there is nothing to look at or convert.
CString NameText(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return CString(ToUtf8(text));
        }
    }
    return CString(std::string(text));
}

// Whether the text holds the start of a record line: a log time, a comma and an opening quote.
// No name does; a line cut short and joined by the next one puts that line's start in its name.
bool HoldsLineStart(std::string_view text) {
    constexpr size_t kTimeLength = 19;
    for (size_t at = text.find(",\""); at != std::string_view::npos;
         at = text.find(",\"", at + 1)) {
        if (at >= kTimeLength && ParseLogTime(text.substr(at - kTimeLength, kTimeLength))) {
            return true;
        }
    }
    return false;
}

// Whether every run of quotes in the text is of even length.
bool QuotesComeInPairs(std::string_view text) {
    size_t run = 0;
    for (const char c : text) {
        if (c == '"') {
            ++run;
        } else if (run % 2 != 0) {
            return false;
        } else {
            run = 0;
        }
    }
    return run % 2 == 0;
}

// The text between the name's quotes, which the columns counted from the right delimit. Quotes
// inside are doubled now; older versions wrote them alone, and one writer wrote the whole field.
// A quote run of odd length can only be an older line's: its name is the text as it stands. A
// text whose runs are all even could be either (a""b is a"b now, or a""b from an older version);
// it is read as doubled, as this program writes it, since a name with a quote far more likely
// holds one than two side by side.
bool ReadName(std::string_view quoted, CString& name) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') {
        return false;
    }
    const std::string_view inner = quoted.substr(1, quoted.size() - 2);
    if (HoldsLineStart(inner)) {
        return false;
    }
    if (inner.find('"') == std::string_view::npos || !QuotesComeInPairs(inner)) {
        name = NameText(inner);
        return true;
    }
    std::string text;
    for (size_t i = 0; i < inner.size(); ++i) {
        text += inner[i];
        i += inner[i] == '"';  // the second of the pair
    }
    name = NameText(text);
    return true;
}

bool IsNameEnd(std::string_view line, size_t nameStart, size_t comma) {
    return comma >= nameStart + 2 && line[comma - 1] == '"';
}

// The comma after a name without quotes inside: the first quote after the opening one closes
// it. npos for any other name.
size_t PlainNameEnd(std::string_view line, size_t nameStart) {
    if (nameStart >= line.size() || line[nameStart] != '"') {
        return std::string_view::npos;
    }
    const size_t close = line.find('"', nameStart + 1);
    return close != std::string_view::npos && close + 1 < line.size() && line[close + 1] == ','
               ? close + 1
               : std::string_view::npos;
}

// The comma after any name. A name may hold commas; nothing after it does. So the columns are
// counted from the right, and the layout is the one whose name field ends in a quote.
size_t NameEndFromTheRight(std::string_view line, size_t nameStart) {
    size_t commas[kNewTail];  // from the right
    size_t found = 0;
    for (size_t i = line.size(); i > nameStart && found < kNewTail;) {
        if (line[--i] == ',') {
            commas[found++] = i;
        }
    }
    for (const size_t tail : {kBasicTail, kNewTail}) {
        if (found >= tail && IsNameEnd(line, nameStart, commas[tail - 1])) {
            return commas[tail - 1];
        }
    }
    return std::string_view::npos;
}

}  // namespace

LogLineKind ParseCsvLogLine(std::string_view line, LogUnit& unit) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return LogLineKind::kBlank;
    }
    static const std::string titleStart =
        std::string("\"") + kLogColumns[0].title + "\",\"" + kLogColumns[1].title + "\",";
    if (line.substr(0, titleStart.size()) == titleStart) {
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
    const size_t nameStart = firstComma + 1;
    // Nearly every line has a plain name, whose end the first quote after the opening one gives.
    // Where that does not lead to the columns of a layout, the columns are counted from the
    // right; both ways give the same unit wherever both read one.
    const size_t plainEnd = PlainNameEnd(line, nameStart);
    if (plainEnd != std::string_view::npos && ReadTail(line.substr(plainEnd + 1), unit)) {
        unit.name = NameText(line.substr(nameStart + 1, plainEnd - nameStart - 2));
    } else {
        const size_t nameEnd = NameEndFromTheRight(line, nameStart);
        if (nameEnd == std::string_view::npos ||
            !ReadName(line.substr(nameStart, nameEnd - nameStart), unit.name) ||
            !ReadTail(line.substr(nameEnd + 1), unit)) {
            return LogLineKind::kUnreadable;
        }
    }
    unit.logged = *logged;
    return LogLineKind::kUnit;
}
