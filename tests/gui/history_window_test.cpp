// The history window on the real toolkit, on the demo's log, in the locale the run asks for:
// every text whole, the table filled from the log, a click on a row rings its unit on the sky
// map, and the charts show the units. A screenshot is kept as vantrel_history_<locale>.png.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/uiaction.h>

#include "platform/wx/text_fit.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "support/temp_dir.h"
#include "windows/history_dlg.h"

namespace {

// Pixels of a capture that are the selection's red, or the units' blue.
int CountPixels(const wxImage& image, bool red) {
    int count = 0;
    const unsigned char* p = image.GetData();
    for (int i = 0, n = image.GetWidth() * image.GetHeight(); i < n; ++i, p += 3) {
        count += red ? (p[0] > 180 && p[1] < 110 && p[2] < 110)
                     : (p[2] > 150 && p[0] < 140 && p[1] < 170 && p[2] - p[0] > 60);
    }
    return count;
}

TEST(HistoryWindowGui, TheDemoLogInTablesAndChartsWithEveryTextWhole) {
    TempDir dir;
    std::filesystem::copy(std::string(VANTREL_DEMO_DIR) + "/history.csv", dir.File("export.csv"));
    CHistoryDlg dlg(dir.File("export.csv").c_str());
    ASSERT_TRUE(dlg.Create());
    ShowAndSettle(dlg);
    PumpFor(300);

    wxWindow* top = WxOf(dlg);
    const wxImage shot = CaptureScreen(top->GetScreenRect());
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(std::string(VANTREL_GUI_SCREENSHOT_DIR) + "/vantrel_history_" +
                                  std::setlocale(LC_MESSAGES, nullptr) + ".png",
                              wxBITMAP_TYPE_PNG));
    for (const Misfit& misfit : TextsThatDoNotFit(top, shot)) {
        ADD_FAILURE() << misfit.why;
    }

    auto* list = static_cast<wxListCtrl*>(WxOf(dlg, IDC_HISTORY_LIST));
    ASSERT_EQ(list->GetItemCount(), static_cast<int>(dlg.Log().Units().size()));
    EXPECT_GE(list->GetItemCount(), 2000);
    EXPECT_EQ(list->GetItemText(0, 1).utf8_str().data(),
              dlg.Table().CellText(0, HistoryColumn::kName));

    // The sky map shows the units; a click on the first row rings it.
    wxWindow* chart = WxOf(dlg, IDC_HISTORY_CHART);
    EXPECT_GT(CountPixels(CaptureScreen(chart->GetScreenRect()), false), 500);
    EXPECT_EQ(CountPixels(CaptureScreen(chart->GetScreenRect()), true), 0);
    wxRect row;
    ASSERT_TRUE(list->GetItemRect(0, row));
    wxUIActionSimulator input;
    input.MouseMove(list->ClientToScreen(row.GetPosition() + wxPoint(20, row.height / 2)));
    input.MouseClick();
    EXPECT_TRUE(PumpUntil(
        [&] { return list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED) == 0; }));
    EXPECT_TRUE(
        PumpUntil([&] { return CountPixels(CaptureScreen(chart->GetScreenRect()), true) > 20; }));

    // The CPU hours, through the tab head's page change.
    static_cast<wxNotebook*>(WxOf(dlg, IDC_HISTORY_CHARTTAB))->SetSelection(0);
    PumpFor(200);
    EXPECT_GT(CountPixels(CaptureScreen(chart->GetScreenRect()), false), 500);
    dlg.DestroyWindow();
}

}  // namespace
