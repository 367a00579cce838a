// The small value types and constants the windows share.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect& a, const CRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// Dialog results and command ids of the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// SetWindowPos: which window to place after, and flags.
enum class ZOrder { Top, TopMost, NoTopMost };
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_SHOWWINDOW = 0x0040;

// Message box styles and check states.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// The longest period a window timer accepts, in milliseconds.
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// List control columns: text alignment, and the width that fits the header and every cell.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
// The width that fits the header and the cells (in a long owner-data list: a sample of them).
constexpr int LVSCW_AUTOSIZE = -1;

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_UPDATENOW = 0x0100;

// The mask that leaves out the system's own low bits of a system command.
constexpr UINT kSysCommandMask = 0xFFF0;

// File dialog options.
constexpr UINT OFN_HIDEREADONLY = 0x0004;
constexpr UINT OFN_OVERWRITEPROMPT = 0x0002;
constexpr UINT OFN_FILEMUSTEXIST = 0x1000;
