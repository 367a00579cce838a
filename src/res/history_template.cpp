// The history window: the table of units across the top; the figures, the charts (one at a time,
// chosen by the tab heads) and the buttons below.
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

const DialogTemplate& HistoryTemplate() {
    static const DialogTemplate kHistory{
        IDD_HISTORY,
        "作業履歴",
        CSize{520, 333},
        "ＭＳ Ｐゴシック",
        9,
        kCaption | kSystemMenu | kMinimizeBox | kAppWindow | kCentered,
        {
            {IDC_HISTORY_LIST, ControlKind::List, "", DialogRect(5, 5, 510, 120), kOwnerData},
            {IDC_HISTORY_LABELS, ControlKind::Static, "", DialogRect(5, 135, 88, 70),
             kAlignRight | kNoPrefix},
            {IDC_HISTORY_VALUES, ControlKind::Static, "", DialogRect(95, 135, 62, 70),
             kNoWrap | kNoPrefix},
            {IDC_HISTORY_CHARTTAB, ControlKind::Tab, "", DialogRect(162, 130, 353, 180),
             kStyleNone},
            {IDC_HISTORY_CHART, ControlKind::Static, "", DialogRect(167, 147, 343, 158),
             kBlackFrame},
            {IDC_HISTORY_STATUS, ControlKind::Static, "", DialogRect(5, 315, 345, 12),
             kNoWrap | kNoPrefix | kCenterVertically | kSunken},
            {IDC_HISTORY_SAVE, ControlKind::Button, "グラフを保存...", DialogRect(355, 314, 75, 14),
             kStyleNone},
            {IDOK, ControlKind::Button, "閉じる", DialogRect(440, 314, 75, 14), kDefaultButton},
        },
    };
    return kHistory;
}
