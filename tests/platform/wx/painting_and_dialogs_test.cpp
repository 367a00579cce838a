// The painter's pixels, a self-drawn control painting through CPaintDC, and message boxes and
// file dialogs answered through wx's modal dialog hook.
#include <gtest/gtest.h>

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "platform/ui/cdc.h"
#include "platform/ui/controls.h"
#include "platform/wx/wx_painter.h"
#include "wx_test_support.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of a black 20 x 12 bitmap that a drawing with a red pen turned red.
Pixels RedPixels(const std::function<void(WxPainter&)>& draw) {
    wxBitmap bitmap(20, 12, 24);
    {
        wxMemoryDC dc(bitmap);
        WxPainter painter(dc);
        painter.FillSolidRect(CRect{0, 0, 20, 12}, RGB(0, 0, 0));
        painter.SelectPen(PenSpec{0, 1, RGB(255, 0, 0)});
        draw(painter);
    }
    const wxImage image = bitmap.ConvertToImage();
    Pixels red;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 0) {
                red.insert({x, y});
            }
        }
    }
    return red;
}

TEST(WxPainting, LinesStopBeforeTheirEndPointAndFillsCoverExactlyTheirPixels) {
    // From, to, and the pixels drawn.
    const std::tuple<CPoint, CPoint, Pixels> lines[] = {
        {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {{3, 6}, {3, 3}, {{3, 6}, {3, 5}, {3, 4}}},
        {{8, 3}, {13, 8}, {{8, 3}, {9, 4}, {10, 5}, {11, 6}, {12, 7}}},
        {{4, 4}, {4, 4}, {}},
    };
    for (const auto& [from, to, drawn] : lines) {
        EXPECT_EQ(RedPixels([&, from = from, to = to](WxPainter& p) {
                      p.MoveTo(from.x, from.y), p.LineTo(to.x, to.y);
                  }),
                  drawn)
            << from.x << "," << from.y;
    }
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.FillSolidRect(CRect{2, 3, 4, 5}, RGB(255, 0, 0));
                  p.FillSolidRect(CRect{5, 5, 3, 8}, RGB(255, 0, 0));  // inverted: nothing
              }),
              (Pixels{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
}

TEST(WxPainting, SelfDrawnControlPaintsThroughCPaintDCInsideItsEdge) {
    RecordingDialog dialog(kTestDialog);
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);
    // Paints its client area blue with a red line, as the graph control paints itself.
    struct : CStatic {
        LRESULT SendMessage(const Message& message) override {
            if (message.message != WM_PAINT) {
                return CStatic::SendMessage(message);
            }
            CPen red(PS_SOLID, 1, RGB(255, 0, 0));
            CPaintDC dc(this);
            CRect client;
            GetClientRect(&client);
            dc.FillSolidRect(client, RGB(0, 0, 255));
            dc.SelectObject(&red);
            dc.MoveTo(2, 3);
            dc.LineTo(12, 3);
            return ++paints, 0;
        }
        int paints = 0;
    } graph;
    graph.Attach(dialog.GetDlgItem(1040)->GetNative());
    graph.RedrawWindow(RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return graph.paints > 0; }));
    PumpFor(100);
    const wxImage image = CaptureScreen(WxOf(dialog, 1040)->GetScreenRect());
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    // Client (x, y) is window (x + 1, y + 1), inside the edge. (The line's end point left
    // unpainted: the painter's test above.)
    EXPECT_TRUE(HasSunkenEdge(image));
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{1, 1, RGB(0, 0, 255)},
                  {w - 2, h - 2, RGB(0, 0, 255)},
                  {3, 4, RGB(255, 0, 0)},
                  {12, 4, RGB(255, 0, 0)}};
    const auto colourAt = [&image](int x, int y) {
        return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(colourAt(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

// Looks at the dialog, then answers it.
template <class Dialog>
struct Answer : wxExpectModalBase<Dialog, Answer<Dialog>> {
    Answer(int id, std::function<void(Dialog*)> f) : answer(id), look(std::move(f)) {}
    int OnInvoked(Dialog* dialog) const override { return look(dialog), answer; }
    int answer;
    std::function<void(Dialog*)> look;
};

// GTK's dialogs take their own texts (the file chooser's buttons) from GTK's catalogue in the
// locale the user asked for; the program's numbers keep their ".".
TEST(WxCommonDialogs, GtkTextsFollowTheUsersLocaleWhileNumbersKeepTheirPoint) {
    const char* asked = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : std::getenv("LANG");
    const bool japanese = asked && std::string(asked).rfind("ja_JP", 0) == 0;
    EXPECT_STREQ(dgettext("gtk30", "_Cancel"), japanese ? "キャンセル(_C)" : "_Cancel");
    EXPECT_STREQ(dgettext("gtk30", "_Save"), japanese ? "保存(_S)" : "_Save");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

TEST(WxCommonDialogs, MessageBoxesShowTheTextAndReturnTheButton) {
    int result = 0;
    wxTEST_DIALOG(result = ShowNativeMessageBox(nullptr, "情報を取得できませんでした", "Vantrel",
                                                MB_OKCANCEL | MB_ICONEXCLAMATION),
                  Answer<wxMessageDialog>(wxID_CANCEL, [](wxMessageDialog* box) {
                      EXPECT_EQ(box->GetMessage(),
                                wxString::FromUTF8("情報を取得できませんでした"));
                      EXPECT_EQ(box->GetTitle(), "Vantrel");
                      EXPECT_TRUE(box->GetMessageDialogStyle() & wxICON_WARNING);
                  }));
    EXPECT_EQ(result, IDCANCEL);
    // Yes and No, No the default where the box says so.
    for (const int button : {wxID_YES, wxID_NO}) {
        wxTEST_DIALOG(
            result = ShowNativeMessageBox(nullptr, "x", "Vantrel", MB_YESNO | MB_DEFBUTTON2),
            Answer<wxMessageDialog>(button, [](wxMessageDialog* box) {
                EXPECT_TRUE(box->GetMessageDialogStyle() & wxYES_NO);
                EXPECT_TRUE(box->GetMessageDialogStyle() & wxNO_DEFAULT);
                EXPECT_FALSE(box->GetMessageDialogStyle() & wxCANCEL);
            }));
        EXPECT_EQ(result, button == wxID_YES ? IDYES : IDNO);
    }
}

TEST(WxCommonDialogs, FileDialogTakesTheFilterAndFolderAndGivesTheNameAsConfirmed) {
    FileDialogRequest request;
    request.defaultExt = "csv";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.filter = "CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||";
    request.initialDir = "/tmp";
    const auto choose = [](const char* path, int answer) {
        return Answer<wxFileDialog>(answer, [path](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetWildcard(),
                      wxString::FromUTF8("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*"));
            EXPECT_EQ(dialog->GetDirectory(), "/tmp");
            // A log that does not exist yet can be named: GTK's save chooser, and an open dialog
            // overwrites nothing, so no prompt.
            EXPECT_TRUE(dialog->GetWindowStyle() & wxFD_SAVE);
            EXPECT_FALSE(dialog->GetWindowStyle() & wxFD_OVERWRITE_PROMPT);
            dialog->SetPath(path);
        });
    };
    CString path;
    bool chosen = false;
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  choose("/tmp/log/seti", wxID_OK));
    EXPECT_TRUE(chosen);
    // The name the dialog confirmed (and would have asked about): the extension is CFileDialog's.
    EXPECT_EQ(path, "/tmp/log/seti");
    // A cancelled dialog leaves the path alone.
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  choose("/tmp/other", wxID_CANCEL));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, "/tmp/log/seti");
}

}  // namespace
