#include "pages/user_page.h"

#include "clientfiles/user_info.h"
#include "pages/page_format.h"
#include "res/strings.h"

namespace {

constexpr double kTwoDays = 172800.0;
constexpr double kJulianYear = 31557600.0;  // 365.25 days
constexpr double kDaysPerSecond = 1 / 86400.0;
constexpr double kYearsPerSecond = 1 / 31557600.0;

void AppendAsOf(CString& text, double julianDate) {
    if (const auto ut = UtFieldsOf(julianDate)) {
        text.AppendFormat(Text::kAsOfFormat, ut->year, ut->month, ut->day, ut->hour, ut->minute,
                          ut->second);
    } else {
        text += Text::kAsOfUnknownDate;
    }
}

// Duration of one result or one day, with its share of a day.
void AppendDurationAndDays(CString& text, double seconds) {
    AppendDuration(text, seconds);
    text.AppendFormat(" (%.5lf day)\n", seconds * kDaysPerSecond);
}

}  // namespace

PageText BuildUserPage(const UserInfo& user) {
    PageText page;
    page.labels = Text::kUserLabels;
    if (!user.found) {
        return page;
    }
    CString& v = page.values;
    if (const auto ut = UtFieldsOf(user.register_time)) {
        v.AppendFormat("%04d/%02d/%02d %02d:%02d:%02d UT\n", ut->year, ut->month, ut->day, ut->hour,
                       ut->minute, ut->second);
    } else {
        v.AppendFormat("%s UT\n", kUnknownUtDate);
    }
    v.AppendFormat("%d WUs", static_cast<int>(user.nwus));
    AppendAsOf(v, user.last_wu_time);
    v.AppendFormat("%d WUs", static_cast<int>(user.nresults));
    AppendAsOf(v, user.last_result_time);

    const double cpu = user.total_cpu;
    if (cpu < kTwoDays) {
        AppendDuration(v, cpu);
    } else if (cpu < kJulianYear) {
        v.AppendFormat("%.5lf day", cpu * kDaysPerSecond);
    } else {
        v.AppendFormat("%.5lf Yr", cpu * kYearsPerSecond);
    }
    v.AppendFormat(" (%.3lf sec)\n", cpu);
    v += "\n";

    // Days from registration to the last result. Not positive (or not a number) means no span to
    // average over, for instance when no result time was ever read.
    const double days = user.last_result_time - user.register_time;
    const bool haveSpan = days > 0;
    if (haveSpan) {
        v.AppendFormat("%.2lf WUs\n", user.nresults / days);
    } else {
        v += "NaN\n";
    }
    if (user.nresults > 0) {
        AppendDurationAndDays(v, cpu / user.nresults);
    } else {
        v += "NaN\n";
    }
    if (haveSpan) {
        AppendDurationAndDays(v, cpu / days);
    } else {
        v += "NaN\n";
    }
    return page;
}
