// Messages that the backends deliver to windows, and the notification codes they carry.
#pragma once

#include "platform/ui/types.h"

enum MessageId : UINT {
    WM_COMMAND = 0x0111,     // id: control or command id; code: notification
    WM_NOTIFY = 0x004E,      // id: control id; code: notification
    WM_TIMER = 0x0113,       // wParam: timer id
    WM_SYSCOMMAND = 0x0112,  // wParam: command id
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUERYDRAGICON = 0x0037,
};

// Notification codes.
constexpr UINT BN_CLICKED = 0;
constexpr UINT BN_DOUBLECLICKED = 5;
constexpr UINT TCN_SELCHANGE = 0xFDD9;  // -551

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
