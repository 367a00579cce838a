#include "windows/settings_dlg.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                      if (!SettingsFileExists()) {
                          EXPECT_EQ("0-0-1000 [] ", Shown(dlg));
                          ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_AUTOUPDATE));
                          EXPECT_EQ("100-1000  ", Shown(dlg));
                      }
                      const std::string before = SettingsBytes();
                      for (const char* refused : {"", "1441", "0", "abc", "99999999999999999999"}) {
                          ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, refused));
                          ExpectRefused(dlg, kIntervalMessage, MB_OK, IDC_INTERVAL);
                      }
                      EXPECT_EQ(before, SettingsBytes());
                      ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, accepted));
                      ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
                  }));
        EXPECT_EQ(std::string(accepted) + " 0 0 0 1 0 0 0", StoredInts());
        EXPECT_EQ("<absent>", StoredPath());
    }
    EXPECT_EQ(10u, Headless::MessageBoxes().size());
}

// OK writes what the dialog shows; an empty path deletes the entry, so the default applies.
// Unticked options disable their dependants, which keep what they hold but are stored as 0;
// top-most is not read while the simple view is off. Hand-edited values show, and are stored, as
// what they do (only a layout of exactly 1 is the new one).
TEST_F(SettingsDlgTest, OpensWithTheStoredValuesAndOkWritesWhatItShows) {
    const struct {
        const char* stored;
        const char* path;
        const char* clicks;  // indexes into kBoxes
        const char* opened;
        const char* beforeOk;
        const char* written;
    } cases[] = {
        {kEverythingOn, kPath, "", "11110111 45 /a.csv", "11110111 45 /a.csv", kEverythingOn},
        {kEverythingOn, kPath, "02", "11110111 45 /a.csv", "0+0+0111 [45] /a.csv",
         "0 0 0 0 0 1 1 1"},
        {"- - 0 1 - - - -", nullptr, "23", "0-0-1000 [] ", "0-111000 [] ", "0 0 1 1 1 0 0 0"},
        {"30 7 - - -3 - 2 -", nullptr, "", "110-1000 30 ", "110-1000 30 ", "30 1 0 0 1 0 0 0"},
    };
    for (const auto& c : cases) {
        ClearSettings();
        Store(c.stored, c.path);
        EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                      EXPECT_EQ(c.opened, Shown(dlg));
                      for (const char* box = c.clicks; *box; ++box) {
                          ASSERT_TRUE(Headless::ClickCheckBox(dlg, kBoxes[*box - '0']));
                      }
                      EXPECT_EQ(c.beforeOk, Shown(dlg));
                      ASSERT_TRUE(Headless::PressEnter(dlg));
                  }));
        EXPECT_EQ(c.written, StoredInts()) << c.opened;
        EXPECT_EQ(c.path ? c.path : "<absent>", StoredPath());
    }
    EXPECT_TRUE(Headless::MessageBoxes().empty());
}

// 127 kanji take 254 bytes in code page 932 (381 in UTF-8), 254 half-width katakana as many;
// one byte more is refused. The file dialog can deliver a path longer than the field takes.
// Emptying the field deletes the entry.
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
    for (const std::string& path : {katakana, std::string()}) {
        EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                      ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, path));
                      ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
                  }));
        EXPECT_EQ(path.empty() ? "<absent>" : path, StoredPath().str());
    }
    EXPECT_EQ(1u, Headless::MessageBoxes().size());
}

// The browser starts in the program's directory; cancelling it changes nothing, a chosen file
// fills only the path field.
TEST_F(SettingsDlgTest, BrowsingFillsOnlyThePathField) {
    Store("", "/keep.csv");
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_NOTITLE));
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, "/typed.csv"));
                  for (const char* chosen : {"", "/home/me/chosen.csv"}) {
                      Headless::QueueFileDialogAnswer(*chosen ? std::optional(CString(chosen))
                                                              : std::nullopt);
                      ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
                      EXPECT_EQ(std::string("0-0-1100 [] ") + (*chosen ? chosen : "/typed.csv"),
                                Shown(dlg));
                  }
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ("/home/me/chosen.csv", StoredPath());
    EXPECT_EQ("0 0 0 0 1 1 0 0", StoredInts());
    ASSERT_EQ(2u, Headless::FileDialogs().size());
    // An open dialog for .csv files that hides read-only files (4) and asks before overwriting (2).
    const FileDialogRequest& r = Headless::FileDialogs()[0];
    EXPECT_EQ(std::make_tuple(true, CString("csv"), CString(""), 6u, CString(kModuleDir)),
              std::make_tuple(r.openFileDialog, r.defaultExt, r.fileName, r.flags, r.initialDir));
    EXPECT_EQ("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||", r.filter);
}

TEST_F(SettingsDlgTest, CancelWritesNothing) {
    Store(kEverythingOn, kPath);
    const std::string before = SettingsBytes();
    for (bool escape : {false, true}) {
        EXPECT_EQ(IDCANCEL, Run([&](CDialog& dlg) {
                      for (int id : kBoxes) {
                          ASSERT_TRUE(Headless::ClickCheckBox(dlg, id) || !EnabledOf(dlg, id));
                      }
                      ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, ""));
                      ASSERT_TRUE(escape ? Headless::PressEscape(dlg)
                                         : Headless::PressButton(dlg, IDCANCEL));
                  }));
    }
    EXPECT_EQ(before, SettingsBytes());
}

}  // namespace
