// The GDK backend the program asks for, chosen before the toolkit starts.
#pragma once

#include <optional>
#include <string>

// From the session's GDK_BACKEND, WAYLAND_DISPLAY and DISPLAY (null when unset): the backend to
// put in GDK_BACKEND, or nothing to leave GTK its own choice. A Wayland session with XWayland
// runs on X11, where a window can stay above the others; GTK alone would pick Wayland. A
// backend the user named is kept.
std::optional<std::string> ChooseGdkBackend(const char* gdkBackend, const char* waylandDisplay,
                                            const char* display);

// Puts the choice for this process's session in GDK_BACKEND; before the toolkit starts.
void UseSessionGdkBackend();
