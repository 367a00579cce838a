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
    // The window's own strings, which its controls show: the texts are written there, once.
    struct Shown {
        CString& lastUpdate;
        CString& message;
        CString& header;
        CString& labels;
        CString& values;
    };

    explicit MainWindowTexts(const Shown& shown) : m_shown(shown) {}

    // What the last Update changed beyond the lines and the simple view's time.
    struct Changes {
        bool shown;    // false: no work unit; the header and the page keep what they held
        bool records;  // the title and the simple view's texts were built again
        bool page;     // the page was built for another tab or other records
    };

    Changes Update(const ClientMonitor& monitor, int tab);

    const CString& Title() const { return m_title; }
    const SimpleViewText& SimpleView() const { return m_simpleView; }

private:
    Shown m_shown;
    CString m_title;
    SimpleViewText m_simpleView;
    std::optional<std::uint64_t> m_builtGeneration;
    int m_shownTab = -1;
};
