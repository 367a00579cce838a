#include "pages/work_unit_page.h"

#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "pages/page_rows.h"
#include "platform/base/ctime.h"

namespace {

void PutType(TextWriter& v, const WorkUnitInfo& wu) {
    v.Put(wu.type);
}

void PutName(TextWriter& v, const WorkUnitInfo& wu) {
    v.Put(wu.name);
}

// The work unit file's last write stands for the time the unit was received.
void PutReceived(TextWriter& v, const WorkUnitInfo& wu) {
    if (wu.file_time != 0) {
        CTime(wu.file_time).AppendFormat(v, kLocalSecondsPattern);
    }
}

void PutSetiVersion(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%04X", static_cast<unsigned>(wu.version));
}

void PutSplitterVersion(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%04X", static_cast<unsigned>(wu.splitter_version));
}

constexpr PageRow<WorkUnitInfo> kWorkUnitRows[] = {
    {Text::kLabelDataType, PutType},           {"", nullptr},
    {Text::kLabelUnitName, PutName},           {Text::kLabelReceived, PutReceived},
    {Text::kLabelSetiVersion, PutSetiVersion}, {Text::kLabelSplitterVersion, PutSplitterVersion},
};

}  // namespace

PageText BuildWorkUnitPage(const WorkUnitInfo& wu) {
    return BuildRows(kWorkUnitRows, &wu, LastLine::kEnded);
}
