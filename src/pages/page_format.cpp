#include "pages/page_format.h"

#include "astro/ut_date_time.h"
#include "pages/duration.h"
#include "platform/base/number_text.h"
#include "res/strings.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr double kDaysPerSecond = 1 / 86400.0;
constexpr double kHoursPerSecond = 1 / 3600.0;

}  // namespace

void AppendDuration(CString& text, double seconds) {
    // "%d hr %02d min %02.3lf sec", written directly: the progress page shows two on every
    // refresh. A width of 2 never pads a number with three decimals.
    const DurationFields d = SplitDuration(seconds);
    char buffer[3 * kNumberTextMax];
    char* at = buffer + WriteInteger(buffer, d.hours);
    const auto put = [&at](const char* literal) {
        for (; *literal; ++literal) {
            *at++ = *literal;
        }
    };
    put(" hr ");
    if (d.minutes >= 0 && d.minutes < 10) {
        *at++ = '0';
    }
    at += WriteInteger(at, d.minutes);
    put(" min ");
    at += WriteFixed(at, d.seconds, 3);
    put(" sec");
    text.Append(buffer, static_cast<int>(at - buffer));
}

void AppendElapsed(CString& text, std::int64_t seconds, ElapsedWording wording) {
    const double count = static_cast<double>(seconds);
    const bool inDays = seconds > kSecondsPerDay;
    switch (wording) {
        case ElapsedWording::kElapsed:
            if (inDays) {
                text.AppendFormat(Text::kElapsedDaysFormat, count * kDaysPerSecond);
            } else {
                text.AppendFormat(Text::kElapsedHoursFormat, count * kHoursPerSecond);
            }
            break;
        case ElapsedWording::kAfterReceipt:
            if (inDays) {
                text.AppendFormat(Text::kAfterReceiptDaysFormat, count * kDaysPerSecond);
            } else {
                text.AppendFormat(Text::kAfterReceiptHoursFormat, count * kHoursPerSecond);
            }
            break;
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
