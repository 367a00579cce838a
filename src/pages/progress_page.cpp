#include "pages/progress_page.h"

#include <cstdint>
#include <optional>

#include "astro/analysis_items.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "pages/analysis_page.h"
#include "pages/page_format.h"
#include "res/strings.h"

namespace {

// Whole-second counts on this page are 32-bit. Values come from client files through atof,
// so a count is checked before it is truncated; one that does not fit (NaN and infinities
// included) has no meaningful value and its line reads "NaN".
std::optional<std::int32_t> TruncToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

void AppendCpuDuration(CString& text, double seconds) {
    AppendDuration(text, seconds);
    text.AppendFormat(" (%.3lf sec)\n", seconds);
}

// Byte order, so "3", "3.1" and "4" qualify and "2" and "10" don't.
bool NamesAnalysisItems(const ClientVersion& version) {
    return IsNewerFileSet(version) && ByteCompare(version.major_version.GetString(), "3") >= 0;
}

// "<local time> (受信から ... 経過後)\n" for a completion `remaining` seconds after the load.
// CTime is 64-bit: adding a 32-bit count never overflows, and dates past January 2038 still show.
void AppendPrediction(CString& text, const CTime& timeUpdate, std::int32_t remaining,
                      std::int64_t sinceReceipt, bool withSuffix) {
    CTime(timeUpdate.GetTime() + remaining).AppendFormat(text, kLocalMinutesPattern);
    if (withSuffix) {
        AppendElapsed(text, remaining + sinceReceipt, ElapsedWording::kAfterReceipt);
    } else {
        text += "\n";
    }
}

}  // namespace

std::optional<double> Utilisation(const ProgressInputs& in) {
    // Before any baseline its time and CPU time mean nothing, so no share is shown.
    if (!in.baselineSet) {
        return std::nullopt;
    }
    const std::int64_t span = (in.timeUpdate - in.timeBase).GetTotalSeconds();
    const std::optional<std::int32_t> gained = TruncToInt32(in.state.cpu - in.cpuBase);
    if (span <= 0 || !gained) {
        return std::nullopt;
    }
    const double u = static_cast<double>(*gained) / static_cast<double>(span);
    return u > 1.0 ? 1.0 : u;  // no lower bound: a CPU time that went down shows as negative
}

std::optional<std::int32_t> RemainingCpuSeconds(const AnalysisState& state) {
    if (state.prog == 0.0) {
        return std::nullopt;
    }
    const double total = state.cpu / state.prog;
    return TruncToInt32(total - state.cpu);
}

PageText BuildProgressPage(const ProgressInputs& in) {
    PageText page;
    page.labels = Text::kProgressLabels;
    const AnalysisState& state = in.state;
    if (!state.found) {
        return page;
    }
    CString& v = page.values;
    v.AppendFormat("%.3lf %%\n", state.prog * 100);
    AppendCpuDuration(v, state.cpu);
    v += NamesAnalysisItems(in.version) ? GetAnalysisItems(in.wu.angle_range, state.fl) : "--";
    v += "\n";

    const std::optional<double> u = Utilisation(in);
    if (u) {
        v.AppendFormat("%.1lf %%\n", *u * 100);
    } else {
        v += "NaN\n";
    }
    v += "\n";

    if (state.prog == 0.0) {
        v += "NaN\nNaN\nNaN\n";
        return page;
    }
    const double total = state.cpu / state.prog;
    if (TruncToInt32(total)) {
        AppendCpuDuration(v, total);
    } else {
        v += "NaN\n";
    }

    // Seconds since the work unit file was written; 0 when that time is unknown.
    const std::int64_t sinceReceipt =
        in.wu.file_time != 0 ? (in.timeUpdate - CTime(in.wu.file_time)).GetTotalSeconds() : 0;
    const std::optional<std::int32_t> remaining = RemainingCpuSeconds(state);
    if (remaining) {
        AppendPrediction(v, in.timeUpdate, *remaining, sinceReceipt, sinceReceipt > 0);
    } else {
        v += "NaN\n";
    }

    // Prediction 2 assumes the client keeps getting the measured share of the machine.
    const std::optional<std::int32_t> remaining2 =
        remaining && u && *u > 0 ? TruncToInt32(*remaining / *u) : std::nullopt;
    if (remaining2) {
        // Counted from the load even when the receipt time is unknown.
        AppendPrediction(v, in.timeUpdate, *remaining2, sinceReceipt, true);
    } else {
        v += "NaN\n";
    }
    return page;
}
