// The texts of the main window for one client's monitor: the title, the lines around the pages,
// the selected tab's page and the simple view's texts. Pages that show the records alone are
// built again only when the monitor's generation says a load changed them, or the tab changed;
// the progress page counts from the time of each load and is written on every update.
#pragma once

#include <cstdint>
#include <optional>

#include "monitor/client_monitor.h"
#include "pages/page_text.h"
#include "pages/simple_view_text.h"
#include "platform/base/cstring.h"

class MainWindowTexts {
public:
    // What the last Update changed beyond the lines and the simple view's time.
    struct Changes {
        bool shown;    // false: no work unit; the header and the page keep what they held
        bool records;  // the title and the simple view's texts were built again
        bool page;     // the page was built for another tab or other records
    };

    Changes Update(const ClientMonitor& monitor, int tab);

    CString title;
    SimpleViewText simpleView;
    CString lastUpdate;
    CString message;
    CString header;
    PageText page;

private:
    std::optional<std::uint64_t> m_builtGeneration;
    int m_shownTab = -1;
};

// The page of a tab (main_tabs.h) for the monitor's load.
PageText BuildTabPage(const ClientMonitor& monitor, int tab);
