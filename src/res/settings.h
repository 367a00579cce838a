// The program's settings: the entries of the per-user store, read and written in one place for
// the main window and the settings dialog through one table of section, key and member
// (settings.cpp). A member's initializer here is its entry's default. Member names are those the
// main window has always used for its copy.
#pragma once

#include <optional>
#include <vector>

#include "platform/base/cstring.h"
#include "platform/ui/types.h"

class CWinApp;

struct Settings {
    int m_nInterval = 0;  // "Timer"/"Interval": minutes between refreshes; 0 or less: none
    bool m_bExportOnTimer = false;  // "Timer"/"Export": log a unit when the client replaces it
    bool m_bSimpleEnable = false;   // "Simple"/"Enable": the simple view's button is usable
    bool m_bTopMost = false;  // "Simple"/"TopMost", read only while the simple view is enabled
    CString m_strPath;        // "Export"/"Path" as stored; empty: the default log
    bool m_bLFCode = true;    // "Export"/"LFCode": LF line ends, else CR LF
    bool m_bNoTitle = false;  // "Export"/"NoTitle": no title line in a new log
    int m_nForm = 0;          // "Export"/"Form" as stored: exactly 1 is the 28-column layout
    bool m_bPlot = false;     // "Export"/"Plot": the best-Gaussian plot files too
    int m_nTab = 0;           // "TAB"/"OFSET": the main window's tab selected last
    // "Notify": the desktop notifications, edited in a dialog of their own.
    bool m_bNotifyFinished = false;    // "Finished": a unit finished
    bool m_bNotifyStalled = true;      // "Stalled": a client stalled, and moves again
    bool m_bNotifyUnreachable = true;  // "Unreachable": a folder out of reach, and back
    int m_nStallMinutes = 30;          // "StallMinutes": without a move, a client is stalled

    // The stall time's bounds, in minutes: a week at most.
    static constexpr int kStallMinutesMin = 1;
    static constexpr int kStallMinutesMax = 7 * 24 * 60;

    // Every entry, from one read of the store. A missing entry gives its default; any non-zero
    // flag counts as set.
    static Settings Load(const CWinApp& app);
    // Every entry the settings dialog edits, in one change of the store (an empty path deletes
    // its entry); false when the store could not be written, and then nothing was. The tab is
    // the main window's, saved on its own as it changes.
    bool Save(CWinApp& app) const;
    static bool SaveTab(CWinApp& app, int tab);
    // The notifications' entries, in one change of the store, as Save does the others.
    bool SaveNotifications(CWinApp& app) const;

    // The CSV log: m_strPath, or the default log when none is stored.
    CString ExportPath() const;
    // The refresh timer's period in milliseconds for m_nInterval; none for 0 or less.
    std::optional<UINT> TimerPeriod() const;
};

// What a dialog says when the settings could not be written: where they are, when known.
CString SettingsNotSavedMessage(const CWinApp& app);

// The clients overview's folders, kept in a section of their own: Count, then Folder1 to
// Folder<Count>. Read once; each folder once, however it is spelled ("/x", "/x/", "/x/../x" or
// a link to it), as CanonicalFolderPaths spells it; a folder whose mount does not answer within two
// seconds in its lexical form. A damaged section gives the folders that can still be read.
std::vector<CString> LoadClientFolders(const CWinApp& app);
// One folder (spelled as CanonicalFolderPaths does) added to or removed from the kept list as it is
// stored now, so that what another window changed meanwhile stays. False when nothing was written.
bool AddKeptClientFolder(CWinApp& app, const CString& folder);
bool RemoveKeptClientFolder(CWinApp& app, const CString& folder);

// The user's own folder for Vantrel's files, $XDG_DATA_HOME/Halvorn/Vantrel (by default
// ~/.local/share/Halvorn/Vantrel): the CSV log lies there unless the settings name another file,
// and the file browser starts there. Every copy, installed or run from its build folder, uses it,
// so the log is always found in one place and outlives a rebuilt build folder. Empty when the
// user has no home folder: there is then no default log rather than one in a shared folder.
CString UserDataDirectory();

// UserDataDirectory()/export.csv; empty when the user has no home folder.
CString DefaultExportPath();
