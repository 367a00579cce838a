// The history window resized on the real toolkit: the table and the chart take the room, the
// buttons keep to the bottom right corner, the splitter shares the height between the table and
// the chart, and the window opens again where and as large as it was closed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <wx/uiaction.h>

#include "platform/ui/cwinapp.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "support/temp_dir.h"
#include "windows/history_dlg.h"

namespace {

TEST(ResizableHistoryGui, TheTableAndChartGrowTheSplitterSharesAndThePlaceIsKept) {
    TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    CWinApp app{"Vantrel"};
    app.SetRegistryKey("Halvorn");
    TempDir dir;
    std::filesystem::copy(std::string(VANTREL_DEMO_DIR) + "/history.csv", dir.File("export.csv"));

    CHistoryDlg dlg(dir.File("export.csv").c_str());
    ASSERT_TRUE(dlg.Create());
    ShowAndSettle(dlg);
    wxWindow* window = WxOf(dlg);
    wxWindow* list = WxOf(dlg, IDC_HISTORY_LIST);
    wxWindow* chart = WxOf(dlg, IDC_HISTORY_CHART);
    wxWindow* close = WxOf(dlg, IDOK);
    const wxSize client = window->GetClientSize();
    const wxSize table = list->GetSize();
    const wxSize picture = chart->GetSize();
    const int closeMargin = client.x - close->GetRect().GetRight();

    // 200 pixels wider and 160 taller, still on the screen (a window partly off it opens on it
    // again): the table and the chart share the height.
    window->Move(10, 10);
    window->SetClientSize(client + wxSize(200, 160));
    ASSERT_TRUE(PumpUntil([&] { return list->GetSize().x == table.x + 200; }));
    EXPECT_EQ(list->GetSize().y, table.y + 80);
    EXPECT_EQ(chart->GetSize(), picture + wxSize(200, 80));
    EXPECT_EQ(window->GetClientSize().x - close->GetRect().GetRight(), closeMargin);
    EXPECT_EQ(window->GetClientSize().y - close->GetRect().GetBottom(),
              client.y - close->GetRect().GetBottom() + 160);
    // The chart is drawn again at its new size, in the screen's pixels.
    const double scale = chart->GetContentScaleFactor();
    EXPECT_TRUE(PumpUntil([&] {
        return dlg.ChartView().GetPicture().width ==
               static_cast<int>(chart->GetClientSize().x * scale + 0.5);
    }));

    // The splitter, dragged 60 pixels down, gives the table what it takes from the chart.
    const wxRect tableOnScreen = list->GetScreenRect();
    const wxPoint bar(tableOnScreen.x + tableOnScreen.width / 2,
                      tableOnScreen.GetBottom() + DialogPixelsY(window, 5) / 2 + 1);
    wxUIActionSimulator input;
    input.MouseMove(bar);
    input.MouseDown();
    PumpFor(50);
    input.MouseMove(bar + wxPoint(0, 60));
    PumpFor(50);
    input.MouseUp();
    EXPECT_TRUE(PumpUntil([&] { return list->GetSize().y == table.y + 80 + 60; }));
    EXPECT_EQ(chart->GetSize().y, picture.y + 80 - 60);
    const wxRect kept = window->GetScreenRect();
    const int keptTable = list->GetSize().y;

    // Closed with its button, and opened again: the same place, size and share.
    input.MouseMove(CentreOnScreen(close));
    input.MouseClick();
    ASSERT_TRUE(PumpUntil([&] { return !window->IsShown(); }));
    EXPECT_EQ(app.GetProfileInt("HistoryWindow", "Width", 0), kept.width);
    EXPECT_EQ(app.GetProfileInt("HistoryWindow", "Splitter", 0), 60);
    dlg.DestroyWindow();

    CHistoryDlg again(dir.File("export.csv").c_str());
    ASSERT_TRUE(again.Create());
    ShowAndSettle(again);
    EXPECT_EQ(WxOf(again)->GetScreenRect(), kept);
    EXPECT_EQ(WxOf(again, IDC_HISTORY_LIST)->GetSize().y, keptTable);

    // However far up it is dragged, the table keeps half its height.
    wxWindow* list2 = WxOf(again, IDC_HISTORY_LIST);
    const wxRect tableNow = list2->GetScreenRect();
    const wxPoint bar2(tableNow.x + tableNow.width / 2,
                       tableNow.GetBottom() + DialogPixelsY(WxOf(again), 5) / 2 + 1);
    input.MouseMove(bar2);
    input.MouseDown();
    PumpFor(50);
    input.MouseMove(bar2 - wxPoint(0, 2000));
    PumpFor(50);
    input.MouseUp();
    EXPECT_TRUE(PumpUntil([&] { return list2->GetSize().y == table.y / 2; }));
    again.DestroyWindow();
}

}  // namespace
