#include "pages/analysis_page.h"

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "res/strings.h"

bool IsNewerFileSet(const ClientVersion& version) {
    return version.GetKind() == ClientFileSet::Sah;
}

PageText BuildAnalysisPage(const AnalysisState& state, const ClientVersion& version) {
    const bool newer = IsNewerFileSet(version);
    PageText page;
    page.labels = Text::kAnalysisLabels;
    if (newer) {
        page.labels += "\n";  // the Gaussian takes two value lines
    }
    if (!state.found) {
        return page;
    }
    CString& v = page.values;
    v.AppendFormat("Score=%.6lf", state.bs_score);
    v.AppendFormat(" , Power=%.6lf\n", state.bs_power);
    v.AppendFormat("Score=%.6lf", state.bg_score);
    v.AppendFormat(" , Power=%.6lf", state.bg_power);
    v.AppendFormat(" , Fit=%.6lf", state.bg_chisq);
    if (newer) {
        v.AppendFormat(" ,\nTrue Mean=%.6lf", state.bg_true_mean);
        v.AppendFormat(" , Sigma=%.6lf", state.bg_sigma);
        v.AppendFormat(" , t0=%d", static_cast<int>(state.bg_fft_ind));
    }
    return page;
}
