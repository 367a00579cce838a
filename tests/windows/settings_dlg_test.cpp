#include "windows/settings_dlg.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless.h"
#include "res/resource.h"
#include "windows/window_test_support.h"

namespace {

constexpr char kModuleDir[] = "/opt/vantrel";
constexpr int kAbsent = -999;

class SettingsDlgTest : public WindowTest {
protected:
    // Runs the dialog with the script as the user; returns how it ended.
    int Run(Headless::ModalScript script) {
        Headless::QueueModal(std::move(script));
        CSettingsDlg dialog(kModuleDir);
        return dialog.DoModal();
    }

    int Stored(const char* section, const char* key) {
        return app().GetProfileInt(section, key, kAbsent);
    }
    // The integer settings in one line: Timer Interval, Export; Simple Enable, TopMost; Export
    // LFCode, NoTitle, Form, Plot.
    std::string StoredInts() {
        std::string line;
        for (const auto& [section, key] : {std::pair{"Timer", "Interval"},
                                           {"Timer", "Export"},
                                           {"Simple", "Enable"},
                                           {"Simple", "TopMost"},
                                           {"Export", "LFCode"},
                                           {"Export", "NoTitle"},
                                           {"Export", "Form"},
                                           {"Export", "Plot"}}) {
            line += (line.empty() ? "" : " ") + std::to_string(Stored(section, key));
        }
        return line;
    }
    // The check boxes, enabled ones as 0/1 and disabled ones as -/+, in the order of StoredInts
    // with the auto-update box first.
    static std::string Boxes(CWnd& dlg) {
        std::string line;
        for (int id : {IDC_AUTOUPDATE, IDC_DIFFEXPORT, IDC_SIMPLEENABLE, IDC_TOPMOST, IDC_LFCODE,
                       IDC_NOTITLE, IDC_NEWFORMAT, IDC_PLOT}) {
            const bool on = CheckOf(dlg, id) == BST_CHECKED;
            line += EnabledOf(dlg, id) ? (on ? '1' : '0') : (on ? '+' : '-');
        }
        return line;
    }
    CString StoredPath() { return app().GetProfileString("Export", "Path", "<absent>"); }

    void StoreEverythingOn() {
        app().WriteProfileInt("Timer", "Interval", 45);
        app().WriteProfileInt("Timer", "Export", 1);
        app().WriteProfileInt("Simple", "Enable", 1);
        app().WriteProfileInt("Simple", "TopMost", 1);
        app().WriteProfileString("Export", "Path", "/data/seti/log.csv");
        app().WriteProfileInt("Export", "LFCode", 0);
        app().WriteProfileInt("Export", "NoTitle", 1);
        app().WriteProfileInt("Export", "Form", 1);
        app().WriteProfileInt("Export", "Plot", 1);
    }
};

TEST_F(SettingsDlgTest, EmptyStoreOpensWithDefaultsAndRefusesAnEmptyInterval) {
    const int result = Run([&](CDialog& dlg) {
        EXPECT_EQ("0-0-1000", Boxes(dlg));
        EXPECT_EQ("", TextOf(dlg, IDC_INTERVAL));
        EXPECT_FALSE(EnabledOf(dlg, IDC_INTERVAL));
        EXPECT_EQ("", TextOf(dlg, IDC_PATH));

        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_AUTOUPDATE));
        EXPECT_EQ("100-1000", Boxes(dlg));
        EXPECT_TRUE(EnabledOf(dlg, IDC_INTERVAL));
        EXPECT_EQ("", TextOf(dlg, IDC_INTERVAL));

        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
        ASSERT_EQ(1u, Headless::MessageBoxes().size());
        EXPECT_EQ("1から1440の値を入力して下さい", Headless::MessageBoxes()[0].text);
        EXPECT_EQ("Vantrel", Headless::MessageBoxes()[0].caption);
        EXPECT_EQ(MB_OK, Headless::MessageBoxes()[0].type);
        EXPECT_TRUE(Headless::HasFocus(dlg, IDC_INTERVAL));
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_FALSE(SettingsFileExists());

        ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, "10"));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("10 0 0 0 1 0 0 0", StoredInts());
    EXPECT_EQ("<absent>", StoredPath());
}

TEST_F(SettingsDlgTest, IntervalMustLieBetweenOneAndOneDay) {
    app().WriteProfileInt("Timer", "Interval", 5);
    const std::string before = SettingsBytes();
    int result = Run([&](CDialog& dlg) {
        EXPECT_EQ("5", TextOf(dlg, IDC_INTERVAL));
        for (const char* refused : {"1441", "0", "abc", "99999999999999999999"}) {
            ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, refused));
            ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
            EXPECT_TRUE(Headless::HasFocus(dlg, IDC_INTERVAL)) << refused;
            EXPECT_TRUE(dlg.IsWindowVisible()) << refused;
        }
        EXPECT_EQ(before, SettingsBytes());
        ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, "1440"));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(4u, Headless::MessageBoxes().size());
    EXPECT_EQ(1440, Stored("Timer", "Interval"));

    result = Run([&](CDialog& dlg) {
        EXPECT_EQ("1440", TextOf(dlg, IDC_INTERVAL));
        ASSERT_TRUE(Headless::TypeText(dlg, IDC_INTERVAL, "1"));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, Stored("Timer", "Interval"));
}

TEST_F(SettingsDlgTest, OpensWithTheStoredValuesAndOkKeepsThem) {
    StoreEverythingOn();
    const int result = Run([&](CDialog& dlg) {
        EXPECT_EQ("11110111", Boxes(dlg));
        EXPECT_EQ("45", TextOf(dlg, IDC_INTERVAL));
        EXPECT_TRUE(EnabledOf(dlg, IDC_INTERVAL));
        EXPECT_EQ("/data/seti/log.csv", TextOf(dlg, IDC_PATH));
        ASSERT_TRUE(Headless::PressEnter(dlg));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("45 1 1 1 0 1 1 1", StoredInts());
    EXPECT_EQ("/data/seti/log.csv", StoredPath());
}

TEST_F(SettingsDlgTest, DisabledOptionsAreStoredAsZero) {
    StoreEverythingOn();
    const int result = Run([&](CDialog& dlg) {
        // Unticking disables the dependent controls but leaves what they hold.
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_AUTOUPDATE));
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_SIMPLEENABLE));
        EXPECT_EQ("0+0+0111", Boxes(dlg));
        EXPECT_FALSE(EnabledOf(dlg, IDC_INTERVAL));
        EXPECT_EQ("45", TextOf(dlg, IDC_INTERVAL));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("0 0 0 0 0 1 1 1", StoredInts());
}

TEST_F(SettingsDlgTest, TopMostIsNotReadWhileTheSimpleViewIsOff) {
    app().WriteProfileInt("Simple", "Enable", 0);
    app().WriteProfileInt("Simple", "TopMost", 1);
    const int result = Run([&](CDialog& dlg) {
        EXPECT_EQ(0, CheckOf(dlg, IDC_TOPMOST));
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_SIMPLEENABLE));
        EXPECT_TRUE(EnabledOf(dlg, IDC_TOPMOST));
        EXPECT_EQ(0, CheckOf(dlg, IDC_TOPMOST));
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_TOPMOST));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, Stored("Simple", "Enable"));
    EXPECT_EQ(1, Stored("Simple", "TopMost"));
}

// Values other than 0 and 1 can only come from editing the store by hand.
TEST_F(SettingsDlgTest, HandEditedFlagsShowWhatTheyDo) {
    app().WriteProfileInt("Timer", "Interval", 30);
    app().WriteProfileInt("Timer", "Export", 7);
    app().WriteProfileInt("Export", "LFCode", -3);
    app().WriteProfileInt("Export", "Form", 2);  // the export takes only 1 as the new layout
    const int result = Run([&](CDialog& dlg) {
        EXPECT_EQ(1, CheckOf(dlg, IDC_DIFFEXPORT));
        EXPECT_EQ(1, CheckOf(dlg, IDC_LFCODE));
        EXPECT_EQ(0, CheckOf(dlg, IDC_NEWFORMAT));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, Stored("Timer", "Export"));
    EXPECT_EQ(1, Stored("Export", "LFCode"));
    EXPECT_EQ(0, Stored("Export", "Form"));
}

TEST_F(SettingsDlgTest, EmptyPathDeletesTheEntry) {
    StoreEverythingOn();
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, ""));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ("<absent>", StoredPath());
    EXPECT_EQ(std::string::npos, SettingsBytes().find("Path"));

    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  EXPECT_EQ("", TextOf(dlg, IDC_PATH));
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, "/ホーム/記録.csv"));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ("/ホーム/記録.csv", StoredPath());
}

TEST_F(SettingsDlgTest, PathLimitCountsCodePage932Characters) {
    // 127 kanji take 254 bytes in code page 932 (381 in UTF-8); one more byte is too many.
    std::string limit;
    for (int i = 0; i < 127; ++i) {
        limit += "漢";
    }
    const std::string tooLong = limit + "a";
    app().WriteProfileInt("Export", "Plot", 1);
    const std::string before = SettingsBytes();

    const int result = Run([&](CDialog& dlg) {
        // The file dialog can deliver a path longer than the field takes from the keyboard.
        Headless::QueueFileDialogAnswer(CString(tooLong));
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_PLOT));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
        EXPECT_EQ(tooLong, TextOf(dlg, IDC_PATH).str());
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
        ASSERT_EQ(1u, Headless::MessageBoxes().size());
        EXPECT_EQ("254 文字以内で入力してください。", Headless::MessageBoxes()[0].text);
        EXPECT_TRUE(Headless::HasFocus(dlg, IDC_PATH));
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_EQ(before, SettingsBytes());

        ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, limit));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(limit, StoredPath().str());
    EXPECT_EQ(0, Stored("Export", "Plot"));

    // Half-width katakana take one byte each: 254 of them fit.
    const std::string katakana = [] {
        std::string text;
        for (int i = 0; i < 254; ++i) {
            text += "ｱ";
        }
        return text;
    }();
    EXPECT_EQ(IDOK, Run([&](CDialog& dlg) {
                  ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, katakana));
                  ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
              }));
    EXPECT_EQ(katakana, StoredPath().str());
    EXPECT_EQ(1u, Headless::MessageBoxes().size());
}

TEST_F(SettingsDlgTest, BrowsingFillsOnlyThePathField) {
    app().WriteProfileString("Export", "Path", "/keep.csv");
    const int result = Run([&](CDialog& dlg) {
        ASSERT_TRUE(Headless::ClickCheckBox(dlg, IDC_NOTITLE));
        ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, "/typed.csv"));

        Headless::QueueFileDialogAnswer(std::nullopt);
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
        EXPECT_EQ("/typed.csv", TextOf(dlg, IDC_PATH));
        EXPECT_EQ(1, CheckOf(dlg, IDC_NOTITLE));

        Headless::QueueFileDialogAnswer(CString("/home/me/chosen.csv"));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_BROWSE));
        EXPECT_EQ("/home/me/chosen.csv", TextOf(dlg, IDC_PATH));
        EXPECT_EQ(1, CheckOf(dlg, IDC_NOTITLE));
        ASSERT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("/home/me/chosen.csv", StoredPath());
    EXPECT_EQ(1, Stored("Export", "NoTitle"));

    ASSERT_EQ(2u, Headless::FileDialogs().size());
    const FileDialogRequest& request = Headless::FileDialogs()[0];
    EXPECT_TRUE(request.openFileDialog);
    EXPECT_EQ("csv", request.defaultExt);
    EXPECT_EQ("", request.fileName);
    EXPECT_EQ(0x0004u | 0x0002u, request.flags);  // hide read-only, prompt before overwriting
    EXPECT_EQ("CSVファイル (*.csv)|*.csv|すべてのファイル (*.*)|*.*||", request.filter);
    EXPECT_EQ(kModuleDir, request.initialDir);
}

TEST_F(SettingsDlgTest, CancelWritesNothing) {
    StoreEverythingOn();
    const std::string before = SettingsBytes();
    const auto changeEverything = [](CDialog& dlg) {
        for (int id :
             {IDC_AUTOUPDATE, IDC_SIMPLEENABLE, IDC_NOTITLE, IDC_LFCODE, IDC_NEWFORMAT, IDC_PLOT}) {
            ASSERT_TRUE(Headless::ClickCheckBox(dlg, id));
        }
        ASSERT_TRUE(Headless::TypeText(dlg, IDC_PATH, ""));
    };
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dlg) {
                  changeEverything(dlg);
                  ASSERT_TRUE(Headless::PressButton(dlg, IDCANCEL));
              }));
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& dlg) {
                  changeEverything(dlg);
                  ASSERT_TRUE(Headless::PressEscape(dlg));
              }));
    EXPECT_EQ(before, SettingsBytes());
}

}  // namespace
