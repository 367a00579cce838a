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

void PutCpuDuration(TextWriter& text, double seconds) {
    PutDuration(text, seconds);
    text.Put(" (");
    text.Fixed(seconds, 3);
    text.Put(" sec)\n");
}

// Byte order, so "3", "3.1" and "4" qualify and "2" and "10" don't.
bool NamesAnalysisItems(const ClientVersion& version) {
    return IsNewerFileSet(version) && ByteCompare(version.major_version.GetString(), "3") >= 0;
}

// "<local time> (受信から ... 経過後)\n" for a completion `remaining` seconds after the load.
// CTime is 64-bit: adding a 32-bit count never overflows, and dates past January 2038 still show.
void PutPrediction(TextWriter& text, const CTime& timeUpdate, std::int32_t remaining,
                   std::int64_t sinceReceipt, bool withSuffix) {
    CTime(timeUpdate.GetTime() + remaining).AppendFormat(text, kLocalMinutesPattern);
    if (withSuffix) {
        PutElapsed(text, remaining + sinceReceipt, ElapsedWording::kAfterReceipt);
    } else {
        text.Put('\n');
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

namespace {

// The values column of a page whose analysis state was found.
void PutValues(TextWriter& v, const ProgressInputs& in) {
    const AnalysisState& state = in.state;
    v.Fixed(state.prog * 100, 3);
    v.Put(" %\n");
    PutCpuDuration(v, state.cpu);
    v.Put(NamesAnalysisItems(in.version) ? GetAnalysisItems(in.wu.angle_range, state.fl) : "--");
    v.Put('\n');

    const std::optional<double> u = Utilisation(in);
    if (u) {
        v.Fixed(*u * 100, 1);
        v.Put(" %\n");
    } else {
        v.Put("NaN\n");
    }
    v.Put('\n');

    if (state.prog == 0.0) {
        v.Put("NaN\nNaN\nNaN\n");
        return;
    }
    const double total = state.cpu / state.prog;
    if (TruncToInt32(total)) {
        PutCpuDuration(v, total);
    } else {
        v.Put("NaN\n");
    }

    // Seconds since the work unit file was written; 0 when that time is unknown.
    const std::int64_t sinceReceipt =
        in.wu.file_time != 0 ? (in.timeUpdate - CTime(in.wu.file_time)).GetTotalSeconds() : 0;
    const std::optional<std::int32_t> remaining = RemainingCpuSeconds(state);
    if (remaining) {
        PutPrediction(v, in.timeUpdate, *remaining, sinceReceipt, sinceReceipt > 0);
    } else {
        v.Put("NaN\n");
    }

    // Prediction 2 assumes the client keeps getting the measured share of the machine.
    const std::optional<std::int32_t> remaining2 =
        remaining && u && *u > 0 ? TruncToInt32(*remaining / *u) : std::nullopt;
    if (remaining2) {
        // Counted from the load even when the receipt time is unknown.
        PutPrediction(v, in.timeUpdate, *remaining2, sinceReceipt, true);
    } else {
        v.Put("NaN\n");
    }
}

}  // namespace

void AppendProgressValues(CString& values, const ProgressInputs& in) {
    if (in.state.found) {
        TextWriter text(values);
        PutValues(text, in);
    }
}

PageText BuildProgressPage(const ProgressInputs& in) {
    PageText page;
    page.labels = Text::kProgressLabels;
    AppendProgressValues(page.values, in);
    return page;
}
