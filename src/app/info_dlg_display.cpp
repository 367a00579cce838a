// UpdateDisplay: the title, the lines around the pages and the selected tab's page.
#include <utility>

#include "app/info_dlg.h"
#include "app/main_tabs.h"
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
    // What shows the records alone is built again only when a load may have changed them; the
    // times are written on every update.
    const std::uint64_t generation = m_monitor.Generation();
    const bool recordsChanged = generation != m_builtGeneration;
    // Written once for the last update line and the simple view.
    const CString updateText = timeUpdate.Format(kLocalSecondsPattern);
    if (recordsChanged) {
        m_simpleViewText = BuildSimpleViewText(updateText, wu, state);
        SetWindowText(BuildTitle(wu, state));
    } else {
        m_simpleViewText.time = updateText;
    }
    if (m_pSimpleView) {
        m_pSimpleView->UpdateView(m_simpleViewText.info, m_simpleViewText.time,
                                  m_simpleViewText.title, m_simpleViewText.shown);
    }
    m_strLastUpdate = BuildLastUpdateLine(timeUpdate, updateText, wu);
    m_strMessage = BuildFrameMessage(wu, state);
    if (!wu.found) {
        // Header and columns keep what the last successful build left. Only the start-up load
        // finds no work unit (a later failed load restores the previous records), so the graph
        // has been handed nothing yet: hidden, where the template shows it as a black box.
        m_wndGraph.ShowWindow(SW_HIDE);
        m_builtGeneration.reset();
        UpdateData(false);
        return false;
    }
    const int tab = m_tab.GetCurSel();
    const bool tabChanged = tab != m_shownTab;
    if (recordsChanged) {
        m_strHeader = BuildHeader(m_monitor.ClientVersionText(), state);
    }
    if (recordsChanged || tabChanged) {
        ShowPageControls(tab);
        PageText page = BuildPage(tab);
        m_strLabels = std::move(page.labels);
        m_strValues = std::move(page.values);
    } else if (tab == kProgressTab) {
        // The progress page counts from the time of the load: its values are written again on
        // every update, into the string that holds them.
        m_strValues.Empty();
        AppendProgressValues(m_strValues, ProgressInputsOf(m_monitor));
    }
    m_builtGeneration = generation;
    m_shownTab = tab;
    if (tab == kUserTab && !m_monitor.User().found) {
        m_strMessage = Tr(Text::kUserNotObtained);
    }
    UpdateData(false);
    return true;
}

void CInfoDlg::ShowPageControls(int tab) {
    m_wndGraph.ShowWindow(SW_HIDE);
    if (tab != kAnalysisTab) {
        SizeValuesColumn(m_sizeValues.cy);
        return;
    }
    SizeValuesColumn(m_sizeValues.cy / 2);
    const AnalysisState& state = m_monitor.State();
    if (state.found && IsNewerFileSet(m_monitor.Version())) {
        for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
            m_bgPotData[i] = state.GetBgPot(i);
        }
        m_wndGraph.SetData(m_bgPotData, state.bg_true_mean, state.bg_power, state.bg_sigma,
                           state.bg_fft_ind);
        m_wndGraph.Redraw();
        m_wndGraph.ShowWindow(SW_SHOW);
    }
}

PageText CInfoDlg::BuildPage(int tab) const {
    const WorkUnitInfo& wu = m_monitor.WorkUnit();
    switch (tab) {
        case kObservationTab:
            return BuildObservationPage(wu);
        case kAnalysisTab:
            return BuildAnalysisPage(m_monitor.State(), m_monitor.Version());
        case kProgressTab:
            return BuildProgressPage(ProgressInputsOf(m_monitor));
        case kUserTab:
            return BuildUserPage(m_monitor.User());
        default:
            return BuildWorkUnitPage(wu);
    }
}
