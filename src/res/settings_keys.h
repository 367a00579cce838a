// The settings table: the sections and keys of the per-user settings store, spelled as stored.
#pragma once

namespace SettingsKey {

inline constexpr char kTimer[] = "Timer";
inline constexpr char kInterval[] = "Interval";     // minutes between automatic refreshes; 0: none
inline constexpr char kExportOnTimer[] = "Export";  // in "Timer": export on a work-unit change

inline constexpr char kSimple[] = "Simple";
inline constexpr char kEnable[] = "Enable";
inline constexpr char kTopMost[] = "TopMost";

inline constexpr char kExport[] = "Export";
inline constexpr char kPath[] = "Path";
inline constexpr char kLFCode[] = "LFCode";
inline constexpr char kNoTitle[] = "NoTitle";
inline constexpr char kForm[] = "Form";
inline constexpr char kPlot[] = "Plot";

// The clients overview's folders: their number, then Folder1, Folder2 ... in the list's order.
inline constexpr char kClients[] = "Clients";
inline constexpr char kCount[] = "Count";
inline constexpr char kFolderPrefix[] = "Folder";

// The desktop notifications: which kinds are told, and after how many minutes without a move a
// client counts as stalled.
inline constexpr char kNotify[] = "Notify";
inline constexpr char kNotifyFinished[] = "Finished";
inline constexpr char kNotifyStalled[] = "Stalled";
inline constexpr char kNotifyUnreachable[] = "Unreachable";
inline constexpr char kStallMinutes[] = "StallMinutes";

// Where each of our resizable windows was when it last closed, in a section of its own.
inline constexpr char kOverviewWindow[] = "OverviewWindow";
inline constexpr char kHistoryWindow[] = "HistoryWindow";
inline constexpr char kLeft[] = "Left";
inline constexpr char kTop[] = "Top";
inline constexpr char kWidth[] = "Width";
inline constexpr char kHeight[] = "Height";
inline constexpr char kSplitter[] = "Splitter";

inline constexpr char kTab[] = "TAB";
inline constexpr char kOffset[] = "OFSET";

}  // namespace SettingsKey
