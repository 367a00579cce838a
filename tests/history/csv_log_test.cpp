// Reading the CSV log back: both layouts, title lines, line ends, names with commas and quotes,
// lines of older versions, unreadable lines counted where they are, a log that grows, and a
// byte-order mark before its first line.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "export/csv_line.h"
#include "history/csv_log.h"
#include "history/csv_log_line.h"
#include "history/log_calendar.h"
#include "history/log_lines.h"
#include "support/temp_dir.h"

namespace {

using log_lines::Basic;
using log_lines::New;

LogUnit ReadLine(const std::string& line, LogLineKind expected = LogLineKind::kUnit) {
    LogUnit unit;
    EXPECT_EQ(ParseCsvLogLine(line, unit), expected) << line;
    return unit;
}

TEST(CsvLogLine, BothLayoutsOlderLinesTitlesAndBlanksAreRead) {
    for (const std::string& line : {Basic(), New(), Basic() + "\r", New() + "\r"}) {
        SCOPED_TRACE(line);
        const LogUnit unit = ReadLine(line);
        EXPECT_EQ(unit.logged, *ParseLogTime("2024/03/04 05:06:07"));
        EXPECT_EQ(unit.name, "02ap02aa.1.2.3.4");
        EXPECT_EQ(unit.recorded, 1017758151);  // 2002-04-02 14:35:51 UT (date -u -d ... +%s)
        EXPECT_EQ(unit.start_ra, 12.5);
        EXPECT_EQ(unit.start_dec, 5.25);
        EXPECT_EQ(unit.end_ra, 12.531);
        EXPECT_EQ(unit.end_dec, 5.3);
        EXPECT_EQ(unit.prog, 1.0);
        EXPECT_EQ(unit.cpu, 7200.0);
        EXPECT_EQ(unit.bg_score, 3.25);
        EXPECT_EQ(unit.bg_power, 4.5);
    }
    ReadLine(log_lines::kTitle23, LogLineKind::kTitle);
    ReadLine(log_lines::kTitle23 + ",\"True Mean(Gaussians)\",\"Sigma(Gaussians)\"\r",
             LogLineKind::kTitle);
    ReadLine("", LogLineKind::kBlank);
    ReadLine("\r", LogLineKind::kBlank);

    // Older lines: an unsigned splitter version, an empty recording time, NaN where a division
    // failed.
    std::string older = Basic();
    older.replace(older.find(",288,2002/04/02 14:35:51,"), 25, ",4294967295,,");
    older.replace(older.find("3.250000"), 8, "-nan");
    const LogUnit unit = ReadLine(older);
    EXPECT_EQ(unit.recorded, kNoTime);
    EXPECT_TRUE(unit.bg_score != unit.bg_score);
}

TEST(CsvLogLine, NamesKeepTheirCommasAndQuotesAsTheProgramWritesThem) {
    // Through the program's own writer: commas stay, quotes are doubled.
    WorkUnitInfo wu;
    wu.start_ra = 1.0;
    AnalysisState state;
    state.cpu = 60.0;
    for (const char* name : {"a,\"b\",,c\"", "g,\"h", "\"", "a\"\"b", "\",", "x\",\"y"}) {
        wu.name = name;
        for (const bool newForm : {false, true}) {
            const CString line = FormatCsvLine(CTime(1700000000), wu, state, newForm, "");
            const LogUnit unit = ReadLine(line.str());
            EXPECT_EQ(unit.name, wu.name) << line.str();
            EXPECT_EQ(unit.cpu, 60.0);
            EXPECT_EQ(unit.start_ra, 1.0);
        }
    }
    // Older versions wrote the name between quotes as it was. A quote run of odd length is
    // theirs, and the name comes back as they wrote it, commas beside its quotes too; a text of
    // doubled quotes only reads as this program writes it now.
    const struct {
        const char* field;
        const char* name;
    } older[] = {
        {"\"o\"ld\"", "o\"ld"},         {"\"x,5.25\"", "x,5.25"},     {"\"\"", ""},
        {"\"g,\"h\"", "g,\"h"},         {"\",\"x\"", ",\"x"},         {"\"a\",\"b\"", "a\",\"b"},
        {"\"a\"b\"\"c\"", "a\"b\"\"c"}, {"\"a\"\"\"b\"", "a\"\"\"b"}, {"\"\"\"\"", "\""},
        {"\"a\"\"b\"", "a\"b"},
    };
    for (const auto& line : older) {
        EXPECT_EQ(ReadLine(Basic("2024/03/04 05:06:07", line.field)).name, CString(line.name));
        EXPECT_EQ(ReadLine(New("2024/03/04 05:06:07", line.field)).name, CString(line.name));
    }
    // Shift-JIS from a log written on a Japanese system comes out as UTF-8.
    EXPECT_EQ(ReadLine(Basic("2024/03/04 05:06:07", "\"\x83\x65\x83\x58\x83\x67\"")).name,
              "テスト");
}

TEST(CsvLogLine, NumbersReadAsTheCLibraryReadsThem) {
    const auto cpuOf = [](const std::string& text) {
        return ReadLine(Basic("2024/03/04 05:06:07", "\"u\"", text)).cpu;
    };
    // "%.Nf" texts of many sizes, as the log writes them: strtod is the reference.
    unsigned seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double value = (static_cast<double>(seed % 2000000) - 1000000.0) *
                             std::pow(10.0, static_cast<int>(seed % 13) - 6);
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", static_cast<int>(seed / 7 % 7), value);
        ASSERT_EQ(cpuOf(text), std::strtod(text, nullptr)) << text;
    }
    // Either side of 15 digits, where the digits stop fitting a double exactly; a point with
    // nothing on one side; a negative zero.
    for (const char* text :
         {"999999999999999", "9999999999999999", "0.000000000000001", "1.0000000000000001",
          "123456789.0123456", ".5", "5.", "-.5", "-0.000"}) {
        const double cpu = cpuOf(text);
        const double reference = std::strtod(text, nullptr);
        EXPECT_EQ(cpu, reference) << text;
        EXPECT_EQ(std::signbit(cpu), std::signbit(reference)) << text;
    }
    EXPECT_TRUE(std::isinf(cpuOf("-inf")));
}

// The line with the first occurrence of from replaced.
std::string With(std::string line, const std::string& from, const std::string& to) {
    return line.replace(line.find(from), from.size(), to);
}

TEST(CsvLogLine, DamagedLinesAreUnreadable) {
    const std::string line = Basic();
    const std::string cases[] = {
        line.substr(0, line.size() / 2),            // cut short
        line.substr(0, line.size() - 9) + Basic(),  // cut, and the next line joined
        line.substr(0, 25) + Basic(),               // the same, cut in the name
        line.substr(0, 21) + New("2024/03/05 05:06:07", "\"o\"ld\""),  // cut after its quote
        "2024/02/30 05:06:07" + line.substr(19),                       // no such day
        line + ",1.0",                                                 // 24 columns
        New() + ",1.0",                                                // 29 columns
        Basic("2024/03/04 05:06:07", "02ap02aa.1.2.3.4"),    // the name without its quotes
        Basic("2024/03/04 05:06:07", "\"\"\"", "72O0.000"),  // a letter in a number
        Basic("2024/03/04 05:06:07", "\"x\"", "1e5"),        // not a form printf writes here
        Basic("2024/03/04 05:06:07", "\"x\"", ""),           // an empty number
        "no commas at all",
        "\"Update\"",
        Basic("2024/03/04 05:06:07", "\"x\"", "1.2.3"),                // two points
        Basic("2024/03/04 05:06:07", "\"x\"", "nan5"),                 // more after NaN
        Basic("2024/03/04 05:06:07", "\"x\"", "--1.0"),                // two signs
        Basic("2024/03/04 05:06:07", "\"x\"", "-"),                    // a sign alone
        With(line, ",2024/03/01 10:00:00,", ",2024/13/01 10:00:00,"),  // no 13th month
        With(line, ",3,288,", ",3a,288,"),                             // a letter in a version
        With(New(), ",12,", ",1.2,"),                                  // a point in t0
    };
    for (const std::string& text : cases) {
        ReadLine(text, LogLineKind::kUnreadable);
    }
}

class CsvLogFile : public testing::Test {
protected:
    std::string Path() const { return m_dir.File("export.csv"); }
    void Append(const std::string& text) const {
        m_dir.Write("export.csv",
                    (m_dir.Exists("export.csv") ? m_dir.Read("export.csv") : "") + text);
    }
    TempDir m_dir;
};

TEST_F(CsvLogFile, ALineTooLongToBeTheLogsIsCountedOnceAndNotKept) {
    // 3 MiB without a line end, between two units; then a growing file that starts one.
    Append(Basic("2024/01/01 00:00:00", "\"u1\"") + "\n" + std::string(3 << 20, 'x') + "\n" +
           Basic("2024/01/02 00:00:00", "\"u2\"") + "\n");
    CsvLog log(Path().c_str());
    log.Read();
    EXPECT_EQ(log.Units().size(), 2u);
    EXPECT_EQ(log.Units()[1].line, 3);
    EXPECT_EQ(log.FirstUnreadableLines(), std::vector<int>{2});
    Append(std::string(100 << 10, 'y'));
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kAppended);
    EXPECT_EQ(log.UnreadableLines(), 2);
    EXPECT_FALSE(log.HasPartialLine());
    Append("yyy\n" + Basic("2024/01/03 00:00:00", "\"u3\"") + "\n");
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kAppended);
    EXPECT_EQ(log.UnreadableLines(), 2);
    ASSERT_EQ(log.Units().size(), 3u);
    EXPECT_EQ(log.Units()[2].line, 5);
}

TEST_F(CsvLogFile, AUnitLoggedAgainKeepsTheLineWithTheMostProgress) {
    std::string half = Basic("2024/01/01 00:00:00", "\"u1\"", "3600.000");
    half.replace(half.find("1.000000"), 8, "0.500000");
    Append(Basic("2024/01/02 00:00:00", "\"u1\"", "7200.000") + "\n" + half + "\n" +
           Basic("2024/01/03 00:00:00", "\"u1\"", "7300.000") + "\n");
    CsvLog log(Path().c_str());
    log.Read();
    ASSERT_EQ(log.Units().size(), 1u);
    EXPECT_EQ(log.Units()[0].cpu, 7300.0);
    EXPECT_EQ(log.Units()[0].line, 3);
    EXPECT_EQ(log.RepeatedLines(), 2);
}

TEST_F(CsvLogFile, ALogOfManyMegabytesIsReadLineForLine) {
    // A title, then 20,000 lines, megabytes of them, of both layouts and both line ends: every
    // 7th names the unit two lines before it again, with less progress; every 1000th is damaged,
    // and the 500th after it blank; the last is being written.
    std::string text = log_lines::kTitle23 + "\n";
    int units = 0;
    int repeated = 0;
    for (int line = 2; line <= 20000; ++line) {
        const std::string name = "\"u" + std::to_string(units) + "\"";
        if (line % 1000 == 0) {
            text += Basic().substr(0, 100) + "\n";
        } else if (line % 1000 == 500) {
            text += "\r\n";
        } else if (line % 7 == 0 && units >= 2) {
            const std::string again = "\"u" + std::to_string(units - 2) + "\"";
            text += With(New("2024/05/01 00:00:00", again, "1.000"), "1.000000", "0.250000") + "\n";
            ++repeated;
        } else {
            text += (line % 2 ? Basic : New)("2024/01/01 00:00:00", name,
                                             std::to_string(line) + ".000") +
                    (line % 3 ? "\n" : "\r\n");
            ++units;
        }
    }
    text += Basic().substr(0, 30);
    Append(text);
    CsvLog log(Path().c_str());
    ASSERT_EQ(log.Read(), CsvLog::ReadResult::kReloaded);
    ASSERT_EQ(static_cast<int>(log.Units().size()), units);
    EXPECT_EQ(log.RepeatedLines(), repeated);
    EXPECT_EQ(log.UnreadableLines(), 20);
    EXPECT_EQ(log.FirstUnreadableLines(), (std::vector<int>{1000, 2000, 3000, 4000, 5000}));
    EXPECT_TRUE(log.HasPartialLine());
    // Each unit kept its own line: the one that named it first, whose number is its CPU time.
    for (size_t i = 0; i < log.Units().size(); ++i) {
        const LogUnit& unit = log.Units()[i];
        ASSERT_EQ(unit.name, ("u" + std::to_string(i)).c_str());
        ASSERT_EQ(unit.cpu, unit.line);
        ASSERT_EQ(unit.prog, 1.0);
    }
}

TEST_F(CsvLogFile, AGrowingLogIsReadFromWhereItStoppedAndAReplacedOneAgainWhole) {
    CsvLog log(Path().c_str());
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kMissing);  // not there yet
    Append(log_lines::kTitle23 + "\n" + Basic("2024/01/01 00:00:00", "\"u1\"") + "\n");
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kReloaded);
    ASSERT_EQ(log.Units().size(), 1u);
    // (A line still being written: the byte-order mark's test, and the history window's.)
    Append(Basic("2024/01/02 00:00:00", "\"u2\"") + "\nbad\n");
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kAppended);
    ASSERT_EQ(log.Units().size(), 2u);
    EXPECT_EQ(log.Units()[1].line, 3);
    EXPECT_EQ(log.FirstUnreadableLines(), std::vector<int>{4});

    // Rewritten by another program (shorter, then as long with other bytes): read anew.
    m_dir.Write("export.csv", Basic("2024/02/01 00:00:00", "\"u9\"") + "\n");
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kReloaded);
    ASSERT_EQ(log.Units().size(), 1u);
    EXPECT_EQ(log.Units()[0].name, "u9");
    EXPECT_EQ(log.UnreadableLines(), 0);
    m_dir.Write("export.csv", Basic("2024/02/01 00:00:00", "\"u8\"") + "\n");
    EXPECT_NE(log.Read(), CsvLog::ReadResult::kUnchanged);
    EXPECT_EQ(log.Units()[0].name, "u8");

    // Gone, then a folder in its place: what was read stays.
    m_dir.Remove("export.csv");
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kMissing);
    std::filesystem::create_directory(Path());
    EXPECT_EQ(log.Read(), CsvLog::ReadResult::kFailed);
    EXPECT_EQ(log.Units().size(), 1u);
}

TEST_F(CsvLogFile, AByteOrderMarkBeforeTheFirstLineIsSkippedAlsoAsTheLogGrows) {
    const std::string mark = "\xEF\xBB\xBF";
    for (const std::string& first : {Basic("2024/01/01 00:00:00", "\"u1\""), log_lines::kTitle23}) {
        SCOPED_TRACE(first.substr(0, 10));
        m_dir.Remove("export.csv");
        // Written a few bytes at a time, the mark itself in two parts.
        const std::string text = mark + first + "\n" + Basic("2024/01/02 00:00:00", "\"u2\"") +
                                 "\n" + mark + Basic("2024/01/03 00:00:00", "\"u3\"") + "\n";
        CsvLog log(Path().c_str());
        for (const size_t end : {size_t{2}, size_t{3}, size_t{40}, text.size() - 30, text.size()}) {
            m_dir.Write("export.csv", text.substr(0, end));
            EXPECT_EQ(log.Read(),
                      end == 2 ? CsvLog::ReadResult::kReloaded : CsvLog::ReadResult::kAppended);
        }
        // The mark belongs before the first line only: one before the third is damage.
        const size_t units = first == log_lines::kTitle23 ? 1 : 2;
        ASSERT_EQ(log.Units().size(), units);
        EXPECT_EQ(log.Units().back().name, "u2");
        EXPECT_EQ(log.Units().back().line, 2);
        EXPECT_EQ(log.Units().front().line, units == 2 ? 1 : 2);
        EXPECT_EQ(log.FirstUnreadableLines(), std::vector<int>{3});
        EXPECT_FALSE(log.HasPartialLine());
        EXPECT_EQ(log.Read(), CsvLog::ReadResult::kUnchanged);
    }
}

}  // namespace
