// Messages that the backends deliver to windows, and the notification codes they carry.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/types.h"

enum MessageId : UINT {
    WM_COMMAND = 0x0111,     // id: control or command id; code: notification
    WM_NOTIFY = 0x004E,      // id: control id; code: notification
    WM_TIMER = 0x0113,       // wParam: timer id
    WM_SYSCOMMAND = 0x0112,  // wParam: command id
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_SIZE = 0x0005,  // a resizable window's client area changed; lParam: width | height << 16
    WM_QUERYDRAGICON = 0x0037,
};

// Notification codes.
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
constexpr UINT TCN_SELCHANGE = 0xFDD9;  // -551
// List controls: a click on a column header, a change of the selected row, a double click on a
// row. The row travels in wParam, the column in lParam.
constexpr UINT LVN_COLUMNCLICK = 0xFF94;  // -108
constexpr UINT LVN_ITEMCHANGED = 0xFF9B;  // -101
constexpr UINT NM_DBLCLK = 0xFFFD;        // -3

struct Message {
    UINT message = 0;
    int id = 0;
    UINT code = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// What a WM_NOTIFY handler receives.
struct NMHDR {
    int idFrom = 0;
    UINT code = 0;
};

constexpr UINT LVN_GETDISPINFO = 0xFF4F;  // -177: an owner-data list asks for a cell's text

// What a list control's WM_NOTIFY handler receives: the row (-1 for a header click) and the
// column.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
};

// What an owner-data list's LVN_GETDISPINFO handler receives: the cell, and the text to fill in.
// The pointer travels in lParam.
struct LVITEM {
    int iItem = 0;
    int iSubItem = 0;
    CString text;
};
struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};
