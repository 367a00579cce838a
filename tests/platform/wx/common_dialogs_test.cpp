// Message boxes and file dialogs, answered through wx's modal dialog hook.
#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "platform/wx/wx_file_filter.h"
#include "wx_test_support.h"

namespace {

// Answers a message box and keeps what it showed.
struct SeenBox {
    wxString message;
    wxString caption;
    long style = 0;
};

class AnswerBox : public wxExpectModalBase<wxMessageDialog, AnswerBox> {
public:
    AnswerBox(int answer, SeenBox* seen) : m_answer(answer), m_seen(seen) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override {
        m_seen->message = box->GetMessage();
        m_seen->caption = box->GetTitle();
        m_seen->style = box->GetMessageDialogStyle();
        return m_answer;
    }

private:
    int m_answer;
    SeenBox* m_seen;
};

TEST(WxCommonDialogs, MessageBoxesShowTheTextAndReturnTheButton) {
    SeenBox seen;
    int result = 0;
    wxTEST_DIALOG(
        result = ShowNativeMessageBox(nullptr, "情報を取得できませんでした", "Vantrel", MB_OK),
        AnswerBox(wxID_OK, &seen));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.message, wxString::FromUTF8("情報を取得できませんでした"));
    EXPECT_EQ(seen.caption, "Vantrel");
    EXPECT_FALSE(seen.style & wxCANCEL);
    EXPECT_FALSE(seen.style & wxICON_WARNING);

    wxTEST_DIALOG(
        result = ShowNativeMessageBox(nullptr, "?", "Vantrel", MB_OKCANCEL | MB_ICONEXCLAMATION),
        AnswerBox(wxID_CANCEL, &seen));
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(seen.style & wxCANCEL);
    EXPECT_TRUE(seen.style & wxICON_WARNING);

    // Closing a box that has only OK still means OK.
    wxTEST_DIALOG(result = ShowNativeMessageBox(nullptr, "!", "Vantrel", MB_OK),
                  AnswerBox(wxID_CANCEL, &seen));
    EXPECT_EQ(result, IDOK);
}

struct SeenFileDialog {
    wxString wildcard;
    wxString directory;
    long style = 0;
};

class ChooseFile : public wxExpectModalBase<wxFileDialog, ChooseFile> {
public:
    ChooseFile(const wxString& path, int answer, SeenFileDialog* seen)
        : m_path(path), m_answer(answer), m_seen(seen) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        m_seen->wildcard = dialog->GetWildcard();
        m_seen->directory = dialog->GetDirectory();
        m_seen->style = dialog->GetWindowStyle();
        dialog->SetPath(m_path);
        return m_answer;
    }

private:
    wxString m_path;
    int m_answer;
    SeenFileDialog* m_seen;
};

TEST(WxCommonDialogs, FileDialogTakesTheFilterFolderAndDefaultExtension) {
    FileDialogRequest request;
    request.defaultExt = "csv";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.filter = "CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||";
    request.initialDir = "/tmp";
    SeenFileDialog seen;
    CString path;
    bool chosen = false;
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  ChooseFile("/tmp/log/seti", wxID_OK, &seen));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(path, "/tmp/log/seti.csv");
    EXPECT_EQ(seen.wildcard,
              wxString::FromUTF8("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*"));
    EXPECT_EQ(seen.directory, "/tmp");
    // A log that does not exist yet can be named: GTK's save chooser, with no overwrite prompt.
    EXPECT_TRUE(seen.style & wxFD_SAVE);
    EXPECT_FALSE(seen.style & wxFD_OVERWRITE_PROMPT) << "an open dialog overwrites nothing";

    // A name with an extension is kept; a cancelled dialog leaves the path alone.
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  ChooseFile("/tmp/log/seti.txt", wxID_OK, &seen));
    EXPECT_EQ(path, "/tmp/log/seti.txt");
    wxTEST_DIALOG(chosen = ShowNativeFileDialog(nullptr, request, path),
                  ChooseFile("/tmp/other", wxID_CANCEL, &seen));
    EXPECT_FALSE(chosen);
    EXPECT_EQ(path, "/tmp/log/seti.txt");
}

TEST(WxCommonDialogs, FiltersAndExtensionsConvert) {
    EXPECT_EQ(ToWxWildcard("Text (*.txt;*.*)|*.txt;*.*||ignored|*.x"), "Text (*.txt;*.*)|*.txt;*");
    EXPECT_EQ(ToWxWildcard("Name only|"), "");
    EXPECT_EQ(ToWxWildcard(""), "");
    EXPECT_EQ(WithDefaultExtension("/a.b/c", "csv"), "/a.b/c.csv");
    EXPECT_EQ(WithDefaultExtension("/a/c.", "csv"), "/a/c.");
    EXPECT_EQ(WithDefaultExtension("/a/c", ".csv"), "/a/c.csv");
    EXPECT_EQ(WithDefaultExtension("/a/c", ""), "/a/c");
    EXPECT_EQ(WithDefaultExtension("/a/", "csv"), "/a/");
}

}  // namespace
