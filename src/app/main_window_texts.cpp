#include "app/main_window_texts.h"

#include <utility>

#include "app/main_tabs.h"
#include "app/progress_inputs.h"
#include "pages/analysis_page.h"
#include "pages/display_frame.h"
#include "pages/observation_page.h"
#include "pages/page_format.h"
#include "pages/progress_page.h"
#include "pages/user_page.h"
#include "pages/work_unit_page.h"
#include "res/strings.h"

namespace {

// The page of a tab (main_tabs.h) for the monitor's load.
PageText BuildTabPage(const ClientMonitor& monitor, int tab) {
    const WorkUnitInfo& wu = monitor.WorkUnit();
    switch (tab) {
        case kObservationTab:
            return BuildObservationPage(wu);
        case kAnalysisTab:
            return BuildAnalysisPage(monitor.State(), monitor.Version());
        case kProgressTab:
            return BuildProgressPage(ProgressInputsOf(monitor));
        case kUserTab:
            return BuildUserPage(monitor.User());
        default:
            return BuildWorkUnitPage(wu);
    }
}

}  // namespace

MainWindowTexts::Changes MainWindowTexts::Update(const ClientMonitor& monitor, int tab) {
    const CTime& timeUpdate = monitor.TimeUpdate();
    const WorkUnitInfo& wu = monitor.WorkUnit();
    const AnalysisState& state = monitor.State();
    const std::uint64_t generation = monitor.Generation();
    Changes changes{wu.found, generation != m_builtGeneration, false};
    // Written once for the last update line and the simple view.
    const CString updateText = timeUpdate.Format(kLocalSecondsPattern);
    if (changes.records) {
        m_simpleView = BuildSimpleViewText(updateText, wu, state);
        m_title = BuildTitle(wu, state);
    } else {
        m_simpleView.time = updateText;
    }
    m_shown.lastUpdate = BuildLastUpdateLine(timeUpdate, updateText, wu);
    m_shown.message = BuildFrameMessage(wu, state);
    if (!wu.found) {
        // Only the start-up load finds no work unit (a later failed load restores the previous
        // records): the next one that does builds everything.
        m_builtGeneration.reset();
        return changes;
    }
    if (changes.records) {
        m_shown.header = BuildHeader(monitor.ClientVersionText(), state);
    }
    changes.page = changes.records || tab != m_shownTab;
    if (changes.page) {
        PageText page = BuildTabPage(monitor, tab);
        m_shown.labels = std::move(page.labels);
        m_shown.values = std::move(page.values);
    } else if (tab == kProgressTab) {
        // Its predictions count from the load: written again, into the string that holds them.
        m_shown.values.Empty();
        AppendProgressValues(m_shown.values, ProgressInputsOf(monitor));
    }
    m_builtGeneration = generation;
    m_shownTab = tab;
    if (tab == kUserTab && !monitor.User().found) {
        m_shown.message = Tr(Text::kUserNotObtained);
    }
    return changes;
}
