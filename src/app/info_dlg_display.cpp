// UpdateDisplay: the title, the lines around the pages and the selected tab's page.
#include <utility>

#include "app/info_dlg.h"
#include "app/progress_inputs.h"
#include "pages/analysis_page.h"
#include "pages/display_frame.h"
#include "pages/observation_page.h"
#include "pages/page_format.h"
#include "pages/progress_page.h"
#include "pages/simple_view_text.h"
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
    const CTime& timeUpdate = m_monitor.TimeUpdate();
    const WorkUnitInfo& wu = m_monitor.WorkUnit();
    const AnalysisState& state = m_monitor.State();
    // Written once for the last update line and the simple view.
    const CString updateText = timeUpdate.Format(kLocalSecondsPattern);
    if (m_pSimpleView) {
        const SimpleViewText simple = BuildSimpleViewText(updateText, wu, state);
        m_pSimpleView->UpdateView(simple.info, simple.time, simple.title, simple.shown);
    }
    m_strLastUpdate = BuildLastUpdateLine(timeUpdate, updateText, wu);
    m_strMessage = BuildFrameMessage(wu, state);
    SetWindowText(BuildTitle(wu, state));
    if (!wu.found) {
        // Header and columns keep what the last successful build left. Only the start-up load
        // finds no work unit (a later failed load restores the previous records), so the graph
        // has been handed nothing yet: hidden, where the template shows it as a black box.
        m_wndGraph.ShowWindow(SW_HIDE);
        UpdateData(false);
        return false;
    }
    m_strHeader = BuildHeader(m_monitor.ClientVersionText(), state);

    const ClientVersion& version = m_monitor.Version();
    const int tab = m_tab.GetCurSel();
    PageText page;
    if (tab == kAnalysisTab) {
        SizeValuesColumn(m_sizeValues.cy / 2);
        page = BuildAnalysisPage(state, version);
        m_wndGraph.ShowWindow(SW_HIDE);
        if (state.found && IsNewerFileSet(version)) {
            for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
                m_bgPotData[i] = state.GetBgPot(i);
            }
            m_wndGraph.SetData(m_bgPotData, state.bg_true_mean, state.bg_power, state.bg_sigma,
                               state.bg_fft_ind);
            m_wndGraph.Redraw();
            m_wndGraph.ShowWindow(SW_SHOW);
        }
    } else {
        m_wndGraph.ShowWindow(SW_HIDE);
        SizeValuesColumn(m_sizeValues.cy);
        switch (tab) {
            case kObservationTab:
                page = BuildObservationPage(wu);
                break;
            case kProgressTab:
                page = BuildProgressPage(ProgressInputsOf(m_monitor));
                break;
            case kUserTab:
                page = BuildUserPage(m_monitor.User());
                if (!m_monitor.User().found) {
                    m_strMessage = Text::kUserNotObtained;
                }
                break;
            default:
                page = BuildWorkUnitPage(wu);
                break;
        }
    }
    m_strLabels = std::move(page.labels);
    m_strValues = std::move(page.values);
    UpdateData(false);
    return true;
}
