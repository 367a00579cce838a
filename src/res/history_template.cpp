// The history window: the table of units across the top; the figures, the charts (one at a time,
// chosen by the tab heads) and the buttons below.
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

// The table above the splitter, the figures and the charts below it.
constexpr Anchor kAboveSplitter{Follow::kNone, Follow::kNone, Follow::kFar, Follow::kSplitter};
constexpr Anchor kOnSplitter{Follow::kNone, Follow::kSplitter, Follow::kFar, Follow::kSplitter};
constexpr Anchor kWithSplitter{Follow::kNone, Follow::kSplitter, Follow::kNone, Follow::kSplitter};
constexpr Anchor kBelowSplitter{Follow::kNone, Follow::kSplitter, Follow::kFar, Follow::kFar};

}  // namespace

const DialogTemplate& HistoryTemplate() {
    static const DialogTemplate kHistory{
        IDD_HISTORY,
        "作業履歴",
        CSize{520, 333},
        Text::kDialogFont,
        9,
        kCaption | kSystemMenu | kMinimizeBox | kAppWindow | kCentered | kResizable,
        {
            {IDC_HISTORY_LIST, ControlKind::List, "", DialogRect(5, 5, 510, 120), kOwnerData,
             kAboveSplitter},
            {-1, ControlKind::Splitter, "", DialogRect(5, 125, 510, 5), kStyleNone, kOnSplitter},
            {IDC_HISTORY_LABELS, ControlKind::Static, "", DialogRect(5, 135, 88, 70),
             kAlignRight | kNoPrefix, kWithSplitter},
            {IDC_HISTORY_VALUES, ControlKind::Static, "", DialogRect(95, 135, 62, 70),
             kNoWrap | kNoPrefix, kWithSplitter},
            {IDC_HISTORY_CHARTTAB, ControlKind::Tab, "", DialogRect(162, 130, 353, 180), kStyleNone,
             kBelowSplitter},
            {IDC_HISTORY_CHART, ControlKind::Static, "", DialogRect(167, 147, 343, 158),
             kBlackFrame, kBelowSplitter},
            {IDC_HISTORY_STATUS, ControlKind::Static, "", DialogRect(5, 315, 335, 12),
             kNoWrap | kNoPrefix | kCenterVertically | kSunken, kAnchorBottomWide},
            {IDC_HISTORY_SAVE, ControlKind::Button, "グラフを保存(&S)...",
             DialogRect(345, 314, 85, 14), kStyleNone, kAnchorBottomRight},
            {IDOK, ControlKind::Button, "閉じる(&C)", DialogRect(440, 314, 75, 14), kDefaultButton,
             kAnchorBottomRight},
        },
        // The figures beside a chart still wide enough to read, the buttons beside the status.
        CSize{400, 250},
    };
    return kHistory;
}
