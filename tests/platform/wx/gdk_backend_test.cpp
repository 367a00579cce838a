// The GDK backend asked for before the toolkit starts, for each kind of session. Needs no display:
// built into the unit tests.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/wx/gdk_backend.h"

namespace {

using Backend = std::optional<std::string>;

TEST(GdkBackend, XWaylandRunsOnX11WaylandAloneNativelyAndTheUsersChoiceStands) {
    // A Wayland session with XWayland: X11, where the simple view can stay on top.
    EXPECT_EQ(ChooseGdkBackend(nullptr, "wayland-0", ":0"), Backend("x11"));
    // Wayland without XWayland, and an X11 session.
    EXPECT_EQ(ChooseGdkBackend(nullptr, "wayland-0", nullptr), Backend("wayland"));
    EXPECT_EQ(ChooseGdkBackend(nullptr, nullptr, ":1"), Backend("x11"));
    // No display at all: GTK is left to fail and the program says so.
    EXPECT_EQ(ChooseGdkBackend(nullptr, nullptr, nullptr), std::nullopt);

    // Whatever the user set is theirs, a list of backends too.
    EXPECT_EQ(ChooseGdkBackend("wayland", "wayland-0", ":0"), std::nullopt);
    EXPECT_EQ(ChooseGdkBackend("wayland,x11", "wayland-0", ":0"), std::nullopt);
    EXPECT_EQ(ChooseGdkBackend("x11", nullptr, nullptr), std::nullopt);
}

TEST(GdkBackend, AnEmptyVariableNamesNothing) {
    EXPECT_EQ(ChooseGdkBackend("", "wayland-0", ":0"), Backend("x11"));
    EXPECT_EQ(ChooseGdkBackend(nullptr, "wayland-0", ""), Backend("wayland"));
    EXPECT_EQ(ChooseGdkBackend(nullptr, "", ":0"), Backend("x11"));
    EXPECT_EQ(ChooseGdkBackend("", "", ""), std::nullopt);
}

}  // namespace
