// A picture of a tabbed dialog, saved for people to look at, and checked for the things a
// screenshot shows best: texts over the tab control's page are drawn, and the image isn't blank.
#include <gtest/gtest.h>

#include <wx/notebook.h>

#include "platform/ui/controls.h"
#include "wx_test_support.h"

namespace {

const DialogTemplate kMainLike{
    940,
    "Vantrel",
    {310, 185},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kMinimizeBox,
    {
        {1008, ControlKind::Static, "SETI@home 3.x   進捗 45.123%", DialogRect(5, 5, 300, 10),
         kNoWrap},
        {1035, ControlKind::Tab, nullptr, DialogRect(5, 20, 300, 120), kStyleNone},
        {1011, ControlKind::Static, "観測開始日時\n赤経\n赤緯\n角度範囲\n観測時間",
         DialogRect(10, 40, 65, 95), kAlignRight},
        {1010, ControlKind::Static,
         "2001/03/04 12:34:56 UT\n12 hr 34 min\n+12° 34'\n0.42\n107.4 秒",
         DialogRect(80, 40, 220, 90), kNoWrap | kNoPrefix},
        {1040, ControlKind::Static, "", DialogRect(80, 90, 223, 45), kSunken | kBlackFrame},
        {1006, ControlKind::Static, "最終更新 2001/03/04 12:40:00", DialogRect(5, 140, 300, 10),
         kAlignRight},
        {1005, ControlKind::Button, "最新の情報に更新", DialogRect(5, 155, 65, 14), kStyleNone},
        {1, ControlKind::Button, "終了", DialogRect(255, 155, 50, 14), kDefaultButton},
        {1000, ControlKind::Static, "情報を取得できませんでした", DialogRect(5, 170, 300, 10),
         kSunken | kNoWrap},
    }};

// Pixels clearly darker than the page background, as glyphs are.
int DarkPixels(const wxImage& image, const wxRect& area) {
    int dark = 0;
    for (int y = area.y; y < area.GetBottom(); ++y) {
        for (int x = area.x; x < area.GetRight(); ++x) {
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 200) {
                ++dark;
            }
        }
    }
    return dark;
}

TEST(WxScreenshot, TextsOverTheTabControlAreDrawnAndJapaneseRenders) {
    RecordingDialog dialog(kMainLike);
    ASSERT_TRUE(dialog.Create());
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    for (const char* caption :
         {"Work Unit", "観測情報", "解析情報", "進捗/終了時予測", "ユーザ情報"}) {
        tab.InsertItem(tab.GetItemCount(), caption);
    }
    tab.SetCurSel(1);
    dialog.ShowWindow(SW_SHOWNORMAL);
    wxWindow* window = WxOf(dialog);
    ASSERT_TRUE(PumpUntil([&] { return window->IsShownOnScreen(); }));
    PumpFor(300);

    const wxRect screenRect = window->GetScreenRect();
    const wxImage shot = CaptureScreen(screenRect);
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(
        shot.SaveFile(VANTREL_WX_SCREENSHOT_DIR "/wx_tabbed_dialog.png", wxBITMAP_TYPE_PNG));
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(shot.GetWidth(), client.Width());

    // The columns lie over the tab page; their glyphs must be on the screen.
    const auto areaOf = [&](int id) {
        const wxRect rect = WxOf(dialog, id)->GetScreenRect();
        return wxRect(rect.GetPosition() - screenRect.GetPosition(), rect.GetSize());
    };
    EXPECT_GT(DarkPixels(shot, areaOf(1011)), 100);
    EXPECT_GT(DarkPixels(shot, areaOf(1010)), 100);
    EXPECT_GT(DarkPixels(shot, areaOf(1008)), 50);
    // An empty area of the page has none.
    const wxRect labels = areaOf(1011);
    EXPECT_EQ(DarkPixels(shot, wxRect(labels.x, labels.GetBottom() - 10, labels.width, 8)), 0);
}

}  // namespace
