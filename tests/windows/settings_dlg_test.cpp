#include "windows/settings_dlg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "export/export_test_support.h"
#include "platform/headless/headless.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "res/strings.h"
#include "support/temp_dir.h"

namespace {

constexpr char kIntervalMessage[] = "1から1440の値を入力して下さい";
constexpr char kEverythingOn[] = "45 1 1 1 0 1 1 1";
constexpr char kSettingsFile[] = "Halvorn/Vantrel/settings";

// The integer settings, and the check boxes that show them after the auto-update box.
const std::pair<const char*, const char*> kKeys[] = {
    {"Timer", "Interval"}, {"Timer", "Export"},   {"Simple", "Enable"}, {"Simple", "TopMost"},
    {"Export", "LFCode"},  {"Export", "NoTitle"}, {"Export", "Form"},   {"Export", "Plot"}};
const int kBoxes[] = {IDC_AUTOUPDATE, IDC_DIFFEXPORT, IDC_SIMPLEENABLE, IDC_TOPMOST,
                      IDC_LFCODE,     IDC_NOTITLE,    IDC_NEWFORMAT,    IDC_PLOT};

class SettingsDlgTest : public testing::Test {
protected:
    SettingsDlgTest() {
        m_app.SetRegistryKey("Halvorn");
        m_app.m_frameworkTexts = LoadFrameworkTexts();
        Headless::Reset();
    }
    ~SettingsDlgTest() override { Headless::Reset(); }

    // Runs the dialog with the script as the user; returns how it ended.
    int Run(Headless::ModalScript script) {
        Headless::QueueModal(std::move(script));
        CSettingsDlg dialog(m_browseDir.c_str());
        return dialog.DoModal();
    }

    const TempDir m_config;
    const export_test::ScopedEnv m_configHome{"XDG_CONFIG_HOME", m_config.path()};
    CWinApp m_app{"Vantrel"};
    // The file browser's first folder, made when the browser opens.
    const TempDir m_data;
    const std::string m_browseDir = m_data.File("Halvorn/Vantrel");

    // The integer settings in one line, -1 for an absent one; Store writes such a line.
    std::string StoredInts() {
        std::string line;
        for (const auto& [section, key] : kKeys) {
            line +=
                (line.empty() ? "" : " ") + std::to_string(m_app.GetProfileInt(section, key, -1));
        }
        return line;
    }
    void Store(const std::string& ints, const char* path) {
        std::istringstream in(ints);
        int value = 0;
        for (const auto& [section, key] : kKeys) {
            if (in >> value) {
                m_app.WriteProfileInt(section, key, value);
            }
        }
        m_app.WriteProfileString("Export", "Path", path);
    }
    CString StoredPath() { return m_app.GetProfileString("Export", "Path", "<absent>"); }

    // The check boxes, enabled ones as 0/1 and disabled ones as -/+; the interval, in brackets
    // when disabled; the path.
    static std::string Shown(CWnd& dlg) {
        std::string line;
        for (int id : kBoxes) {
            const CWnd* box = dlg.GetDlgItem(id);
            const bool on = box && box->GetNative()->GetCheck() == BST_CHECKED;
            line += Headless::IsEnabled(dlg, id) ? (on ? '1' : '0') : (on ? '+' : '-');
        }
        const std::string interval = Headless::TextOf(dlg, IDC_INTERVAL).str();
        line +=
            Headless::IsEnabled(dlg, IDC_INTERVAL) ? " " + interval + " " : " [" + interval + "] ";
        return line + Headless::TextOf(dlg, IDC_PATH).str();
    }

    // OK is refused with a message; the dialog stays open with the focus where the fault is.
    static void ExpectRefused(CDialog& dlg, const char* message, UINT type, int focus) {
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
        ASSERT_FALSE(Headless::MessageBoxes().empty());
        const Headless::MessageBoxRecord& box = Headless::MessageBoxes().back();
        EXPECT_EQ(std::make_tuple(CString(message), CString("Vantrel"), type),
                  std::make_tuple(box.text, box.caption, box.type));
        EXPECT_TRUE(Headless::HasFocus(dlg, focus));
    }
};

// Ticking auto-update on an empty store enables the interval, which must then lie between 1 and
// 1440 minutes; the path may take 254 bytes in code page 932 (127 kanji, 381 bytes in UTF-8).
// OK refuses either with a message and the focus on the field; nothing is written before both
// are right.
TEST_F(SettingsDlgTest, OkRefusesAnIntervalOutsideOneDayAndAPathOverItsLimit) {
    std::string kanji;
    for (int i = 0; i < 127; ++i) {
        kanji += "漢";
    }
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  EXPECT_EQ("0-0-1000 [] ", Shown(dlg));
                  ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_AUTOUPDATE));
                  EXPECT_EQ("100-1000  ", Shown(dlg));
                  for (const char* refused : {"", "0", "1441"}) {
                      ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, refused));
                      ExpectRefused(dlg, kIntervalMessage, MB_OK, IDC_INTERVAL);
                  }
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, "1440"));
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, kanji + "a"));
                  ExpectRefused(dlg, "254 文字以内で入力してください。", MB_ICONEXCLAMATION,
                                IDC_PATH);
                  EXPECT_FALSE(m_config.Exists(kSettingsFile));
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, kanji));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ("1440 0 0 0 1 0 0 0 " + kanji, StoredInts() + " " + StoredPath().str());
}

// Unticked options disable their dependants, which keep what they hold but are stored as 0; an
// empty path deletes the entry. The file browser fills only the path field, and cancelling it
// changes nothing. Cancel writes nothing.
TEST_F(SettingsDlgTest, OkWritesWhatItShowsAndCancelNothing) {
    // Stored ints and path; the script: a digit clicks kBoxes[digit], b browses to /b.csv, x
    // cancels it, e empties the path; what shows before Enter, or Cancel when nothing is written.
    const struct {
        const char *stored, *path, *script, *beforeEnd, *written;
    } cases[] = {
        {kEverythingOn, "/a.csv", "02e", "0+0+0111 [45] ", "0 0 0 0 0 1 1 1 <absent>"},
        {"", nullptr, "5bx", "0-0-1100 [] /b.csv", "0 0 0 0 1 1 0 0 /b.csv"},
        {kEverythingOn, "/a.csv", "024567e", "0+0+1000 [45] ", nullptr},
    };
    for (const auto& c : cases) {
        m_config.Remove(kSettingsFile);
        Store(c.stored, c.path);
        const std::string before = m_config.Read(kSettingsFile);
        EXPECT_EQ(c.written ? IDOK : IDCANCEL, Run([&](CDialog& dlg) {
                      for (const char* a = c.script; *a; ++a) {
                          if (*a == 'b' || *a == 'x') {
                              Headless::QueueFileDialogAnswer(
                                  *a == 'b' ? std::optional(CString("/b.csv")) : std::nullopt);
                              ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
                          } else if (*a == 'e') {
                              ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, ""));
                          } else {
                              ASSERT_TRUE(Headless::ClickCheckBox(dlg, kBoxes[*a - '0']));
                          }
                      }
                      EXPECT_EQ(c.beforeEnd, Shown(dlg));
                      ASSERT_TRUE(c.written ? Headless::PressEnter(dlg)
                                            : Headless::PressButton(dlg, IDCANCEL));
                  }));
        if (c.written) {
            EXPECT_EQ(c.written, StoredInts() + " " + StoredPath().str()) << c.script;
        } else {
            EXPECT_EQ(before, m_config.Read(kSettingsFile));
        }
    }
    // Open .csv in the browser's folder, now made, hiding read-only files (4), confirming
    // overwrite (2).
    ASSERT_EQ(2u, Headless::FileDialogs().size());
    EXPECT_TRUE(std::filesystem::is_directory(m_browseDir));
    const FileDialogRequest& r = Headless::FileDialogs()[0];
    EXPECT_EQ(std::make_tuple(true, CString("csv"), CString(""), 6u, CString(m_browseDir.c_str()),
                              CString("開く")),
              std::make_tuple(r.openFileDialog, r.defaultExt, r.fileName, r.flags, r.initialDir,
                              r.title));
    EXPECT_EQ("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||", r.filter);
}

// A store that can't be written: OK says so instead of closing as if all was saved, and keeps the
// dialog open with what the user set, so that Cancel is a choice the user makes knowingly.
TEST_F(SettingsDlgTest, OkThatCannotSaveSaysSoAndStaysOpen) {
    // A file where the settings folder would be: the store can be read (defaults) but never
    // written, as a folder of another user's would be, even for root.
    std::filesystem::create_directories(m_config.File("Halvorn"));
    m_config.Write("Halvorn/Vantrel", "in the way\n");
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dlg) {
                  ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_SIMPLEENABLE));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
                  ASSERT_EQ(1u, Headless::MessageBoxes().size());
                  const CString text = Headless::MessageBoxes()[0].text;
                  EXPECT_EQ(0, text.Find("設定を保存できませんでした")) << text.str();
                  EXPECT_GT(text.Find("Halvorn/Vantrel/settings"), 0) << text.str();
                  EXPECT_EQ("0-101000 [] ", Shown(dlg));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDCANCEL));
              }));
    EXPECT_EQ("-1 -1 -1 -1 -1 -1 -1 -1", StoredInts());
}

}  // namespace
