// Dialog templates: windows declared as data (ids, texts, rectangles in dialog units, styles,
// font), from which each backend builds its native windows.
#pragma once

#include <vector>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/types.h"

enum class ControlKind {
    Static,    // text, or a self-drawn area (SS_BLACKFRAME)
    Icon,      // the application icon
    Button,    // push button
    CheckBox,  // auto check box
    Edit,      // single-line edit
    GroupBox,
    Tab,   // tab control: a row of tab heads over a page area
    List,  // report-style list: column headers over rows of texts, one row selected at most
    // A bar the user drags up and down to share a resizable window's height between the
    // controls above it and those below (their edges that follow the splitter).
    Splitter,
};

// Style bits; only the ones the program's templates use.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kAlignRight = 1u << 0,
    kAlignCenter = 1u << 1,
    kCenterVertically = 1u << 2,
    kNoWrap = 1u << 3,
    kNoPrefix = 1u << 4,  // "&" is shown, not an accelerator mark
    kNotify = 1u << 5,
    kSunken = 1u << 6,
    kBlackFrame = 1u << 7,
    kDefaultButton = 1u << 8,
    kFlat = 1u << 9,
    kMultiLine = 1u << 10,
    kDigitsOnly = 1u << 11,
    kAutoHScroll = 1u << 12,
    kSendsDoubleClicks = 1u << 13,
    kDisabled = 1u << 14,
    kHidden = 1u << 15,
    // A list whose rows the program keeps: it gives their count, and the list asks for each
    // cell's text (LVN_GETDISPINFO) as it shows it, so a long table costs nothing to fill.
    kOwnerData = 1u << 16,
};

enum DialogStyle : unsigned {
    kDialogNone = 0,
    kCaption = 1u << 0,
    kSystemMenu = 1u << 1,  // the window has a system menu (and with it a close box)
    kMinimizeBox = 1u << 2,
    kModalFrame = 1u << 3,
    kAppWindow = 1u << 4,  // shown in the task bar
    kCentered = 1u << 5,
    kVisible = 1u << 6,
    // The user may resize and maximise it; its controls follow the new size by their anchors.
    kResizable = 1u << 7,
};

struct ControlTemplate {
    int id;  // -1 for controls the program never addresses
    ControlKind kind;
    const char* text;
    CRect rect;  // dialog units: left, top, right = left + width, bottom = top + height
    unsigned style;
    Anchor anchor{};  // in a resizable dialog: which edges follow the window's size
};

struct DialogTemplate {
    int id;
    const char* caption;
    CSize size;  // dialog units
    const char* fontFace;
    int fontPoints;
    unsigned style;
    std::vector<ControlTemplate> controls;
    CSize minSize{};  // dialog units: the smallest a resizable dialog may become

    const ControlTemplate* FindControl(int controlId) const;
};

// A rectangle given as left, top, width and height, as templates list them.
constexpr CRect DialogRect(int left, int top, int width, int height) {
    return CRect{left, top, left + width, top + height};
}
