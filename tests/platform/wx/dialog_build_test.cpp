// Dialogs built from templates: which controls exist, their texts, places and states.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/ui/controls.h"
#include "platform/wx/wx_control_windows.h"
#include "wx_test_support.h"

namespace {

const DialogTemplate kSample{
    900,
    "観測情報",
    {200, 100},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kModalFrame,
    {
        {1008, ControlKind::Static, "見出し", DialogRect(5, 5, 150, 10), kNoWrap},
        {1011, ControlKind::Static, "値 &A\n二行目", DialogRect(5, 20, 60, 20), kAlignRight},
        {1012, ControlKind::Static, "A & B", DialogRect(70, 20, 60, 10), kNoPrefix},
        {1000, ControlKind::Static, "", DialogRect(5, 40, 150, 10), kSunken},
        {1019, ControlKind::CheckBox, "自動更新", DialogRect(5, 55, 80, 10), kStyleNone},
        {1020, ControlKind::Edit, "", DialogRect(90, 55, 30, 14), kDigitsOnly | kDisabled},
        {-1, ControlKind::GroupBox, " 枠 ", DialogRect(130, 40, 60, 30), kStyleNone},
        {1005, ControlKind::Button, "更新", DialogRect(5, 80, 50, 14), kStyleNone},
        {1030, ControlKind::Button, "隠し", DialogRect(60, 80, 50, 14), kHidden},
        {777, static_cast<ControlKind>(42), "?", DialogRect(0, 0, 5, 5), kStyleNone},
        {1, ControlKind::Button, "OK", DialogRect(140, 80, 50, 14), kDefaultButton},
    }};

// Windows' MulDiv, the rounding with which dialog units become pixels.
int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

// The dialog base units of a window's font, as Windows derives them from its letters.
wxSize BaseUnits(wxWindow& dialog) {
    const wxSize letters =
        dialog.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return wxSize((letters.x / 26 + 1) / 2, dialog.GetCharHeight());
}

CRect Expected(const wxSize& base, int left, int top, int width, int height) {
    return CRect{MulDiv(left, base.x, 4), MulDiv(top, base.y, 8), MulDiv(left + width, base.x, 4),
                 MulDiv(top + height, base.y, 8)};
}

TEST(WxDialogBuild, ControlsCarryTheTemplatesTextsPlacesAndStates) {
    RecordingDialog dialog(kSample);
    ASSERT_TRUE(dialog.Create());
    auto* window = dynamic_cast<wxDialog*>(WxOf(dialog));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.GetWindowText(), "観測情報");
    EXPECT_FALSE(dialog.IsWindowVisible()) << "a template without the visible style stays hidden";

    // The template's font is mapped to an installed Japanese gothic face.
    const wxFont font = window->GetFont();
    EXPECT_EQ(font.GetPointSize(), 9);
    EXPECT_TRUE(font.GetFaceName() == "IPAPGothic" || font.GetFaceName() == "Noto Sans CJK JP")
        << font.GetFaceName();

    const wxSize base = BaseUnits(*window);
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, Expected(base, 0, 0, 200, 100));
    CRect rect;
    dialog.GetDlgItem(1011)->GetWindowRect(&rect);
    EXPECT_EQ(rect, Expected(base, 5, 20, 60, 20));
    dialog.GetDlgItem(1)->GetWindowRect(&rect);
    EXPECT_EQ(rect, Expected(base, 140, 80, 50, 14));

    // Texts as set, "&" included; shown with "&" as a mnemonic unless the static says not.
    EXPECT_EQ(dialog.GetDlgItem(1011)->GetWindowText(), "値 &A\n二行目");
    EXPECT_EQ(static_cast<wxStaticText*>(WxOf(dialog, 1011))->GetLabelText(),
              wxString::FromUTF8("値 A\n二行目"));
    EXPECT_EQ(static_cast<wxStaticText*>(WxOf(dialog, 1012))->GetLabelText(), "A & B");
    EXPECT_EQ(static_cast<wxButton*>(WxOf(dialog, 1005))->GetLabel(), wxString::FromUTF8("更新"));
    EXPECT_EQ(static_cast<wxDialog*>(WxOf(dialog))->GetDefaultItem(), WxOf(dialog, 1));

    // Unknown kinds are skipped; unknown ids and -1 give nothing.
    EXPECT_EQ(dialog.GetDlgItem(777), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(-1), nullptr);

    dialog.ShowWindow(SW_SHOW);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_TRUE(dialog.GetDlgItem(1008)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(1030)->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(1020)->IsWindowEnabled());
    EXPECT_TRUE(dialog.GetDlgItem(1005)->IsWindowEnabled());
    dialog.GetDlgItem(1020)->EnableWindow(true);
    EXPECT_TRUE(dialog.GetDlgItem(1020)->IsWindowEnabled());
    dialog.GetDlgItem(1008)->ShowWindow(SW_HIDE);
    EXPECT_FALSE(dialog.GetDlgItem(1008)->IsWindowVisible());
    dialog.ShowWindow(SW_HIDE);
    EXPECT_FALSE(dialog.GetDlgItem(1005)->IsWindowVisible()) << "hidden with its dialog";
}

TEST(WxDialogBuild, EditsAndCheckBoxesKeepTheirValues) {
    RecordingDialog dialog(kSample);
    ASSERT_TRUE(dialog.Create());
    CWnd* edit = dialog.GetDlgItem(1020);
    edit->SetWindowText("1440");
    EXPECT_EQ(edit->GetWindowText(), "1440");
    EXPECT_EQ(static_cast<wxTextCtrl*>(WxOf(dialog, 1020))->GetValue(), "1440");
    static_cast<wxTextCtrl*>(WxOf(dialog, 1020))->ChangeValue(wxString::FromUTF8("入力"));
    EXPECT_EQ(edit->GetWindowText(), "入力") << "the text the user typed";

    CButton check;
    check.Attach(dialog.GetDlgItem(1019)->GetNative());
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_TRUE(static_cast<wxCheckBox*>(WxOf(dialog, 1019))->GetValue());
    EXPECT_EQ(dialog.received.size(), 0u) << "setting a check reports nothing";

    // Moving and sizing a control, in pixels of the dialog's client area.
    CWnd* label = dialog.GetDlgItem(1008);
    label->SetWindowPos(ZOrder::Top, 0, 0, 120, 30, SWP_NOMOVE | SWP_SHOWWINDOW);
    CRect before;
    label->GetWindowRect(&before);
    EXPECT_EQ(before.Width(), 120);
    EXPECT_EQ(before.Height(), 30);
    label->SetWindowPos(ZOrder::Top, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect after;
    label->GetWindowRect(&after);
    EXPECT_EQ(after, (CRect{7, 9, 127, 39}));
}

const DialogTemplate kTabbed{
    901,
    "Vantrel",
    {310, 185},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kMinimizeBox,
    {
        {1008, ControlKind::Static, "", DialogRect(5, 5, 300, 10), kNoWrap},
        {1035, ControlKind::Tab, nullptr, DialogRect(5, 20, 300, 120), kStyleNone},
        {1011, ControlKind::Static, "L", DialogRect(10, 40, 65, 95), kAlignRight},
        {1010, ControlKind::Static, "V", DialogRect(80, 40, 220, 90), kNoWrap | kNoPrefix},
        {1040, ControlKind::Static, "", DialogRect(80, 90, 223, 45), kSunken | kBlackFrame},
        {1006, ControlKind::Static, "", DialogRect(5, 140, 300, 10), kAlignRight},
    }};

TEST(WxDialogBuild, ControlsOverATabControlLieInsideItsPageArea) {
    RecordingDialog dialog(kTabbed);
    ASSERT_TRUE(dialog.Create());
    CTabCtrl tab;
    tab.Attach(dialog.GetDlgItem(1035)->GetNative());
    ASSERT_EQ(tab.InsertItem(0, "Work Unit"), 0);
    dialog.ShowWindow(SW_SHOW);
    auto* notebook = static_cast<wxNotebook*>(WxOf(dialog, 1035));
    ASSERT_TRUE(PumpUntil([&] { return notebook->GetPage(0)->GetScreenPosition().y > 0; }));
    PumpFor(100);

    // Where GTK really put the page, against where the controls are.
    const int pageTop = notebook->GetPage(0)->GetScreenPosition().y;
    const wxRect tabRect = notebook->GetScreenRect();
    const wxRect labels = WxOf(dialog, 1011)->GetScreenRect();
    const wxRect values = WxOf(dialog, 1010)->GetScreenRect();
    const wxRect graph = WxOf(dialog, 1040)->GetScreenRect();
    EXPECT_GE(labels.y, pageTop);
    EXPECT_GE(values.y, pageTop);
    EXPECT_LE(labels.GetBottom(), tabRect.GetBottom());
    EXPECT_LE(graph.GetBottom(), tabRect.GetBottom());
    // They moved together: the graph still starts 50 dialog units below the columns.
    const wxSize base = BaseUnits(*WxOf(dialog));
    EXPECT_EQ(graph.y - values.y, MulDiv(90, base.y, 8) - MulDiv(40, base.y, 8));
    EXPECT_EQ(values.y, labels.y);
    // Controls outside the tab control stay where the template puts them.
    CRect line;
    dialog.GetDlgItem(1006)->GetWindowRect(&line);
    EXPECT_EQ(line.top, MulDiv(140, base.y, 8));

    // The graph's sunken edge is one pixel on each side, outside its client area.
    CRect outer;
    CRect inner;
    dialog.GetDlgItem(1040)->GetWindowRect(&outer);
    dialog.GetDlgItem(1040)->GetClientRect(&inner);
    EXPECT_EQ(outer.Width(), inner.Width() + 2);
    EXPECT_EQ(outer.Height(), inner.Height() + 2);
}

}  // namespace

namespace {

// A 4 x 3 icon in two colours.
const char* const kIconXpm[] = {"4 3 2 1", "  c None", "x c #FF0000", "xxxx", "x  x", "xxxx"};
const IconResource kIcon{128, kIconXpm};
const char* const kBrokenXpm[] = {"not an xpm"};
const IconResource kBrokenIcon{129, kBrokenXpm};

const DialogTemplate kAbout{
    100,
    "Vantrelのﾊﾞｰｼﾞｮﾝ情報",
    {235, 55},
    "ＭＳ Ｐゴシック",
    9,
    kCaption | kSystemMenu | kModalFrame,
    {
        {-1, ControlKind::Icon, nullptr, DialogRect(11, 17, 20, 20), kStyleNone},
        {1, ControlKind::Button, "OK", DialogRect(178, 7, 50, 14), kDefaultButton},
    }};

TEST(WxDialogBuild, IconControlsShowTheApplicationIcon) {
    RecordingDialog main(kTabbed);
    ASSERT_TRUE(main.Create());
    main.SetIcon(&kBrokenIcon, true);  // unreadable: ignored
    main.SetIcon(nullptr, false);
    main.SetIcon(&kIcon, true);
    EXPECT_EQ(static_cast<wxDialog*>(WxOf(main))->GetIcons().GetIconCount(), 1u);

    // The About box names no icon of its own: it shows the one the main window was given.
    RecordingDialog about(kAbout);
    ASSERT_TRUE(about.Create());
    wxStaticBitmap* picture = nullptr;
    for (wxWindow* child : WxOf(about)->GetChildren()) {
        picture = picture ? picture : wxDynamicCast(child, wxStaticBitmap);
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBitmap().GetWidth(), 4);
    EXPECT_EQ(picture->GetBitmap().GetHeight(), 3);
    EXPECT_EQ(picture->GetSize(), wxSize(4, 3)) << "sized to its icon, as on Windows";
}

}  // namespace
