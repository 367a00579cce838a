// The floor of the real-program benchmarks: the least a wxWidgets program with a dialog like
// Vantrel's costs. One modal dialog started the way Vantrel starts (the user's locale, numbers in
// "C"), in the same Japanese gothic face, showing the same kind of Japanese text: a header line,
// a notebook with the five tab captions and a page of labels and values, the five buttons and a
// message line. Shown until its close box is pressed. It reads no file and keeps no settings.
#include <clocale>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/fontutil.h>
#include <wx/init.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/uilocale.h>

namespace {

wxString Utf8(const char* text) {
    return wxString::FromUTF8(text);
}

// The face list Vantrel hands Pango: its template's face, then the installed gothic faces.
wxFont GothicFont() {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(9);
    wxNativeFontInfo info(*font.GetNativeFontInfo());
    info.SetFaceName(Utf8("ＭＳ Ｐゴシック,IPAPGothic,Noto Sans CJK JP"));
    return wxFont(info);
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        return 1;
    }
    wxUILocale::UseDefault();
    std::setlocale(LC_NUMERIC, "C");
    {
        wxDialog dialog(nullptr, wxID_ANY, "Bare dialog", wxDefaultPosition, wxDefaultSize,
                        wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX);
        dialog.SetFont(GothicFont());
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(
            new wxStaticText(&dialog, wxID_ANY,
                             "Client Ver. 3.x :  Progress = 45.123 % , CPU Time = 18723.250 sec"),
            0, wxALL, 5);
        auto* notebook = new wxNotebook(&dialog, wxID_ANY);
        auto* page = new wxPanel(notebook);
        auto* columns = new wxBoxSizer(wxHORIZONTAL);
        columns->Add(
            new wxStaticText(page, wxID_ANY,
                             Utf8("観測時刻：\n観測方向 (From)：\n観測方向 (To)：\n角度幅："
                                  "\n\nBase Freq.：\nCenter Freq.：\nRate：\nSamples："),
                             wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT),
            0, wxALL, 5);
        columns->Add(new wxStaticText(page, wxID_ANY,
                                      Utf8("2002/04/02 14:35:51 UT (2452367.10823 JD)\n"
                                           "18 hr 52 min 16 sec R.A., +17 deg 14 min 44 sec Dec.\n"
                                           "18 hr 55 min 00 sec R.A., +17 deg 16 min 12 sec Dec.\n"
                                           "0.452\n\n1418896484.38 Hz\n1418994140.62 Hz\n"
                                           "9765.62 Hz\n1048576")),
                     1, wxALL, 5);
        page->SetSizer(columns);
        notebook->AddPage(page, "Work Unit");
        for (const char* caption :
             {"観測情報", "解析情報", "進捗/終了時予測", "ユーザ情報 (Hoshino Taro)"}) {
            notebook->AddPage(new wxPanel(notebook), Utf8(caption));
        }
        sizer->Add(notebook, 1, wxEXPAND | wxALL, 5);
        sizer->Add(new wxStaticText(&dialog, wxID_ANY,
                                    Utf8("最終更新時刻： 2026/12/07 19:01:20 (0.000 hr 経過)")),
                   0, wxALIGN_RIGHT | wxALL, 5);
        auto* buttons = new wxBoxSizer(wxHORIZONTAL);
        for (const char* label :
             {"最新の情報に更新", "エクスポート", "設定...", "簡易表示", "終了"}) {
            buttons->Add(new wxButton(&dialog, wxID_ANY, Utf8(label)), 0, wxALL, 5);
        }
        sizer->Add(buttons, 0, wxALIGN_RIGHT);
        sizer->Add(new wxStaticText(&dialog, wxID_ANY, Utf8("情報を取得できませんでした")), 0,
                   wxALL, 5);
        dialog.SetSizerAndFit(sizer);
        dialog.ShowModal();
    }
    wxEntryCleanup();
    return 0;
}
