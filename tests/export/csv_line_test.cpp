#include "export/csv_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "export/export_test_support.h"
#include "platform/base/clock.h"

using namespace export_test;

namespace {

std::vector<std::string> SplitOnCommas(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

// The line for the records in UTC, without its LF.
std::string LineFor(const WorkUnitInfo& wu, const AnalysisState& state, bool newForm = false,
                    std::int64_t updateTime = kUpdateTime) {
    const std::string line = FormatCsvLine(CTime(updateTime), wu, state, newForm, "\n").str();
    EXPECT_EQ('\n', line.back());
    return line.substr(0, line.size() - 1);
}

// Column 6 (Time(UT)) of the sample line with the given Julian date.
std::string RecordedTimeField(double julianDate) {
    WorkUnitInfo wu = SampleWorkUnit();
    wu.time_recorded = julianDate;
    return SplitOnCommas(LineFor(wu, SampleState()))[5];
}

}  // namespace

TEST(CsvLineFormat, TitleLinesHoldEveryQuotedTitleInOrder) {
    EXPECT_EQ(kTitle23 + "\n", FormatCsvTitle(false, "\n").str());
    EXPECT_EQ(kTitle28 + "\r\n", FormatCsvTitle(true, "\r\n").str());

    const std::vector<std::string> basic = SplitOnCommas(kTitle23);
    const std::vector<std::string> extended = SplitOnCommas(kTitle28);
    ASSERT_EQ(23u, basic.size());
    ASSERT_EQ(28u, extended.size());
    for (const std::string& title : extended) {
        EXPECT_TRUE(title.size() >= 2 && title.front() == '"' && title.back() == '"') << title;
    }
    EXPECT_EQ("\" Samples\"", basic[13]);
    EXPECT_EQ("\"Fit(Gaussians)\"", basic[22]);
    EXPECT_EQ("\"Chirp Rate(Gaussians)\"", extended[27]);
}

TEST(CsvLineFormat, WholeLineInBothLayouts) {
    ScopedTimeZone utc("UTC");
    const WorkUnitInfo wu = SampleWorkUnit();
    const AnalysisState state = SampleState();

    EXPECT_EQ(kSampleLine23 + "\n",
              FormatCsvLine(CTime(kUpdateTime), wu, state, false, "\n").str());
    EXPECT_EQ(kSampleLine23 + kSampleNewColumns + "\r\n",
              FormatCsvLine(CTime(kUpdateTime), wu, state, true, "\r\n").str());
    EXPECT_EQ(23u, SplitOnCommas(LineFor(wu, state)).size());
    EXPECT_EQ(28u, SplitOnCommas(LineFor(wu, state, true)).size());
}

TEST(CsvLineFormat, UpdateAndReceivedAreLocalTimesRecordingTimeIsUt) {
    {
        ScopedTimeZone tokyo("JST-9");
        const std::vector<std::string> fields =
            SplitOnCommas(LineFor(SampleWorkUnit(), SampleState()));
        EXPECT_EQ("2023/11/15 07:13:20", fields[0]);
        EXPECT_EQ("2001/09/09 10:46:40", fields[2]);
        EXPECT_EQ("2000/01/01 12:00:00", fields[5]);
    }
    // Calendar times past January 2038.
    ScopedTimeZone utc("UTC");
    WorkUnitInfo wu = SampleWorkUnit();
    wu.file_time = 4102444800 + 61;  // 2100-01-01 00:01:01 UTC
    const std::vector<std::string> fields =
        SplitOnCommas(LineFor(wu, SampleState(), false, 4102444800));
    EXPECT_EQ("2100/01/01 00:00:00", fields[0]);
    EXPECT_EQ("2100/01/01 00:01:01", fields[2]);
}

TEST(CsvLineFormat, ZeroesAndUnknownsGiveEmptyOrZeroFields) {
    ScopedTimeZone utc("UTC");
    WorkUnitInfo wu = SampleWorkUnit("unit");
    AnalysisState state = SampleState();

    wu.file_time = 0;
    EXPECT_NE(std::string::npos, LineFor(wu, state).find(",\"unit\",,26,16,"))
        << LineFor(wu, state);

    wu.subband_sample_rate = 0.0;
    EXPECT_EQ("0.00", SplitOnCommas(LineFor(wu, state))[12]);
    EXPECT_EQ("0.000", SplitOnCommas(LineFor(wu, state))[14]);

    state.prog = 0.0;
    std::vector<std::string> fields = SplitOnCommas(LineFor(wu, state));
    EXPECT_EQ("0.000000", fields[15]);
    EXPECT_EQ("1234.500", fields[16]);
    EXPECT_EQ("0.000", fields[17]);

    state.prog = 0.5;
    state.cpu = 3600.0;
    fields = SplitOnCommas(LineFor(wu, state));
    EXPECT_EQ("0.500000", fields[15]);
    EXPECT_EQ("3600.000", fields[16]);
    EXPECT_EQ("7200.000", fields[17]);

    // Only an exact zero is avoided; a tiny divisor is used as it is.
    state.prog = 1e-9;
    state.cpu = 1.0;
    wu.subband_sample_rate = 0.5;
    fields = SplitOnCommas(LineFor(wu, state));
    EXPECT_EQ("2097152.000", fields[14]);
    EXPECT_EQ("1000000000.000", fields[17]);
}

TEST(CsvLineFormat, RecordingTimeIsEmptyWhenTheJulianDateIsRefused) {
    ScopedTimeZone utc("UTC");
    Clock::Set(kUpdateTime);  // the export's own time must not show up as the recording time
    EXPECT_EQ("", RecordedTimeField(0.0));
    EXPECT_EQ("", RecordedTimeField(2469807.5));  // 2050-01-01 00:00
    EXPECT_EQ("", RecordedTimeField(2445700.0));  // 1983-12-31 12:00
    EXPECT_EQ("1984/01/01 00:00:00", RecordedTimeField(2445700.5));
    EXPECT_EQ("2049/12/31 12:00:00", RecordedTimeField(2469807.0));
    EXPECT_EQ("2000/01/01 00:00:00", RecordedTimeField(2451544.5));
    EXPECT_EQ("2000/01/01 18:00:00", RecordedTimeField(2451545.25));
    Clock::UseSystemClock();
}

TEST(CsvLineFormat, NamesAndVersionsAreWrittenAsTheyAre) {
    ScopedTimeZone utc("UTC");
    const std::string line = LineFor(SampleWorkUnit("a,b \"c\""), SampleState());
    EXPECT_EQ(0u, line.find("2023/11/14 22:13:20,\"a,b \"c\"\",2001/09/09 01:46:40,26,16,"))
        << line;

    // The splitter version is read as hexadecimal and written in decimal.
    WorkUnitInfo parsed;
    char header[] = "version=3\nsplitter_version=10\nend_seti_header\n";
    parsed.Parse(header);
    const std::vector<std::string> fields = SplitOnCommas(LineFor(parsed, SampleState()));
    EXPECT_EQ("3", fields[3]);
    EXPECT_EQ("16", fields[4]);

    WorkUnitInfo wide = SampleWorkUnit();
    wide.splitter_version = 0xffffffffu;
    EXPECT_EQ("4294967295", SplitOnCommas(LineFor(wide, SampleState()))[4]);
}
