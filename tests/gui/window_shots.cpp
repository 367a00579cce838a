#include "gui/window_shots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "platform/wx/text_fit.h"
#include "platform/wx/wx_test_support.h"
#include "res/strings.h"

namespace {

// The windows here speak the language of the run's locale, as the program's would, even those
// a test opens without the application object that chooses it.
class UserLanguage : public ::testing::Environment {
public:
    void SetUp() override { UseUiLanguage(ChooseUiLanguage(ReadLocaleEnvironment())); }
};
::testing::Environment* const kUserLanguage = ::testing::AddGlobalTestEnvironment(new UserLanguage);

}  // namespace

void ExpectEveryTextFits(CWnd& window, const std::string& name) {
    wxWindow* top = WxOf(window);
    const wxImage shot = CaptureScreen(top->GetScreenRect());
    ASSERT_TRUE(shot.IsOk());
    const std::string scale = ScreenScale() > 1 ? "_scale" + std::to_string(ScreenScale()) : "";
    const std::string file = std::string(VANTREL_GUI_SCREENSHOT_DIR) + "/vantrel_" + name + "_" +
                             std::setlocale(LC_MESSAGES, nullptr) + scale + ".png";
    EXPECT_TRUE(shot.SaveFile(file, wxBITMAP_TYPE_PNG));
    for (const Misfit& misfit : TextsThatDoNotFit(top, shot)) {
        ADD_FAILURE() << name << ": " << misfit.why;
    }
}

void ExpectEveryTabStopShowsFocus(CWnd& window, const std::string& name) {
    wxWindow* top = WxOf(window);
    wxUIActionSimulator keys;
    std::vector<wxWindow*> stops;
    for (int step = 0; step < 40; ++step) {
        keys.Char(WXK_TAB);
        PumpFor(50);
        // A list takes the focus in a window of its own inside it.
        wxWindow* focus = wxWindow::FindFocus();
        while (focus && focus->GetParent() != top) {
            focus = focus->GetParent();
        }
        ASSERT_NE(focus, nullptr) << name << ": the focus left the window";
        if (std::find(stops.begin(), stops.end(), focus) != stops.end()) {
            break;  // round the cycle
        }
        stops.push_back(focus);
        const bool showsFocus =
            wxDynamicCast(focus, wxButton) || wxDynamicCast(focus, wxCheckBox) ||
            wxDynamicCast(focus, wxTextCtrl) || wxDynamicCast(focus, wxListCtrl) ||
            wxDynamicCast(focus, wxNotebook);
        EXPECT_TRUE(showsFocus) << name << ": Tab stops on a "
                                << wxString(focus->GetClassInfo()->GetClassName()).utf8_str().data()
                                << " (id " << focus->GetId() << ") that shows no focus";
    }
    EXPECT_GE(stops.size(), 2u) << name << ": no Tab cycle";
}
