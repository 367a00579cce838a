// Message maps: a static table per window class that sends a message (or a control's
// notification) to a member function. Tables chain to the base class's table.
#pragma once

#include <functional>
#include <vector>

#include "platform/ui/message.h"

class CWnd;

struct MessageMapEntry {
    UINT message;
    int id;     // control or command id; kAnyId matches every id
    UINT code;  // notification code (WM_COMMAND, WM_NOTIFY)
    std::function<LRESULT(CWnd& window, const Message& message)> handler;
};

struct MessageMap {
    const MessageMap* base;
    std::vector<MessageMapEntry> entries;
};

constexpr int kAnyId = -1;

// Builders for the entries, one per kind of message the program handles.

template <typename T>
MessageMapEntry MapButtonClicked(int id, void (T::*handler)()) {
    return {WM_COMMAND, id, BN_CLICKED, [handler](CWnd& w, const Message&) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapButtonDoubleClicked(int id, void (T::*handler)()) {
    return {WM_COMMAND, id, BN_DOUBLECLICKED, [handler](CWnd& w, const Message&) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapNotify(UINT code, int id, void (T::*handler)(NMHDR*, LRESULT*)) {
    return {WM_NOTIFY, id, code, [handler](CWnd& w, const Message& m) -> LRESULT {
                NMHDR header{m.id, m.code};
                LRESULT result = 0;
                (static_cast<T&>(w).*handler)(&header, &result);
                return result;
            }};
}

template <typename T>
MessageMapEntry MapNotify(UINT code, int id, void (T::*handler)(NMLISTVIEW*, LRESULT*)) {
    return {WM_NOTIFY, id, code, [handler](CWnd& w, const Message& m) -> LRESULT {
                NMLISTVIEW view{NMHDR{m.id, m.code}, static_cast<int>(m.wParam),
                                static_cast<int>(m.lParam)};
                LRESULT result = 0;
                (static_cast<T&>(w).*handler)(&view, &result);
                return result;
            }};
}

template <typename T>
MessageMapEntry MapNotify(UINT code, int id, void (T::*handler)(NMLVDISPINFO*, LRESULT*)) {
    return {WM_NOTIFY, id, code, [handler](CWnd& w, const Message& m) -> LRESULT {
                auto* info = reinterpret_cast<NMLVDISPINFO*>(m.lParam);
                LRESULT result = 0;
                if (info) {
                    info->hdr = NMHDR{m.id, m.code};
                    (static_cast<T&>(w).*handler)(info, &result);
                }
                return result;
            }};
}

template <typename T>
MessageMapEntry MapTimer(void (T::*handler)(UINT_PTR)) {
    return {WM_TIMER, kAnyId, 0, [handler](CWnd& w, const Message& m) -> LRESULT {
                (static_cast<T&>(w).*handler)(static_cast<UINT_PTR>(m.wParam));
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapSysCommand(void (T::*handler)(UINT, LPARAM)) {
    return {WM_SYSCOMMAND, kAnyId, 0, [handler](CWnd& w, const Message& m) -> LRESULT {
                (static_cast<T&>(w).*handler)(static_cast<UINT>(m.wParam), m.lParam);
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapPaint(void (T::*handler)()) {
    return {WM_PAINT, kAnyId, 0, [handler](CWnd& w, const Message&) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapSize(void (T::*handler)(UINT, int, int)) {
    return {WM_SIZE, kAnyId, 0, [handler](CWnd& w, const Message& m) -> LRESULT {
                (static_cast<T&>(w).*handler)(static_cast<UINT>(m.wParam),
                                              static_cast<int>(m.lParam & 0xFFFF),
                                              static_cast<int>((m.lParam >> 16) & 0xFFFF));
                return 0;
            }};
}

template <typename T>
MessageMapEntry MapClose(void (T::*handler)()) {
    return {WM_CLOSE, kAnyId, 0, [handler](CWnd& w, const Message&) -> LRESULT {
                (static_cast<T&>(w).*handler)();
                return 0;
            }};
}

template <typename T, typename Result>
MessageMapEntry MapQueryDragIcon(Result (T::*handler)()) {
    return {WM_QUERYDRAGICON, kAnyId, 0, [handler](CWnd& w, const Message&) -> LRESULT {
                return reinterpret_cast<LRESULT>((static_cast<T&>(w).*handler)());
            }};
}
