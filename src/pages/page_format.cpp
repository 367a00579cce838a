#include "pages/page_format.h"

#include "astro/ut_date_time.h"
#include "pages/duration.h"
#include "res/strings.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kDaysPerSecond = 1 / 86400.0;
constexpr double kHoursPerSecond = 1 / 3600.0;

}  // namespace

void PutDuration(TextWriter& text, double seconds) {
    // "%d hr %02d min %02.3lf sec", written directly: the progress page shows two on every
    // refresh. A width of 2 never pads a number with three decimals.
    const DurationFields d = SplitDuration(seconds);
    text.Integer(d.hours);
    text.Put(" hr ");
    if (d.minutes >= 0 && d.minutes < 10) {
        text.Put('0');
    }
    text.Integer(d.minutes);
    text.Put(" min ");
    text.Fixed(d.seconds, 3);
    text.Put(" sec");
}

void AppendDuration(CString& text, double seconds) {
    TextWriter writer(text);
    PutDuration(writer, seconds);
}

void PutElapsed(TextWriter& text, std::int64_t seconds, ElapsedWording wording) {
    const double count = static_cast<double>(seconds);
    const bool inDays = seconds > kSecondsPerDay;
    const double value = count * (inDays ? kDaysPerSecond : kHoursPerSecond);
    if (wording == ElapsedWording::kAfterReceipt) {
        text.Format(inDays ? Tr(Text::kAfterReceiptDaysFormat) : Tr(Text::kAfterReceiptHoursFormat),
                    value);
    } else {
        text.Format(inDays ? Tr(Text::kElapsedDaysFormat) : Tr(Text::kElapsedHoursFormat), value);
    }
}

std::optional<UtFields> UtFieldsOf(double julianDate) {
    // A refused date (0 when the key was never read) must not show whatever the holder had
    // before, such as the current time: each date gets its own holder and a refusal says so.
    UtDateTime ut{};
    if (!ut.SetJulianDate(julianDate)) {
        return std::nullopt;
    }
    return UtFields{ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second};
}
