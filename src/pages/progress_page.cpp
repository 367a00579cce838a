#include "pages/progress_page.h"

#include <cstdint>
#include <optional>

#include "astro/analysis_items.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "pages/analysis_page.h"
#include "pages/page_format.h"
#include "pages/page_rows.h"
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
    text.Put(" sec)");
}

// Byte order, so "3", "3.1" and "4" qualify and "2" and "10" don't.
bool NamesAnalysisItems(const ClientVersion& version) {
    return IsNewerFileSet(version) && ByteCompare(version.major_version.GetString(), "3") >= 0;
}

// "<local time> (受信から ... 経過後)" for a completion `remaining` seconds after the load.
// CTime is 64-bit: adding a 32-bit count never overflows, and dates past January 2038 still show.
void PutPrediction(TextWriter& text, const CTime& timeUpdate, std::int32_t remaining,
                   std::int64_t sinceReceipt, bool withSuffix) {
    CTime(timeUpdate.GetTime() + remaining).AppendFormat(text, kLocalMinutesPattern);
    if (withSuffix) {
        PutElapsed(text, remaining + sinceReceipt, ElapsedWording::kAfterReceipt);
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

// What the rows show, worked out once from a page's inputs whose analysis state was found.
struct ProgressFacts {
    explicit ProgressFacts(const ProgressInputs& inputs)
        : in(inputs),
          utilisation(Utilisation(inputs)),
          remaining(RemainingCpuSeconds(inputs.state)),
          sinceReceipt(inputs.wu.file_time != 0
                           ? (inputs.timeUpdate - CTime(inputs.wu.file_time)).GetTotalSeconds()
                           : 0) {}

    const ProgressInputs& in;
    std::optional<double> utilisation;
    std::optional<std::int32_t> remaining;
    std::int64_t sinceReceipt;  // since the work unit file was written; 0 when that is unknown
};

void PutProgress(TextWriter& v, const ProgressFacts& f) {
    v.Fixed(f.in.state.prog * 100, 3);
    v.Put(" %");
}

void PutCpuTime(TextWriter& v, const ProgressFacts& f) {
    PutCpuDuration(v, f.in.state.cpu);
}

void PutAnalysisItems(TextWriter& v, const ProgressFacts& f) {
    v.Put(NamesAnalysisItems(f.in.version) ? GetAnalysisItems(f.in.wu.angle_range, f.in.state.fl)
                                           : "--");
}

void PutUtilisation(TextWriter& v, const ProgressFacts& f) {
    if (!f.utilisation) {
        return PutNaN(v);
    }
    v.Fixed(*f.utilisation * 100, 1);
    v.Put(" %");
}

void PutCpuTimeAtEnd(TextWriter& v, const ProgressFacts& f) {
    const AnalysisState& state = f.in.state;
    if (state.prog == 0.0 || !TruncToInt32(state.cpu / state.prog)) {
        return PutNaN(v);
    }
    PutCpuDuration(v, state.cpu / state.prog);
}

void PutPredictedEnd1(TextWriter& v, const ProgressFacts& f) {
    if (!f.remaining) {
        return PutNaN(v);
    }
    PutPrediction(v, f.in.timeUpdate, *f.remaining, f.sinceReceipt, f.sinceReceipt > 0);
}

// Prediction 2 assumes the client keeps getting the measured share of the machine.
void PutPredictedEnd2(TextWriter& v, const ProgressFacts& f) {
    const std::optional<double>& u = f.utilisation;
    const std::optional<std::int32_t> remaining2 =
        f.remaining && u && *u > 0 ? TruncToInt32(*f.remaining / *u) : std::nullopt;
    if (!remaining2) {
        return PutNaN(v);
    }
    // Counted from the load even when the receipt time is unknown.
    PutPrediction(v, f.in.timeUpdate, *remaining2, f.sinceReceipt, true);
}

constexpr PageRow<ProgressFacts> kProgressRows[] = {
    {Text::kLabelProgress, PutProgress},
    {Text::kLabelCpuTime, PutCpuTime},
    {Text::kLabelAnalysisItems, PutAnalysisItems},
    {Text::kLabelUtilisation, PutUtilisation},
    {"", nullptr},
    {Text::kLabelCpuTimeAtEnd, PutCpuTimeAtEnd},
    {Text::kLabelPredictedEnd1, PutPredictedEnd1},
    {Text::kLabelPredictedEnd2, PutPredictedEnd2},
};

}  // namespace

void AppendProgressValues(CString& values, const ProgressInputs& in) {
    if (in.state.found) {
        TextWriter text(values);
        PutRowValues(text, kProgressRows, ProgressFacts(in), LastLine::kEnded);
    }
}

PageText BuildProgressPage(const ProgressInputs& in) {
    if (!in.state.found) {
        return BuildRows<ProgressFacts>(kProgressRows, nullptr, LastLine::kEnded);
    }
    const ProgressFacts facts(in);
    return BuildRows(kProgressRows, &facts, LastLine::kEnded);
}
