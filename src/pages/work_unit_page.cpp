#include "pages/work_unit_page.h"

#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "platform/base/ctime.h"
#include "res/strings.h"

PageText BuildWorkUnitPage(const WorkUnitInfo& wu) {
    PageText page;
    page.labels = Text::kWorkUnitLabels;
    page.values = wu.type;
    page.values += "\n\n";
    page.values += wu.name;
    page.values += '\n';
    // The work unit file's last write stands for the time the unit was received.
    if (wu.file_time != 0) {
        CTime(wu.file_time).AppendFormat(page.values, kLocalSecondsPattern);
    }
    page.values.AppendFormat("\n%04X\n%04X\n", static_cast<unsigned>(wu.version),
                             static_cast<unsigned>(wu.splitter_version));
    return page;
}
