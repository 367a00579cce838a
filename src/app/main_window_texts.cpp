#include "app/main_window_texts.h"

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

MainWindowTexts::Changes MainWindowTexts::Update(const ClientMonitor& monitor, int tab) {
    const CTime& timeUpdate = monitor.TimeUpdate();
    const WorkUnitInfo& wu = monitor.WorkUnit();
    const AnalysisState& state = monitor.State();
    const std::uint64_t generation = monitor.Generation();
    Changes changes{wu.found, generation != m_builtGeneration, false};
    // Written once for the last update line and the simple view.
    const CString updateText = timeUpdate.Format(kLocalSecondsPattern);
    if (changes.records) {
        simpleView = BuildSimpleViewText(updateText, wu, state);
        title = BuildTitle(wu, state);
    } else {
        simpleView.time = updateText;
    }
    lastUpdate = BuildLastUpdateLine(timeUpdate, updateText, wu);
    message = BuildFrameMessage(wu, state);
    if (!wu.found) {
        // Only the start-up load finds no work unit (a later failed load restores the previous
        // records): the next one that does builds everything.
        m_builtGeneration.reset();
        return changes;
    }
    if (changes.records) {
        header = BuildHeader(monitor.ClientVersionText(), state);
    }
    changes.page = changes.records || tab != m_shownTab;
    if (changes.page) {
        page = BuildTabPage(monitor, tab);
    } else if (tab == kProgressTab) {
        page.values.Empty();
        AppendProgressValues(page.values, ProgressInputsOf(monitor));
    }
    m_builtGeneration = generation;
    m_shownTab = tab;
    if (tab == kUserTab && !monitor.User().found) {
        message = Tr(Text::kUserNotObtained);
    }
    return changes;
}
