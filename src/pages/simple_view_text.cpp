#include "pages/simple_view_text.h"

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "pages/duration.h"
#include "pages/page_format.h"
#include "res/strings.h"

SimpleViewText BuildSimpleViewText(const CString& updateText, const WorkUnitInfo& wu,
                                   const AnalysisState& state) {
    SimpleViewText text;
    text.time = updateText;
    if (wu.found) {
        text.title = wu.directory;
    }
    if (!wu.found || !state.found) {
        // The time line still shows this attempt.
        text.info = Tr(Text::kSimpleViewFailed);
        return text;
    }
    const DurationFields cpu = SplitDuration(state.cpu);
    text.info.Format(Tr(Text::kSimpleViewProgressFormat), state.prog * 100.0);
    text.info.AppendFormat(Tr(Text::kSimpleViewCpuTimeFormat), cpu.hours, cpu.minutes, cpu.seconds);
    text.shown = true;
    return text;
}
