// The interface's language: which one a user's locale gets, the compiled catalog read as msgfmt
// writes it (and refused when damaged), and the English texts reaching pages, dialogs and the
// command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "clientfiles/work_unit_info.h"
#include "pages/work_unit_page.h"
#include "platform/base/message_catalog.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"
#include "support/english_interface.h"
#include "support/temp_dir.h"

namespace {

constexpr UiLanguage J = UiLanguage::kJapanese;
constexpr UiLanguage E = UiLanguage::kEnglish;

}  // namespace

TEST(InterfaceLanguage, JapaneseUnderJapaneseAndCLocalesEnglishUnderAnyOther) {
    struct Case {
        LocaleEnvironment environment;
        UiLanguage expected;
    };
    const Case cases[] = {
        {{}, J},
        {{nullptr, nullptr, "C"}, J},
        {{nullptr, nullptr, "C.UTF-8"}, J},
        {{nullptr, nullptr, "POSIX"}, J},
        {{nullptr, nullptr, "ja_JP.UTF-8"}, J},
        {{nullptr, nullptr, "ja"}, J},
        {{nullptr, nullptr, "en_US.UTF-8"}, E},
        {{nullptr, nullptr, "de_DE.UTF-8"}, E},
        {{nullptr, nullptr, "fr_FR@euro"}, E},
        // LC_ALL over LC_MESSAGES over LANG; an empty one does not count.
        {{"C", "en_US.UTF-8", "en_US.UTF-8"}, J},
        {{"", "ja_JP.UTF-8", "en_US.UTF-8"}, J},
        {{"", "", "en_US.UTF-8"}, E},
        {{"de_DE.UTF-8", nullptr, "ja_JP.UTF-8"}, E},
        // LANGUAGE: ignored under C, else its first language with texts here decides.
        {{nullptr, nullptr, "C.UTF-8", "en"}, J},
        {{nullptr, nullptr, "ja_JP.UTF-8", "en_GB:ja"}, E},
        {{nullptr, nullptr, "en_US.UTF-8", "fr:ja_JP:en"}, J},
        {{nullptr, nullptr, "ja_JP.UTF-8", "fr:de"}, J},
        {{nullptr, nullptr, "de_DE.UTF-8", "fr"}, E},
        {{nullptr, nullptr, "en_US.UTF-8", ":ja"}, J},
        {{nullptr, nullptr, "ja_JP.UTF-8", ""}, J},
    };
    for (const Case& c : cases) {
        const LocaleEnvironment& e = c.environment;
        EXPECT_EQ(c.expected, ChooseUiLanguage(e))
            << "LC_ALL=" << (e.lcAll ? e.lcAll : "(unset)")
            << " LC_MESSAGES=" << (e.lcMessages ? e.lcMessages : "(unset)")
            << " LANG=" << (e.lang ? e.lang : "(unset)")
            << " LANGUAGE=" << (e.language ? e.language : "(unset)");
    }
}

// A catalog compiled by msgfmt itself, in both byte orders: every translation found, the header
// never; each shorter copy refused, and no copy read past its end (the fuzzer goes further).
TEST(MessageCatalog, ReadsWhatMsgfmtWritesAndRefusesATruncatedCatalog) {
    TempDir dir;
    dir.Write("t.po",
              "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
              "msgid \"停止\"\nmsgstr \"Stalled\"\n\n"
              "msgid \"二行\\n目\"\nmsgstr \"Two\\nlines\"\n\n"
              "msgid \"訳なし\"\nmsgstr \"\"\n");
    for (const char* endianness : {"--endianness=little", "--endianness=big"}) {
        std::string output;
        ASSERT_EQ(0, dir.Run({VANTREL_MSGFMT, endianness, "-o", "t.mo", "t.po"}, output)) << output;
        const std::string mo = dir.Read("t.mo");
        const auto* bytes = reinterpret_cast<const unsigned char*>(mo.data());
        const auto catalog = MessageCatalog::Read(bytes, mo.size());
        ASSERT_TRUE(catalog) << endianness;
        EXPECT_STREQ("Stalled", catalog->Find("停止"));
        EXPECT_STREQ("Two\nlines", catalog->Find("二行\n目"));
        EXPECT_EQ(nullptr, catalog->Find("訳なし"));  // msgfmt leaves it out
        EXPECT_EQ(nullptr, catalog->Find(""));
        EXPECT_EQ(nullptr, catalog->Find("停"));
        EXPECT_EQ(2u, catalog->Size());
        // The strings lie at the end of the data, so every shorter copy cuts one of them.
        for (size_t size = 0; size < mo.size(); ++size) {
            const std::vector<unsigned char> cut(bytes, bytes + size);
            EXPECT_FALSE(MessageCatalog::Read(cut.data(), cut.size())) << size << " bytes";
        }
    }
    const unsigned char notACatalog[32] = {'n', 'o', 't'};
    EXPECT_FALSE(MessageCatalog::Read(notACatalog, sizeof notACatalog));
}

TEST(EnglishInterface, TextsTemplatesAndCommandLineInEnglishJapaneseUnchanged) {
    WorkUnitInfo wu;
    wu.type = "data";
    wu.name = "01mr03aa.1234.5678.9.10";
    {
        const EnglishInterface english;
        EXPECT_STREQ("Running", Tr(Text::kStatusRunning));
        EXPECT_EQ("Data type:\n\nWU name:\nReceived:\nSETI Ver.:\nSplitter Ver.:",
                  BuildWorkUnitPage(wu).labels);
        const DialogTemplate& overview = LoadDialogTemplate(IDD_OVERVIEW);
        EXPECT_STREQ("Vantrel - Clients", overview.caption);
        EXPECT_STREQ("&Delete", overview.FindControl(IDC_REMOVE_CLIENT)->text);
        EXPECT_STREQ("", overview.FindControl(IDC_MESSAGE)->text);
        EXPECT_STREQ("Vantrel Version 3.30",
                     LoadDialogTemplate(IDD_ABOUTBOX).controls[1].text);  // never translated
        StartRequest request;
        EXPECT_EQ("vantrel: unknown option '--bogus'\nTry 'vantrel --help' for more information.\n",
                  ParseCommandLine({"--bogus"}, request)->text);
        EXPECT_EQ(0u, UsageText().find("Usage: vantrel [DIR]\n"));
    }
    EXPECT_STREQ("実行中", Tr(Text::kStatusRunning));
    EXPECT_EQ("データ種別：\n\nWU名：\n受信時刻：\nSETI Ver.：\nSplitter Ver.：",
              BuildWorkUnitPage(wu).labels);
    EXPECT_STREQ("Vantrel - クライアント一覧", LoadDialogTemplate(IDD_OVERVIEW).caption);
    StartRequest request;
    EXPECT_EQ(
        "vantrel: 不明なオプションです: '--bogus'\n詳しくは 'vantrel --help' を実行して下さい。\n",
        ParseCommandLine({"--bogus"}, request)->text);
}
