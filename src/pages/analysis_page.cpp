#include "pages/analysis_page.h"

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "pages/page_rows.h"

namespace {

void PutSpike(TextWriter& v, const AnalysisState& state) {
    v.Format("Score=%.6lf , Power=%.6lf", state.bs_score, state.bs_power);
}

void PutGaussian(TextWriter& v, const AnalysisState& state) {
    v.Format("Score=%.6lf , Power=%.6lf , Fit=%.6lf", state.bg_score, state.bg_power,
             state.bg_chisq);
}

// The newer file set's Gaussian takes two lines.
void PutGaussianFirstLine(TextWriter& v, const AnalysisState& state) {
    PutGaussian(v, state);
    v.Put(" ,");
}

void PutGaussianSecondLine(TextWriter& v, const AnalysisState& state) {
    v.Format("True Mean=%.6lf , Sigma=%.6lf , t0=%d", state.bg_true_mean, state.bg_sigma,
             static_cast<int>(state.bg_fft_ind));
}

constexpr PageRow<AnalysisState> kOlderRows[] = {
    {Text::kLabelSpike, PutSpike},
    {Text::kLabelGaussians, PutGaussian},
};

constexpr PageRow<AnalysisState> kNewerRows[] = {
    {Text::kLabelSpike, PutSpike},
    {Text::kLabelGaussians, PutGaussianFirstLine},
    {"", PutGaussianSecondLine},
};

}  // namespace

bool IsNewerFileSet(const ClientVersion& version) {
    return version.GetKind() == ClientFileSet::Sah;
}

PageText BuildAnalysisPage(const AnalysisState& state, const ClientVersion& version) {
    const AnalysisState* const shown = state.found ? &state : nullptr;
    return IsNewerFileSet(version) ? BuildRows(kNewerRows, shown, LastLine::kOpen)
                                   : BuildRows(kOlderRows, shown, LastLine::kOpen);
}
