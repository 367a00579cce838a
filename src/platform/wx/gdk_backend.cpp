#include "platform/wx/gdk_backend.h"

#include <cstdlib>

namespace {

// An empty variable names nothing: an empty DISPLAY is no display, an empty GDK_BACKEND no
// choice of the user's.
bool IsSet(const char* value) {
    return value && *value;
}

}  // namespace

std::optional<std::string> ChooseGdkBackend(const char* gdkBackend, const char* waylandDisplay,
                                            const char* display) {
    if (IsSet(gdkBackend)) {
        return std::nullopt;
    }
    if (IsSet(display)) {
        return "x11";
    }
    if (IsSet(waylandDisplay)) {
        return "wayland";
    }
    return std::nullopt;
}

void UseSessionGdkBackend() {
    if (const std::optional<std::string> backend = ChooseGdkBackend(
            std::getenv("GDK_BACKEND"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"))) {
        ::setenv("GDK_BACKEND", backend->c_str(), 1);
    }
}
