#include "pages/display_frame.h"

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "res/strings.h"

CString BuildLastUpdateLine(const CTime& timeUpdate, const CString& timeText,
                            const WorkUnitInfo& wu) {
    CString line;
    {
        TextWriter text(line);
        text.Format(Tr(Text::kLastUpdateFormat), timeText.GetString());
        if (wu.found && wu.file_time != 0) {
            PutElapsed(text, (timeUpdate - CTime(wu.file_time)).GetTotalSeconds(),
                       ElapsedWording::kElapsed);
        }
    }
    return line;
}

CString BuildHeader(const CString& clientVersion, const AnalysisState& state) {
    CString header;
    if (!clientVersion.IsEmpty()) {
        header += "Client Ver. ";
        header += clientVersion;
        header += " :  ";
    }
    if (state.found) {
        header.AppendFormat("Progress = %.3lf %% , CPU Time = %.3lf sec", state.prog * 100,
                            state.cpu);
    }
    return header;
}

CString BuildTitle(const WorkUnitInfo& wu, const AnalysisState& state) {
    if (!wu.found) {
        return Text::kAppName;
    }
    CString title = wu.directory;
    if (state.found) {
        title.AppendFormat(" (%.3lf%%) - %s", state.prog * 100, Text::kAppName);
    } else {
        title += " - ";
        title += Text::kAppName;
    }
    return title;
}

CString BuildFrameMessage(const WorkUnitInfo& wu, const AnalysisState& state) {
    if (!wu.found) {
        return Tr(Text::kWorkUnitNotObtained);
    }
    if (!state.found) {
        return Tr(Text::kAnalysisNotObtained);
    }
    return CString();
}
