#include "wx_test_support.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include "platform/wx/wx_controls.h"

const DialogTemplate kTestDialog{
    940,
    "観測情報",
    {310, 195},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kMinimizeBox,
    {
        {1008, ControlKind::Static, "SETI@home 3.x   進捗 45.123%", DialogRect(5, 5, 300, 10),
         kNoWrap},
        {1035, ControlKind::Tab, nullptr, DialogRect(5, 20, 300, 120), kStyleNone},
        {1011, ControlKind::Static, "観測開始&日時\n赤経\n赤緯\n角度範囲\n観測時間",
         DialogRect(10, 40, 65, 95), kAlignRight},
        {1010, ControlKind::Static,
         "2001/03/04 12:34:56 UT\n12 hr 34 min\n+12° 34'\n0.42\n107.4 秒",
         DialogRect(80, 40, 220, 50), kNoWrap | kNoPrefix},
        {1040, ControlKind::Static, "", DialogRect(80, 90, 223, 45), kSunken | kBlackFrame},
        {1006, ControlKind::Static, "A & B", DialogRect(5, 140, 300, 10), kAlignRight | kNoPrefix},
        {1031, ControlKind::Button, "Wait...", DialogRect(5, 155, 60, 30),
         kFlat | kMultiLine | kSendsDoubleClicks},
        {1019, ControlKind::CheckBox, "自動更新", DialogRect(70, 155, 50, 10), kStyleNone},
        {1020, ControlKind::Edit, "", DialogRect(125, 155, 30, 14), kDigitsOnly | kDisabled},
        {1025, ControlKind::Edit, "", DialogRect(160, 155, 40, 14), kAutoHScroll},
        {-1, ControlKind::Icon, nullptr, DialogRect(210, 155, 20, 20), kStyleNone},
        {1030, ControlKind::Button, "隠し", DialogRect(0, 0, 5, 5), kHidden},
        {777, static_cast<ControlKind>(42), "?", DialogRect(0, 0, 5, 5), kStyleNone},
        {1005, ControlKind::Button, "更新", DialogRect(70, 170, 50, 14), kDefaultButton},
        {1, ControlKind::Button, "終了", DialogRect(255, 155, 50, 14), kStyleNone},
    }};

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > timeoutMs) {
            return false;
        }
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    }
    return true;
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

wxWindow* WxOf(CWnd& window) {
    return GetWxWindowOf(window.GetNative());
}

wxWindow* WxOf(CWnd& dialog, int controlId) {
    CWnd* item = dialog.GetDlgItem(controlId);
    return item ? GetWxWindowOf(item->GetNative()) : nullptr;
}

wxPoint CentreOnScreen(wxWindow* window) {
    const wxRect rect = window->GetScreenRect();
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

int DialogPixelsX(wxWindow* dialog, int units) {
    const int letters =
        dialog->GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz").x;
    return (units * ((letters / 26 + 1) / 2) + 2) / 4;
}

int DialogPixelsY(wxWindow* dialog, int units) {
    return (units * dialog->GetCharHeight() + 4) / 8;
}

void ShowAndSettle(CWnd& dialog) {
    dialog.ShowWindow(SW_SHOWNORMAL);
    wxWindow* window = WxOf(dialog);
    EXPECT_TRUE(PumpUntil([window] { return window->IsShownOnScreen(); }));
    PumpFor(200);
}

LRESULT RecordingDialog::SendMessage(const Message& message) {
    received.push_back(message);
    if (onMessage) {
        onMessage(message);
    }
    return CDialog::SendMessage(message);
}

bool RecordingDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (onInit) {
        onInit();
    }
    return true;
}

int RecordingDialog::Count(UINT message, int id, UINT code) const {
    int count = 0;
    const bool commandLike = message == WM_COMMAND || message == WM_NOTIFY;
    for (const Message& m : received) {
        const int from = m.message == WM_TIMER ? static_cast<int>(m.wParam) : m.id;
        count += m.message == message && (id == kAnyId || from == id) &&
                 (!commandLike || m.code == code);
    }
    return count;
}

const MessageMap* RecordingDialog::GetThisMessageMap() {
    static const MessageMap map{CDialog::GetThisMessageMap(),
                                {MapClose(&RecordingDialog::OnCloseBox)}};
    return &map;
}

wxImage CaptureScreen(const wxRect& rect) {
    // GTK 3 can't read the screen back through wx, so ImageMagick's import takes the picture.
    const wxString file = wxString::Format("%s/vantrel_wx_capture_%lu.png",
                                           wxFileName::GetTempDir(), wxGetProcessId());
    const wxString command = "import -window root " + file;
    EXPECT_EQ(std::system(command.utf8_str().data()), 0) << command.utf8_str().data();
    wxImage screen(file, wxBITMAP_TYPE_PNG);
    wxRemoveFile(file);
    if (!screen.IsOk()) {
        return wxImage();
    }
    // The screen has GDK_SCALE pixels a window pixel: the area is taken in the screen's and
    // handed back in the window's, pixel for pixel as the checks count them.
    const int scale = ScreenScale();
    const wxRect area(rect.x * scale, rect.y * scale, rect.width * scale, rect.height * scale);
    wxImage shot = screen.GetSubImage(area.Intersect(wxRect(screen.GetSize())));
    if (scale > 1 && shot.IsOk()) {
        shot.Rescale(shot.GetWidth() / scale, shot.GetHeight() / scale, wxIMAGE_QUALITY_NEAREST);
    }
    return shot;
}

int ScreenScale() {
    const char* scale = std::getenv("GDK_SCALE");
    return scale && std::atoi(scale) > 1 ? std::atoi(scale) : 1;
}

wxRect AreaIn(const wxRect& shotRect, wxWindow* window) {
    const wxRect rect = window->GetScreenRect();
    return wxRect(rect.GetPosition() - shotRect.GetPosition(), rect.GetSize());
}

int InkPixels(const wxImage& image, const wxRect& area, int maxSum) {
    int ink = 0;
    for (int y = area.y; y < area.GetBottom(); ++y) {
        for (int x = area.x; x < area.GetRight(); ++x) {
            ink += image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < maxSum;
        }
    }
    return ink;
}

bool HasSunkenEdge(const wxImage& window) {
    const int w = window.GetWidth();
    const int h = window.GetHeight();
    if (w < 3 || h < 3) {
        return false;
    }
    const auto sum = [&window](int x, int y) {
        return window.GetRed(x, y) + window.GetGreen(x, y) + window.GetBlue(x, y);
    };
    // Each side's middle pixel, and the pixel just inside it.
    const int sides[4][4] = {{w / 2, 0, w / 2, 1},
                             {0, h / 2, 1, h / 2},
                             {w / 2, h - 1, w / 2, h - 2},
                             {w - 1, h / 2, w - 2, h / 2}};
    for (const auto& side : sides) {
        const int edge = sum(side[0], side[1]);
        if (edge == 3 * 255 || edge == sum(side[2], side[3])) {
            return false;
        }
    }
    return sum(w / 2, 0) < sum(w / 2, h - 1) && sum(0, h / 2) < sum(w - 1, h / 2);
}
