#include "windows/settings_dlg.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/headless/headless.h"
#include "res/resource.h"
#include "windows/window_test_support.h"

namespace {

constexpr char kModuleDir[] = "/opt/vantrel";
constexpr char kIntervalMessage[] = "1から1440の値を入力して下さい";
constexpr char kPath[] = "/a.csv";
constexpr char kEverythingOn[] = "45 1 1 1 0 1 1 1";

// The integer settings, and the check boxes that show them after the auto-update box.
const std::pair<const char*, const char*> kKeys[] = {
    {"Timer", "Interval"}, {"Timer", "Export"},   {"Simple", "Enable"}, {"Simple", "TopMost"},
    {"Export", "LFCode"},  {"Export", "NoTitle"}, {"Export", "Form"},   {"Export", "Plot"}};
const int kBoxes[] = {IDC_AUTOUPDATE, IDC_DIFFEXPORT, IDC_SIMPLEENABLE, IDC_TOPMOST,
                      IDC_LFCODE,     IDC_NOTITLE,    IDC_NEWFORMAT,    IDC_PLOT};

class SettingsDlgTest : public WindowTest {
protected:
    // Runs the dialog with the script as the user; returns how it ended.
    int Run(Headless::ModalScript script) {
        Headless::QueueModal(std::move(script));
        CSettingsDlg dialog(kModuleDir);
        return dialog.DoModal();
    }

    // The integer settings in one line, "-" for an absent one; Store writes such a line.
    std::string StoredInts() {
        std::string line;
        for (const auto& [section, key] : kKeys) {
            const int value = app().GetProfileInt(section, key, -999);
            line += (line.empty() ? "" : " ") + (value == -999 ? "-" : std::to_string(value));
        }
        return line;
    }
    void Store(const std::string& ints, const char* path = nullptr) {
        std::istringstream in(ints);
        for (const auto& [section, key] : kKeys) {
            std::string value;
            if (in >> value && value != "-") {
                app().WriteProfileInt(section, key, std::stoi(value));
            }
        }
        app().WriteProfileString("Export", "Path", path);
    }
    CString StoredPath() { return app().GetProfileString("Export", "Path", "<absent>"); }

    // The check boxes, enabled ones as 0/1 and disabled ones as -/+; the interval, in brackets
    // when disabled; the path.
    static std::string Shown(CWnd& dlg) {
        std::string line;
        for (int id : kBoxes) {
            const bool on = CheckOf(dlg, id) == BST_CHECKED;
            line += EnabledOf(dlg, id) ? (on ? '1' : '0') : (on ? '+' : '-');
        }
        const std::string interval = TextOf(dlg, IDC_INTERVAL).str();
        line += EnabledOf(dlg, IDC_INTERVAL) ? " " + interval + " " : " [" + interval + "] ";
        return line + TextOf(dlg, IDC_PATH).str();
    }

    // OK is refused with a message; the dialog stays open with the focus where the fault is.
    static void ExpectRefused(CDialog& dlg, const char* message, UINT type, int focus) {
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
        ASSERT_FALSE(Headless::MessageBoxes().empty());
        const Headless::MessageBoxRecord& box = Headless::MessageBoxes().back();
        EXPECT_EQ(std::make_tuple(CString(message), CString("Vantrel"), type),
                  std::make_tuple(box.text, box.caption, box.type));
        EXPECT_TRUE(Headless::HasFocus(dlg, focus));
        EXPECT_TRUE(dlg.IsWindowVisible());
    }
};

// Ticking auto-update on an empty store enables the interval, which must then lie between 1 and
// 1440 minutes; nothing is written before it does.
TEST_F(SettingsDlgTest, IntervalMustLieBetweenOneAndOneDay) {
    for (const char* accepted : {"1440", "1"}) {
        ClearSettings();
        EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                      ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_AUTOUPDATE));
                      EXPECT_EQ("100-1000  ", Shown(dlg));
                      for (const char* refused : {"", "1441", "0", "abc", "99999999999999999999"}) {
                          ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, refused));
                          ExpectRefused(dlg, kIntervalMessage, MB_OK, IDC_INTERVAL);
                      }
                      EXPECT_FALSE(SettingsFileExists());
                      ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, accepted));
                      ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
                  }));
        EXPECT_EQ(std::string(accepted) + " 0 0 0 1 0 0 0", StoredInts());
    }
    EXPECT_EQ(10u, Headless::MessageBoxes().size());
}

// OK writes what the dialog shows; an empty path deletes the entry, so the default applies.
// Unticked options disable their dependants, which keep what they hold but are stored as 0;
// top-most is not read while the simple view is off. Hand-edited values show, and are stored, as
// what they do (only a layout of exactly 1 is the new one). The file browser fills only the path
// field, and cancelling it changes nothing. Cancel and Esc write nothing.
TEST_F(SettingsDlgTest, OpensWithTheStoredValuesAndOkWritesWhatItShows) {
    const struct {
        const char* stored;
        const char* path;
        // A digit clicks kBoxes[digit], b browses to /b.csv, x cancels the browser, e empties
        // the path; then Enter, or C presses Cancel and E Esc.
        const char* script;
        const char* opened;
        const char* beforeEnd;
        const char* written;  // null: the settings file keeps its bytes
    } cases[] = {
        {kEverythingOn, kPath, "", "11110111 45 /a.csv", "11110111 45 /a.csv", kEverythingOn},
        {kEverythingOn, kPath, "02e", "11110111 45 /a.csv", "0+0+0111 [45] ", "0 0 0 0 0 1 1 1"},
        {"- - 0 1 - - - -", nullptr, "23", "0-0-1000 [] ", "0-111000 [] ", "0 0 1 1 1 0 0 0"},
        {"30 7 - - -3 - 2 -", nullptr, "", "110-1000 30 ", "110-1000 30 ", "30 1 0 0 1 0 0 0"},
        {"", "/k.csv", "5bx", "0-0-1000 [] /k.csv", "0-0-1100 [] /b.csv", "0 0 0 0 1 1 0 0"},
        {kEverythingOn, kPath, "024567eC", "11110111 45 /a.csv", "0+0+1000 [45] ", nullptr},
        {kEverythingOn, kPath, "024567eE", "11110111 45 /a.csv", "0+0+1000 [45] ", nullptr},
    };
    for (const auto& c : cases) {
        ClearSettings();
        Store(c.stored, c.path);
        const std::string before = SettingsBytes();
        std::string path;
        EXPECT_EQ(c.written ? IDOK : IDCANCEL, Run([&](CDialog& dlg) {
                      EXPECT_EQ(c.opened, Shown(dlg));
                      char end = 0;
                      for (const char* a = c.script; *a; ++a) {
                          if (*a == 'b' || *a == 'x') {
                              Headless::QueueFileDialogAnswer(
                                  *a == 'b' ? std::optional(CString("/b.csv")) : std::nullopt);
                              ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
                          } else if (*a == 'e') {
                              ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, ""));
                          } else if (std::isdigit(static_cast<unsigned char>(*a))) {
                              ASSERT_TRUE(Headless::ClickCheckBox(dlg, kBoxes[*a - '0']));
                          } else {
                              end = *a;
                          }
                      }
                      EXPECT_EQ(c.beforeEnd, Shown(dlg));
                      path = TextOf(dlg, IDC_PATH).str();
                      ASSERT_TRUE(end == 'C'   ? Headless::PressButton(dlg, IDCANCEL)
                                  : end == 'E' ? Headless::PressEscape(dlg)
                                               : Headless::PressEnter(dlg));
                  }));
        if (c.written) {
            EXPECT_EQ(c.written, StoredInts()) << c.opened;
            EXPECT_EQ(path.empty() ? "<absent>" : path, StoredPath().str());
        } else {
            EXPECT_EQ(before, SettingsBytes());
        }
    }
    EXPECT_TRUE(Headless::MessageBoxes().empty());
    // An open dialog for .csv files in the program's directory that hides read-only files (4)
    // and asks before overwriting (2).
    ASSERT_EQ(2u, Headless::FileDialogs().size());
    const FileDialogRequest& r = Headless::FileDialogs()[0];
    EXPECT_EQ(std::make_tuple(true, CString("csv"), CString(""), 6u, CString(kModuleDir)),
              std::make_tuple(r.openFileDialog, r.defaultExt, r.fileName, r.flags, r.initialDir));
    EXPECT_EQ("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||", r.filter);
}

// 127 kanji take 254 bytes in code page 932 (381 in UTF-8), 254 half-width katakana as many;
// one byte more is refused. The file dialog can deliver a path longer than the field takes.
TEST_F(SettingsDlgTest, PathLimitCountsCodePage932Characters) {
    std::string kanji;
    std::string katakana;
    for (int i = 0; i < 127; ++i) {
        kanji += "漢";
        katakana += "ｱｱ";
    }
    Store("- - - - - - - 1");
    const std::string before = SettingsBytes();
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  Headless::QueueFileDialogAnswer(CString(kanji + "a"));
                  ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_PLOT));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
                  EXPECT_EQ(kanji + "a", TextOf(dlg, IDC_PATH).str());
                  ExpectRefused(dlg, "254 文字以内で入力してください。", MB_ICONEXCLAMATION,
                                IDC_PATH);
                  EXPECT_EQ(before, SettingsBytes());
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, kanji));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ(kanji, StoredPath().str());
    EXPECT_EQ("0 0 0 0 1 0 0 0", StoredInts());
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, katakana));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ(katakana, StoredPath().str());
    EXPECT_EQ(1u, Headless::MessageBoxes().size());
}

}  // namespace
