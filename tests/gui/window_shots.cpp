#include "gui/window_shots.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/wx/text_fit.h"
#include "platform/wx/wx_test_support.h"

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
