// Message boxes and file dialogs, answered through wx's modal dialog hook.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "platform/wx/wx_file_filter.h"
#include "wx_test_support.h"

namespace {

// Looks at the dialog, then answers it.
template <class Dialog>
struct Answer : wxExpectModalBase<Dialog, Answer<Dialog>> {
    Answer(int id, std::function<void(Dialog*)> f) : answer(id), look(std::move(f)) {}
    int OnInvoked(Dialog* dialog) const override { return look(dialog), answer; }
    int answer;
    std::function<void(Dialog*)> look;
};

TEST(WxCommonDialogs, MessageBoxesShowTheTextAndReturnTheButton) {
    const struct {
        const char* text;
        UINT type;
        int answer;
        int result;
        bool cancel;
        bool warning;
    } cases[] = {
        {"情報を取得できませんでした", MB_OK, wxID_OK, IDOK, false, false},
        {"?", MB_OKCANCEL | MB_ICONEXCLAMATION, wxID_CANCEL, IDCANCEL, true, true},
        {"!", MB_OK, wxID_CANCEL, IDOK, false, false},  // closing an OK-only box still means OK
    };
    for (const auto& c : cases) {
        int result = 0;
        wxTEST_DIALOG(result = ShowNativeMessageBox(nullptr, c.text, "Vantrel", c.type),
                      Answer<wxMessageDialog>(c.answer, [&](wxMessageDialog* box) {
                          EXPECT_EQ(box->GetMessage(), wxString::FromUTF8(c.text));
                          EXPECT_EQ(box->GetTitle(), "Vantrel");
                          const long style = box->GetMessageDialogStyle();
                          EXPECT_EQ((style & wxCANCEL) != 0, c.cancel) << c.text;
                          EXPECT_EQ((style & wxICON_WARNING) != 0, c.warning) << c.text;
                      }));
        EXPECT_EQ(result, c.result) << c.text;
    }
}

TEST(WxCommonDialogs, FileDialogTakesTheFilterFolderAndDefaultExtension) {
    FileDialogRequest request;
    request.defaultExt = "csv";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.filter = "CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||";
    request.initialDir = "/tmp";
    const auto choose = [](const char* path, int answer) {
        return Answer<wxFileDialog>(answer, [path](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetWildcard(),
                      wxString::FromUTF8("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*"));
            EXPECT_EQ(dialog->GetDirectory(), "/tmp");
            // A log that does not exist yet can be named: GTK's save chooser, and an open dialog
            // overwrites nothing, so no prompt.
            EXPECT_TRUE(dialog->GetWindowStyle() & wxFD_SAVE);
            EXPECT_FALSE(dialog->GetWindowStyle() & wxFD_OVERWRITE_PROMPT);
            dialog->SetPath(path);
        });
    };
    CString path;
    bool chosen = false;
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  choose("/tmp/log/seti", wxID_OK));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(path, "/tmp/log/seti.csv");
    // A name with an extension is kept; a cancelled dialog leaves the path alone.
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  choose("/tmp/log/seti.txt", wxID_OK));
    EXPECT_EQ(path, "/tmp/log/seti.txt");
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  choose("/tmp/other", wxID_CANCEL));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, "/tmp/log/seti.txt");

    EXPECT_EQ(ToWxWildcard("Text (*.txt;*.*)|*.txt;*.*||ignored|*.x"), "Text (*.txt;*.*)|*.txt;*");
    EXPECT_EQ(ToWxWildcard("Name only|"), "");
    const char* const extensions[][3] = {{"/a.b/c", "csv", "/a.b/c.csv"},
                                         {"/a/c.", "csv", "/a/c."},
                                         {"/a/c", ".csv", "/a/c.csv"},
                                         {"/a/c", "", "/a/c"},
                                         {"/a/", "csv", "/a/"}};
    for (const auto& e : extensions) {
        EXPECT_EQ(WithDefaultExtension(e[0], e[1]), e[2]) << e[0] << " + " << e[1];
    }
}

}  // namespace
