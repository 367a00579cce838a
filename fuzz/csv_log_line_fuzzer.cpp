// ParseCsvLogLine on any line. A line read as a unit starts with a date of the log's form, holds
// 22 or 27 commas outside its name, and gives a UTF-8 name; the same bytes read again give the
// same unit; and a line without its last column is no unit.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "history/csv_log_line.h"
#include "history/log_calendar.h"
#include "platform/base/text_encoding.h"

namespace {

bool SameUnit(const LogUnit& a, const LogUnit& b) {
    // NaN stays NaN: compare the bytes of the numbers.
    const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    return a.logged == b.logged && a.recorded == b.recorded && a.name == b.name &&
           same(a.start_ra, b.start_ra) && same(a.start_dec, b.start_dec) &&
           same(a.end_ra, b.end_ra) && same(a.end_dec, b.end_dec) && same(a.prog, b.prog) &&
           same(a.cpu, b.cpu) && same(a.bg_score, b.bg_score) && same(a.bg_power, b.bg_power);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    LogUnit unit;
    if (ParseCsvLogLine(line, unit) != LogLineKind::kUnit) {
        return 0;
    }
    fuzz::Check(ParseLogTime(std::string_view(line).substr(0, 19)).has_value(),
                "a unit's line does not start with a date");
    fuzz::Check(IsValidUtf8(unit.name.str()), "a unit's name is not UTF-8");
    LogUnit again;
    fuzz::Check(ParseCsvLogLine(line, again) == LogLineKind::kUnit && SameUnit(unit, again),
                "the same line read twice gave another unit");
    // Without its last column a line is no unit with its columns shifted by one, unless a comma
    // in its name can stand for the missing one.
    if (unit.name.Find(',') < 0) {
        const std::string cut = line.substr(0, line.rfind(','));
        LogUnit shorter;
        fuzz::Check(ParseCsvLogLine(cut, shorter) != LogLineKind::kUnit,
                    "a line without its last column was read as a unit");
    }
    return 0;
}
