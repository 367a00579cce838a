#include "pages/user_page.h"

#include "clientfiles/user_info.h"
#include "pages/page_format.h"
#include "pages/page_rows.h"

namespace {

constexpr double kTwoDays = 172800.0;
constexpr double kJulianYear = 31557600.0;  // 365.25 days
constexpr double kDaysPerSecond = 1 / 86400.0;
constexpr double kYearsPerSecond = 1 / 31557600.0;

void PutUnitsAsOf(TextWriter& v, int units, double julianDate) {
    v.Format("%d WUs", units);
    if (const auto ut = UtFieldsOf(julianDate)) {
        v.Format(Tr(Text::kAsOfFormat), ut->year, ut->month, ut->day, ut->hour, ut->minute,
                 ut->second);
    } else {
        v.Put(Tr(Text::kAsOfUnknownDate));
    }
}

// Duration of one result or one day, with its share of a day.
void PutDurationAndDays(TextWriter& v, double seconds) {
    PutDuration(v, seconds);
    v.Format(" (%.5lf day)", seconds * kDaysPerSecond);
}

// Days from registration to the last result. Not positive (or not a number) means no span to
// average over, for instance when no result time was ever read.
double DaysOfResults(const UserInfo& user) {
    return user.last_result_time - user.register_time;
}

void PutRegistered(TextWriter& v, const UserInfo& user) {
    if (const auto ut = UtFieldsOf(user.register_time)) {
        v.Format("%04d/%02d/%02d %02d:%02d:%02d UT", ut->year, ut->month, ut->day, ut->hour,
                 ut->minute, ut->second);
    } else {
        v.Format("%s UT", kUnknownUtDate);
    }
}

void PutUnitsReceived(TextWriter& v, const UserInfo& user) {
    PutUnitsAsOf(v, user.nwus, user.last_wu_time);
}

void PutResultsSent(TextWriter& v, const UserInfo& user) {
    PutUnitsAsOf(v, user.nresults, user.last_result_time);
}

void PutTotalCpuTime(TextWriter& v, const UserInfo& user) {
    const double cpu = user.total_cpu;
    if (cpu < kTwoDays) {
        PutDuration(v, cpu);
    } else if (cpu < kJulianYear) {
        v.Format("%.5lf day", cpu * kDaysPerSecond);
    } else {
        v.Format("%.5lf Yr", cpu * kYearsPerSecond);
    }
    v.Format(" (%.3lf sec)", cpu);
}

void PutResultsPerDay(TextWriter& v, const UserInfo& user) {
    const double days = DaysOfResults(user);
    if (!(days > 0)) {
        return PutNaN(v);
    }
    v.Format("%.2lf WUs", user.nresults / days);
}

void PutCpuTimePerUnit(TextWriter& v, const UserInfo& user) {
    if (!(user.nresults > 0)) {
        return PutNaN(v);
    }
    PutDurationAndDays(v, user.total_cpu / user.nresults);
}

void PutCpuTimePerDay(TextWriter& v, const UserInfo& user) {
    const double days = DaysOfResults(user);
    if (!(days > 0)) {
        return PutNaN(v);
    }
    PutDurationAndDays(v, user.total_cpu / days);
}

constexpr PageRow<UserInfo> kUserRows[] = {
    {Text::kLabelRegistered, PutRegistered},
    {Text::kLabelUnitsReceived, PutUnitsReceived},
    {Text::kLabelResultsSent, PutResultsSent},
    {Text::kLabelTotalCpuTime, PutTotalCpuTime},
    {"", nullptr},
    {Text::kLabelResultsPerDay, PutResultsPerDay},
    {Text::kLabelCpuTimePerUnit, PutCpuTimePerUnit},
    {Text::kLabelCpuTimePerDay, PutCpuTimePerDay},
};

}  // namespace

PageText BuildUserPage(const UserInfo& user) {
    return BuildRows(kUserRows, user.found ? &user : nullptr, LastLine::kEnded);
}
