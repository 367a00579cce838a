// Where each of our resizable windows (the clients overview, the history) was when it last
// closed, so that it opens there again: its frame on the screen and how far the user had moved
// its splitter, in pixels, kept in a section of the settings per window
// (SettingsKey::kOverviewWindow, SettingsKey::kHistoryWindow).
#pragma once

class CWinApp;
class CWnd;

// Puts the window where it was kept; leaves it where it is when nothing usable is kept (a
// missing entry, or a size no window has).
void RestoreWindowPlace(CWnd& window, const CWinApp& app, const char* section);
// Keeps where the window is now; false when the settings could not be written.
bool KeepWindowPlace(const CWnd& window, CWinApp& app, const char* section);
