// The simple view set to stay on top, shown twice from the main window in whatever session the
// run has: on X11 (Xvfb, or XWayland in a Wayland session) its window asks the window manager to
// keep it above the others and nothing is said; natively on Wayland, where GTK cannot keep it
// there, the user is told once on stderr. tests/gui/wayland_test.sh runs it under weston.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <wx/utils.h>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "monitor/client_session.h"
#include "platform/base/settings_store.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "res/strings.h"
#include "support/temp_dir.h"

namespace {

// What xprop prints of the X server's window properties; args after "xprop".
std::string Xprop(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"/usr/bin/env", "xprop"});
    std::string printed;
    EXPECT_EQ(dir.Run(args, printed), 0) << printed;
    return printed;
}

// Whether the window's own state is what it keeps: with no window manager (Xvfb) the state
// stays as GTK set it; a window manager rewrites it with what it supports. weston's XWayland
// window manager supports no window above the others.
bool StateIsKept(const TempDir& dir) {
    const std::string root = Xprop(dir, {"-root", "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED"});
    return root.find("window id #") == std::string::npos ||
           root.find("_NET_WM_STATE_ABOVE") != std::string::npos;
}

TEST(SimpleViewOnTop, StaysAboveOnX11AndIsSaidOnceWhereWaylandCannotKeepIt) {
    TempDir client, config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    client.CopyClientFiles("sah");
    SettingsStore store(SettingsStore::DefaultPath("Halvorn", "Vantrel"));
    store.WriteInt("Simple", "Enable", 1);
    store.WriteInt("Simple", "TopMost", 1);
    CInfoApp app;
    app.SetRegistryKey("Halvorn");
    app.m_strModuleDir = client.path().c_str();
    ClientSession session(client.path().c_str());
    CInfoDlg dlg(session);
    app.m_pMainWnd = &dlg;
    ASSERT_TRUE(dlg.Create());
    ShowAndSettle(dlg);
    wxWindow* main = WxOf(dlg);
    wxWindow* view = WxOf(*dlg.SimpleView());

    testing::internal::CaptureStderr();
    bool shown = true;
    for (int time = 0; time < 2 && shown; ++time) {
        // As a click on 簡易表示; then back to the main window, as a double click on the view.
        if (time > 0) {
            dlg.SimpleView()->ShowWindow(SW_HIDE);
            dlg.ShowWindow(SW_SHOWNORMAL);
            PumpUntil([&] { return !view->IsShown() && main->IsShownOnScreen(); });
        }
        dlg.SendMessage(Message{WM_COMMAND, IDC_SIMPLE, BN_CLICKED, 0, 0});
        shown = PumpUntil([&] { return view->IsShownOnScreen() && !main->IsShown(); });
    }
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(shown) << "the simple view did not open";
    EXPECT_TRUE(dlg.SimpleView()->IsTopMost());

    // An X display at hand is used, XWayland's too; only a Wayland session without one runs
    // natively.
    const char* display = std::getenv("DISPLAY");
    const bool native = !display || !*display;
    ASSERT_EQ(wxGetDisplayInfo().type, native ? wxDisplayWayland : wxDisplayX11);
    const size_t first = said.find(Tr(Text::kTopMostUnavailable));
    if (native) {
        EXPECT_NE(first, std::string::npos) << said;
        EXPECT_EQ(said.find(Tr(Text::kTopMostUnavailable), first + 1), std::string::npos)
            << "said more than once: " << said;
    } else {
        EXPECT_EQ(first, std::string::npos) << said;
        // The window's state in the X server: above the others.
        if (StateIsKept(client)) {
            const std::string state = Xprop(
                client, {"-name", dlg.SimpleView()->GetWindowText().GetString(), "_NET_WM_STATE"});
            EXPECT_NE(state.find("_NET_WM_STATE_ABOVE"), std::string::npos) << state;
        }
    }
    dlg.DestroyWindow();
    app.m_pMainWnd = nullptr;
}

}  // namespace
