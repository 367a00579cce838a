#include "pages/work_unit_page.h"

#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "platform/base/ctime.h"
#include "res/strings.h"

PageText BuildWorkUnitPage(const WorkUnitInfo& wu) {
    PageText page;
    page.labels = Text::kWorkUnitLabels;
    page.values = wu.type + "\n\n";
    page.values += wu.name + "\n";
    // The work unit file's last write stands for the time the unit was received.
    if (wu.file_time != 0) {
        page.values += CTime(wu.file_time).Format(kLocalSecondsPattern);
    }
    page.values += "\n";
    page.values.AppendFormat("%04X\n", static_cast<unsigned>(wu.version));
    page.values.AppendFormat("%04X\n", static_cast<unsigned>(wu.splitter_version));
    return page;
}
