// The history window on the real toolkit, on the demo's log, in the locale the run asks for:
// every text whole, the table filled from the log, a click on a row rings its unit on the sky
// map, and the charts show the units. A screenshot is kept as vantrel_history_<locale>.png.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/uiaction.h>

#include "charts/chart_pixels.h"
#include "gui/window_shots.h"
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
        count += red ? chart_test::IsHighlight(p) : chart_test::IsUnitColour(p);
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

    ExpectEveryTextFits(dlg, "history");
    ExpectEveryTabStopShowsFocus(dlg, "history");

    auto* list = static_cast<wxListCtrl*>(WxOf(dlg, IDC_HISTORY_LIST));
    ASSERT_EQ(list->GetItemCount(), static_cast<int>(dlg.Log().Units().size()));  // over 2000
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

// The header after the rows were scrolled sideways by the mouse wheel, as drawn then and as
// drawn again from scratch: the same, so the headers are over their columns.
TEST(HistoryWindowGui, TheHeaderFollowsItsColumnsWhenTheRowsScrollSideways) {
    TempDir dir;
    std::filesystem::copy(std::string(VANTREL_DEMO_DIR) + "/history.csv", dir.File("export.csv"));
    CHistoryDlg dlg(dir.File("export.csv").c_str());
    ASSERT_TRUE(dlg.Create());
    ShowAndSettle(dlg);
    auto* list = static_cast<wxListCtrl*>(WxOf(dlg, IDC_HISTORY_LIST));
    wxWindow* rows = nullptr;
    wxWindow* header = nullptr;
    // Inside the list, the rows' window is the tallest and the header's the other.
    for (wxWindow* child : list->GetChildren()) {
        if (!rows || child->GetSize().y > rows->GetSize().y) {
            rows = child;
        }
    }
    for (wxWindow* child : list->GetChildren()) {
        header = child != rows ? child : header;
    }
    ASSERT_TRUE(rows && header);

    // The wheel as X reports it, button 7: GTK scrolls the rows by itself, before wx hears of it.
    wxUIActionSimulator input;
    input.MouseMove(CentreOnScreen(rows));
    PumpFor(100);
    ASSERT_EQ(std::system("xdotool click --repeat 4 --delay 60 7"), 0);
    PumpFor(400);
    int scrolled = 0;
    list->GetViewStart(&scrolled, nullptr);
    ASSERT_GT(scrolled, 0);
    const wxImage drawn = CaptureScreen(header->GetScreenRect());
    header->Refresh();
    PumpFor(300);
    const wxImage redrawn = CaptureScreen(header->GetScreenRect());
    ASSERT_EQ(drawn.GetSize(), redrawn.GetSize());
    // A header a step behind differs in thousands of pixels; as it should be, in a few at most
    // (the last head's text, cut at the edge, is drawn anew).
    int differing = 0;
    for (int i = 0, n = drawn.GetWidth() * drawn.GetHeight(); i < n; ++i) {
        differing += std::memcmp(drawn.GetData() + 3 * i, redrawn.GetData() + 3 * i, 3) != 0;
    }
    EXPECT_LT(differing, drawn.GetWidth() * drawn.GetHeight() / 100)
        << "the header was drawn for where the rows were before";
    dlg.DestroyWindow();
}

}  // namespace
