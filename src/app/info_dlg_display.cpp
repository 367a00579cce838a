// UpdateDisplay: the title, the lines around the pages and the selected tab's page.
#include "app/info_dlg.h"
#include "pages/analysis_page.h"
#include "pages/display_frame.h"
#include "pages/observation_page.h"
#include "pages/progress_page.h"
#include "pages/user_page.h"
#include "pages/work_unit_page.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

enum Tab {
    kWorkUnitTab = 0,
    kObservationTab = 1,
    kAnalysisTab = 2,
    kProgressTab = 3,
    kUserTab = 4
};

}  // namespace

void CInfoDlg::SizeValuesColumn(int height) {
    if (CWnd* values = GetDlgItem(IDC_VALUES)) {
        values->SetWindowPos(ZOrder::Top, 0, 0, m_sizeValues.cx, height,
                             SWP_NOMOVE | SWP_SHOWWINDOW);
    }
}

bool CInfoDlg::UpdateDisplay() {
    if (m_pSimpleView) {
        m_pSimpleView->UpdateView(m_timeUpdate, m_wu, m_state);
    }
    m_strLastUpdate = BuildLastUpdateLine(m_timeUpdate, m_wu);
    m_strMessage = BuildFrameMessage(m_wu, m_state);
    SetWindowText(BuildTitle(m_wu, m_state));
    if (!m_wu.found) {
        // Header and columns keep what the last successful build left. Only the start-up load
        // finds no work unit (a later failed load restores the previous records), so the graph
        // has been handed nothing yet: hidden, where the template shows it as a black box.
        m_wndGraph.ShowWindow(SW_HIDE);
        UpdateData(false);
        return false;
    }
    m_strHeader = BuildHeader(m_strClientVersion, m_state);

    const int tab = m_tab.GetCurSel();
    PageText page;
    if (tab == kAnalysisTab) {
        SizeValuesColumn(m_sizeValues.cy / 2);
        page = BuildAnalysisPage(m_state, m_version);
        m_wndGraph.ShowWindow(SW_HIDE);
        if (m_state.found && IsNewerFileSet(m_version)) {
            for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
                m_bgPotData[i] = m_state.GetBgPot(i);
            }
            m_wndGraph.SetData(m_bgPotData, m_state.bg_true_mean, m_state.bg_power,
                               m_state.bg_sigma, m_state.bg_fft_ind);
            m_wndGraph.Redraw();
            m_wndGraph.ShowWindow(SW_SHOW);
        }
    } else {
        m_wndGraph.ShowWindow(SW_HIDE);
        SizeValuesColumn(m_sizeValues.cy);
        switch (tab) {
            case kObservationTab:
                page = BuildObservationPage(m_wu);
                break;
            case kProgressTab:
                page = BuildProgressPage(ProgressInputs{m_wu, m_state, m_version, m_timeUpdate,
                                                        m_timeBase, m_cpuBase, m_bBaselineSet});
                break;
            case kUserTab:
                page = BuildUserPage(m_user);
                if (!m_user.found) {
                    m_strMessage = Text::kUserNotObtained;
                }
                break;
            default:
                page = BuildWorkUnitPage(m_wu);
                break;
        }
    }
    m_strLabels = page.labels;
    m_strValues = page.values;
    UpdateData(false);
    return true;
}
