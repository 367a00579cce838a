// Resource ids: dialog templates, strings, the icon and the controls.
#pragma once

#include "platform/ui/types.h"

constexpr int IDD_ABOUTBOX = 100;
// The About item's system command, added to the main window's system menu.
constexpr UINT IDM_ABOUTBOX = 0x0010;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDD_VANTREL_DIALOG = 102;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_SETTINGS = 134;
constexpr int IDD_SIMPLEVIEW = 135;
constexpr int IDD_OVERVIEW = 136;

// Main window (template 102).
constexpr int IDC_MESSAGE = 1000;
constexpr int IDC_REFRESH = 1005;
constexpr int IDC_LASTUPDATE = 1006;
constexpr int IDC_EXPORT = 1007;
constexpr int IDC_HEADER = 1008;
constexpr int IDC_VALUES = 1010;
constexpr int IDC_LABELS = 1011;
constexpr int IDC_SETTINGS = 1018;
constexpr int IDC_SIMPLE = 1030;
constexpr int IDC_TAB = 1035;
constexpr int IDC_GRAPH = 1040;

// Settings dialog (template 134).
constexpr int IDC_AUTOUPDATE = 1019;
constexpr int IDC_INTERVAL = 1020;
constexpr int IDC_DIFFEXPORT = 1021;
constexpr int IDC_PATH = 1025;
constexpr int IDC_BROWSE = 1026;
constexpr int IDC_NOTITLE = 1027;
constexpr int IDC_LFCODE = 1028;
constexpr int IDC_SIMPLEENABLE = 1029;
constexpr int IDC_TOPMOST = 1033;
constexpr int IDC_NEWFORMAT = 1041;
constexpr int IDC_PLOT = 1042;

// Simple view (template 135).
constexpr int IDC_INFO = 1031;
constexpr int IDC_TIME = 1032;

// Clients overview (template 136); it shares the refresh, settings, exit and message ids of the
// main window.
constexpr int IDC_CLIENTS = 1050;
constexpr int IDC_ADD_CLIENT = 1051;
constexpr int IDC_REMOVE_CLIENT = 1052;
constexpr int IDC_OVERVIEW_HISTORY = 1053;

// Window timers. The refresh timer is the main window's only one, and the overview's timer for
// all its clients; the overview also takes in refreshes that run on other threads on its own.
constexpr UINT_PTR IDT_REFRESH = 1;
constexpr UINT_PTR IDT_COLLECT = 2;
// The clients read for their notifications when no refresh timer does it often enough.
constexpr UINT_PTR IDT_WATCH = 3;

// About box (template 100).
constexpr int IDC_ABOUT_ICON = -1;

// The history window (template 140), and its item in the main window's system menu.
constexpr int IDD_HISTORY = 140;
constexpr UINT IDM_HISTORY = 0x0020;
constexpr int IDS_HISTORY = 110;
constexpr int IDC_HISTORY_LIST = 1101;
constexpr int IDC_HISTORY_LABELS = 1102;
constexpr int IDC_HISTORY_VALUES = 1103;
constexpr int IDC_HISTORY_CHARTTAB = 1104;
constexpr int IDC_HISTORY_CHART = 1105;
constexpr int IDC_HISTORY_STATUS = 1106;
constexpr int IDC_HISTORY_SAVE = 1107;

// The notifications' settings (template 150), its item in the main window's system menu, and its
// button in the clients overview.
constexpr int IDD_NOTIFY_SETTINGS = 150;
constexpr UINT IDM_NOTIFY_SETTINGS = 0x0030;
constexpr int IDS_NOTIFY_SETTINGS = 111;
constexpr int IDC_NOTIFY_STALLED = 1201;
constexpr int IDC_STALL_MINUTES = 1202;
constexpr int IDC_NOTIFY_UNREACHABLE = 1203;
constexpr int IDC_NOTIFY_FINISHED = 1204;
constexpr int IDC_OVERVIEW_NOTIFY = 1054;
