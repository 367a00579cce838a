#include "windows/simple_view_dlg.h"

#include <gtest/gtest.h>

#include <tuple>

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "pages/simple_view_text.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "windows/window_test_support.h"

namespace {

const DialogTemplate kOwner{
    9002, "owner", CSize{100, 50}, "ＭＳ Ｐゴシック", 9, kCaption | kVisible, {}};

WorkUnitInfo WorkUnit(const char* directory, bool found = true) {
    WorkUnitInfo wu(directory);
    wu.found = found;
    return wu;
}

AnalysisState State(double prog, double cpu, bool found = true) {
    AnalysisState state;
    std::tie(state.found, state.prog, state.cpu) = std::tie(found, prog, cpu);
    return state;
}

class SimpleViewTest : public WindowTest {
protected:
    SimpleViewTest() {
        // The view is made without a parent, so it belongs to the application's main window.
        owner.Create();
        app().m_pMainWnd = &owner;
        view.Create();
    }
    ~SimpleViewTest() override { app().m_pMainWnd = nullptr; }

    std::string Shown() {
        return view.GetWindowText().str() + " | " + TextOf(view, IDC_INFO).str() + " | " +
               TextOf(view, IDC_TIME).str();
    }

    CDialog owner{kOwner};
    CSimpleViewDlg view{&owner};
};

// The texts built for each load, shown. Times are shown in Japan (UTC + 9). Without both records
// the view shows the failure text; the title follows a found work unit's directory and otherwise
// keeps its last text.
TEST_F(SimpleViewTest, ShowsProgressAndCpuTimeOrTheFailureText) {
    EXPECT_EQ("Vantrel | Wait... | ", Shown());
    const struct {
        std::int64_t time;
        WorkUnitInfo wu;
        AnalysisState state;
        const char* shown;
    } updates[] = {
        {1000000000, WorkUnit("/nowhere", false), State(0, 0, false),
         "Vantrel | 情報取得失敗 | 2001/09/09 10:46:40"},
        {1000000000, WorkUnit("/seti/a"), State(0, 0, false),
         "/seti/a | 情報取得失敗 | 2001/09/09 10:46:40"},
        {1000003661, WorkUnit("/seti/b", false), State(0.5, 10),
         "/seti/a | 情報取得失敗 | 2001/09/09 11:47:41"},
        {1000003661, WorkUnit("/home/seti/client"), State(1.0, 59.999),
         "/home/seti/client | Progress:   100.000%\nCPU Time: 0 hr 00 min 59.999 sec | "
         "2001/09/09 11:47:41"},
    };
    for (const auto& u : updates) {
        const SimpleViewText text =
            BuildSimpleViewText(CTime(u.time).Format(kLocalSecondsPattern), u.wu, u.state);
        EXPECT_EQ(u.wu.found && u.state.found,
                  view.UpdateView(text.info, text.time, text.title, text.shown));
        EXPECT_EQ(u.shown, Shown());
    }
}

}  // namespace
