#include "res/templates.h"

#include <map>
#include <utility>

#include "res/resource.h"
#include "res/strings.h"
#include "res/window_icon.h"

namespace {

constexpr const char* kFont = Text::kDialogFont;
constexpr int kFontPoints = 9;

const DialogTemplate kAboutBox{
    IDD_ABOUTBOX,
    "Vantrelのﾊﾞｰｼﾞｮﾝ情報",
    CSize{235, 55},
    kFont,
    kFontPoints,
    kCaption | kSystemMenu | kModalFrame | kCentered,
    {
        {IDC_ABOUT_ICON, ControlKind::Icon, nullptr, DialogRect(11, 17, 20, 20), kStyleNone},
        {-1, ControlKind::Static, Text::kAboutVersion, DialogRect(40, 15, 135, 8), kNoPrefix},
        {-1, ControlKind::Static, Text::kAboutAuthors, DialogRect(40, 30, 185, 8), kNoPrefix},
        {IDOK, ControlKind::Button, "OK", DialogRect(178, 7, 50, 14), kDefaultButton},
    },
};

// The tab control comes before the two columns and the graph, which lie on top of it.
const DialogTemplate kMainWindow{
    IDD_VANTREL_DIALOG,
    "Vantrel",
    CSize{310, 185},
    kFont,
    kFontPoints,
    kCaption | kSystemMenu | kMinimizeBox | kAppWindow | kCentered | kVisible,
    {
        {IDC_HEADER, ControlKind::Static, "", DialogRect(5, 5, 300, 10),
         kNoWrap | kNoPrefix | kNotify},
        {IDC_TAB, ControlKind::Tab, "", DialogRect(5, 20, 300, 120), kStyleNone},
        {IDC_LABELS, ControlKind::Static, "", DialogRect(10, 40, 65, 95),
         kAlignRight | kNoPrefix | kNotify},
        {IDC_VALUES, ControlKind::Static, "", DialogRect(80, 40, 220, 90),
         kNoWrap | kNoPrefix | kNotify},
        {IDC_GRAPH, ControlKind::Static, "", DialogRect(80, 90, 223, 45), kSunken | kBlackFrame},
        {IDC_LASTUPDATE, ControlKind::Static, "", DialogRect(5, 140, 300, 10),
         kAlignRight | kCenterVertically | kNoPrefix},
        {IDC_REFRESH, ControlKind::Button, "最新の情報に更新", DialogRect(5, 155, 65, 14),
         kStyleNone},
        {IDC_EXPORT, ControlKind::Button, "エクスポート", DialogRect(75, 155, 50, 14), kStyleNone},
        {IDC_SETTINGS, ControlKind::Button, "設定...", DialogRect(145, 155, 50, 14), kStyleNone},
        {IDC_SIMPLE, ControlKind::Button, "簡易表示", DialogRect(200, 155, 50, 14), kStyleNone},
        {IDOK, ControlKind::Button, "終了", DialogRect(255, 155, 50, 14), kDefaultButton},
        {IDC_MESSAGE, ControlKind::Static, "", DialogRect(5, 170, 300, 10),
         kNoWrap | kNoPrefix | kNotify | kSunken},
    },
};

const DialogTemplate kSettings{
    IDD_SETTINGS,
    "設定",
    CSize{251, 157},
    kFont,
    kFontPoints,
    kCaption | kModalFrame | kCentered,
    {
        {-1, ControlKind::GroupBox, " 情報の自動更新 ", DialogRect(5, 5, 130, 65), kStyleNone},
        {IDC_AUTOUPDATE, ControlKind::CheckBox, "一定期間毎に自動更新を行う",
         DialogRect(10, 21, 105, 10), kStyleNone},
        {IDC_INTERVAL, ControlKind::Edit, "", DialogRect(25, 35, 20, 14),
         kDigitsOnly | kAlignRight},
        {-1, ControlKind::Static, "分毎に更新する", DialogRect(45, 41, 55, 8), kStyleNone},
        {IDC_DIFFEXPORT, ControlKind::CheckBox, "情報差分をエクスポートする",
         DialogRect(25, 55, 100, 8), kStyleNone},
        {-1, ControlKind::GroupBox, " 簡易表示 ", DialogRect(140, 5, 105, 65), kStyleNone},
        {IDC_SIMPLEENABLE, ControlKind::CheckBox, "簡易表示を有効にする",
         DialogRect(145, 21, 82, 10), kStyleNone},
        {IDC_TOPMOST, ControlKind::CheckBox, "常に最前面で表示", DialogRect(160, 35, 75, 10),
         kStyleNone},
        {-1, ControlKind::GroupBox, " エクスポートファイル ", DialogRect(5, 75, 240, 60),
         kStyleNone},
        {IDC_PATH, ControlKind::Edit, "", DialogRect(10, 85, 190, 14), kAutoHScroll},
        {IDC_BROWSE, ControlKind::Button, "参照...", DialogRect(205, 85, 35, 14), kStyleNone},
        {IDC_NOTITLE, ControlKind::CheckBox, "新規作成時にタイトル行を付加しない",
         DialogRect(10, 105, 130, 10), kStyleNone},
        {IDC_LFCODE, ControlKind::CheckBox, "改行コードをLFとする", DialogRect(160, 105, 78, 10),
         kStyleNone},
        {IDC_NEWFORMAT, ControlKind::CheckBox, "新フォーマットに対応する",
         DialogRect(10, 120, 90, 10), kStyleNone},
        {IDC_PLOT, ControlKind::CheckBox, "Gaussian情報を出力する", DialogRect(150, 120, 89, 10),
         kStyleNone},
        {IDCANCEL, ControlKind::Button, "ｷｬﾝｾﾙ", DialogRect(140, 140, 50, 14), kStyleNone},
        {IDOK, ControlKind::Button, "OK", DialogRect(195, 140, 50, 14), kDefaultButton},
    },
};

const DialogTemplate kSimpleView{
    IDD_SIMPLEVIEW,
    "Vantrel",
    CSize{140, 49},
    kFont,
    kFontPoints,
    kCaption | kModalFrame | kCentered,
    {
        {IDC_INFO, ControlKind::Button, "", DialogRect(0, 0, 140, 35),
         kDefaultButton | kFlat | kMultiLine | kAlignCenter | kCenterVertically |
             kSendsDoubleClicks},
        {IDC_TIME, ControlKind::Static, "", DialogRect(0, 35, 140, 13),
         kAlignRight | kCenterVertically | kNoPrefix},
    },
};

// One row per client over the main window's buttons; the list is filled by the program.
const DialogTemplate kOverview{
    IDD_OVERVIEW,
    Text::kOverviewCaption,
    CSize{575, 200},
    kFont,
    kFontPoints,
    kCaption | kSystemMenu | kMinimizeBox | kAppWindow | kCentered | kVisible | kResizable,
    {
        {IDC_CLIENTS, ControlKind::List, "", DialogRect(5, 5, 565, 155), kStyleNone, kAnchorFill},
        {IDC_ADD_CLIENT, ControlKind::Button, "追加(&A)...", DialogRect(5, 167, 55, 14), kStyleNone,
         kAnchorBottomLeft},
        {IDC_REMOVE_CLIENT, ControlKind::Button, "削除(&D)", DialogRect(65, 167, 50, 14), kDisabled,
         kAnchorBottomLeft},
        {IDC_OVERVIEW_HISTORY, ControlKind::Button, "作業履歴(&H)...", DialogRect(210, 167, 70, 14),
         kStyleNone, kAnchorBottomRight},
        {IDC_REFRESH, ControlKind::Button, "最新の情報に更新(&R)", DialogRect(285, 167, 85, 14),
         kDefaultButton, kAnchorBottomRight},
        {IDC_SETTINGS, ControlKind::Button, "設定(&S)...", DialogRect(375, 167, 55, 14), kStyleNone,
         kAnchorBottomRight},
        {IDC_OVERVIEW_NOTIFY, ControlKind::Button, "通知の設定(&N)...",
         DialogRect(435, 167, 75, 14), kStyleNone, kAnchorBottomRight},
        {IDOK, ControlKind::Button, "終了(&X)", DialogRect(515, 167, 55, 14), kStyleNone,
         kAnchorBottomRight},
        {IDC_MESSAGE, ControlKind::Static, "", DialogRect(5, 186, 565, 10),
         kNoWrap | kNoPrefix | kSunken, kAnchorBottomWide},
    },
    // The two buttons on the left and the five on the right still side by side.
    CSize{485, 100},
};

// Which kinds of notification are told, and how long a unit may stand still.
const DialogTemplate kNotifySettings{
    IDD_NOTIFY_SETTINGS,
    "通知の設定",
    CSize{200, 100},
    kFont,
    kFontPoints,
    kCaption | kSystemMenu | kModalFrame | kCentered,
    {
        {-1, ControlKind::GroupBox, " デスクトップに通知する ", DialogRect(5, 5, 190, 70),
         kStyleNone},
        {IDC_NOTIFY_STALLED, ControlKind::CheckBox, "クライアントが停止したとき(&S)",
         DialogRect(10, 18, 180, 10), kStyleNone},
        {-1, ControlKind::Static, "停止とみなすまで(&M):", DialogRect(22, 33, 75, 8), kStyleNone},
        {IDC_STALL_MINUTES, ControlKind::Edit, "", DialogRect(100, 30, 30, 14),
         kDigitsOnly | kAlignRight},
        {-1, ControlKind::Static, "分", DialogRect(134, 33, 20, 8), kStyleNone},
        {IDC_NOTIFY_UNREACHABLE, ControlKind::CheckBox,
         "クライアントのフォルダを読み取れないとき(&U)", DialogRect(10, 48, 180, 10), kStyleNone},
        {IDC_NOTIFY_FINISHED, ControlKind::CheckBox, "ユニットが終了したとき(&F)",
         DialogRect(10, 61, 180, 10), kStyleNone},
        {IDOK, ControlKind::Button, "OK", DialogRect(85, 81, 50, 14), kDefaultButton},
        {IDCANCEL, ControlKind::Button, "キャンセル", DialogRect(145, 81, 50, 14), kStyleNone},
    },
};

const DialogTemplate& Original(int id) {
    switch (id) {
        case IDD_ABOUTBOX:
            return kAboutBox;
        case IDD_SETTINGS:
            return kSettings;
        case IDD_SIMPLEVIEW:
            return kSimpleView;
        case IDD_OVERVIEW:
            return kOverview;
        case IDD_NOTIFY_SETTINGS:
            return kNotifySettings;
        case IDD_HISTORY:
            return HistoryTemplate();
        default:
            return kMainWindow;
    }
}

// The template with its caption and texts in the interface's language. The copies are kept: a
// dialog holds on to its template.
const DialogTemplate& Translated(const DialogTemplate& original) {
    if (CurrentUiLanguage() == UiLanguage::kJapanese) {
        return original;
    }
    static std::map<std::pair<UiLanguage, int>, DialogTemplate> translated;
    const auto [found, added] =
        translated.try_emplace(std::make_pair(CurrentUiLanguage(), original.id), original);
    DialogTemplate& copy = found->second;
    if (added) {
        copy.caption = Tr(copy.caption);
        for (ControlTemplate& control : copy.controls) {
            if (control.text && *control.text) {
                control.text = Tr(control.text);
            }
        }
    }
    return copy;
}

}  // namespace

const DialogTemplate& LoadDialogTemplate(int id) {
    return Translated(Original(id));
}

HICON LoadIconResource(int id) {
    static const IconResource appIcon{IDR_MAINFRAME, kWindowIconImages, kWindowIconImageCount};
    return id == IDR_MAINFRAME ? &appIcon : nullptr;
}
