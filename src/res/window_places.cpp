#include "res/window_places.h"

#include "platform/ui/cwinapp.h"
#include "platform/ui/cwnd.h"
#include "res/settings_keys.h"

namespace {

// Larger than any screen: a damaged entry must not make a window of millions of pixels.
constexpr int kLargest = 32767;

bool Within(int value, int lowest) {
    return value >= lowest && value <= kLargest;
}

}  // namespace

void RestoreWindowPlace(CWnd& window, const CWinApp& app, const char* section) {
    using namespace SettingsKey;
    const SettingsStore::Entries entries = app.GetProfileEntries();
    const auto read = [&](const char* key) {
        return SettingsStore::IntIn(entries, section, key, 0);
    };
    const int left = read(kLeft);
    const int top = read(kTop);
    const int width = read(kWidth);
    const int height = read(kHeight);
    if (!Within(width, 1) || !Within(height, 1) || !Within(left, -kLargest) ||
        !Within(top, -kLargest)) {
        return;
    }
    window.SetWindowPos(ZOrder::Top, left, top, width, height, SWP_NOZORDER);
    const int splitter = read(kSplitter);
    window.SetSplitterOffset(Within(splitter, -kLargest) ? splitter : 0);
}

bool KeepWindowPlace(const CWnd& window, CWinApp& app, const char* section) {
    using namespace SettingsKey;
    CRect rect;
    window.GetWindowRect(&rect);
    return app.WriteProfileEntries({{section, kLeft, rect.left},
                                    {section, kTop, rect.top},
                                    {section, kWidth, rect.Width()},
                                    {section, kHeight, rect.Height()},
                                    {section, kSplitter, window.GetSplitterOffset()}});
}
