#include "clientfiles/work_unit_info.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <iomanip>
#include <sstream>
#include <string>

#include "clientfiles/result_settling.h"
#include "platform/base/clock.h"
#include "support/temp_dir.h"

namespace {

void SetModificationTime(const std::string& path, long long seconds) {
    const struct timeval times[2] = {{static_cast<time_t>(seconds), 0},
                                     {static_cast<time_t>(seconds), 0}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

// Every field, in declaration order; splitter_version in hex.
std::string Fields(const WorkUnitInfo& wu) {
    std::ostringstream shown;
    shown << std::setprecision(15) << wu.name.GetString() << '|' << wu.type.GetString() << '|'
          << wu.version << '|' << std::hex << wu.splitter_version << std::dec;
    for (double value :
         {wu.start_ra, wu.start_dec, wu.end_ra, wu.end_dec, wu.angle_range, wu.time_recorded,
          wu.subband_center, wu.subband_base, wu.subband_sample_rate, wu.cpu_time}) {
        shown << '|' << value;
    }
    shown << '|' << wu.nsamples;
    return shown.str();
}

}  // namespace

// The unit, then its result (keys it lacks keep the unit's values), then neither; then the CR LF
// file. Only the number before time_recorded's date counts; nsamples after the header is data.
TEST(WorkUnitInfoTest, RealFilesOfBothKinds) {
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    std::string shown;
    const auto read = [&](ClientFileSet files) {
        wu.Read(files);
        shown += std::to_string(wu.file_time) + '|' + Fields(wu) + (wu.found ? "\n" : " missing\n");
    };
    dir.CopyFromData("sah/work_unit.sah", "work_unit.sah");
    SetModificationTime(dir.File("work_unit.sah"), 2200000000LL);  // after 2038
    read(ClientFileSet::Sah);
    dir.Remove("work_unit.sah");
    dir.CopyFromData("sah/result.sah", "result.sah");
    read(ClientFileSet::Sah);
    dir.Remove("result.sah");
    read(ClientFileSet::Sah);
    dir.CopyFromData("txt/work_unit.txt", "work_unit.txt");
    SetModificationTime(dir.File("work_unit.txt"), 1000000000LL);
    read(ClientFileSet::Txt);
    EXPECT_EQ(
        "2200000000|12fe99aa.2345.7890.438086.75|seti_wu|3|123|17.6312345|-12.5|17.6712345|-12.4|"
        "0.4521|2451545.25|1420625000|1420000000|9765.625|0|1048576\n"
        "2200000000|12fe99aa.2345.7890.438086.75|result|3|123|17.6312345|-12.5|17.6712345|-12.4|"
        "0.4521|2451545.25|1420625000|1420000000|9765.625|41493.806|1048576\n"
        "2200000000|12fe99aa.2345.7890.438086.75|result|3|123|17.6312345|-12.5|17.6712345|-12.4|"
        "0.4521|2451545.25|1420625000|1420000000|9765.625|41493.806|1048576 missing\n"
        "1000000000|12fe99aa.2345.7890.438086.75|seti_wu|1|123|17.6312345|-12.5|17.6712345|-12.4|"
        "1.2|2451545.25|1420625000|1420000000|9765.625|41493.806|1048576\n",
        shown);
}

// Header texts read one after another into the same object, so keys a file lacks keep their values.
TEST(WorkUnitInfoTest, HeaderTexts) {
    // "name=" then filler to exactly 3072 bytes, the last of them a 'Z': the most that is read.
    const std::string longName = std::string(3066, 'a') + "Z";
    const struct {
        std::string file, expected;
    } kCases[] = {
        // Versions convert as the C library's atoi and "%x" do; not hexadecimal keeps the value.
        {"version=010 (beta)\nsplitter_version=1a\nend_seti_header\n", "||10|1a"},
        {"splitter_version=0x2B\nend_seti_header", "||10|2b"},
        {"splitter_version=zz\nversion=abc\nend_seti_header\n", "||0|2b"},
        // The end marker counts only alone on its line, blanks aside.
        {"name=a\n  end_seti_header  \r\nname=b\n", "a||0|2b"},
        // A header that reaches the limit is read as far as it goes, end marker or not.
        {"name=" + longName, longName + "||0|2b"},
        {"name=" + longName + "Q", longName + "||0|2b"},
    };
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file.substr(0, 60));
        dir.Write("work_unit.sah", c.file);
        wu.Read(ClientFileSet::Sah);
        ASSERT_TRUE(wu.found);
        EXPECT_EQ(c.expected + "|0|0|0|0|0|0|0|0|0|0|0", Fields(wu));
    }
}

// A work unit or result caught while the client rewrites it ends inside its header, before the
// end marker and the limit of the read: not read at all, so no cut name or value gets in.
TEST(WorkUnitInfoTest, AHeaderCutShortIsNotRead) {
    const std::string whole = ReadDataFile("sah/work_unit.sah").substr(0, 1500);
    const std::string result = ReadDataFile("sah/result.sah");
    const size_t headerEnd = whole.find("end_seti_header");
    ASSERT_NE(headerEnd, std::string::npos);
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    dir.Write("work_unit.sah", whole);
    wu.Read(ClientFileSet::Sah);
    ASSERT_TRUE(wu.found);
    const std::string before = Fields(wu);
    // Every cut inside the header, and the empty file the client leaves at the start of a write.
    for (size_t cut = 0; cut < headerEnd + 15; cut += 7) {
        SCOPED_TRACE(cut);
        dir.Write("work_unit.sah", whole.substr(0, cut) + std::string(cut % 2, '\0'));
        wu.Read(ClientFileSet::Sah);
        EXPECT_FALSE(wu.found);
        EXPECT_EQ(Fields(wu), before);
    }
    dir.Write("work_unit.sah", whole.substr(0, headerEnd + 15));
    wu.Read(ClientFileSet::Sah);
    EXPECT_TRUE(wu.found);
    // The result file the same way, whole or cut.
    dir.Remove("work_unit.sah");
    dir.Write("result.sah", result.substr(0, result.find("end_seti_header") + 10));
    wu.Read(ClientFileSet::Sah);
    EXPECT_FALSE(wu.found);
    EXPECT_EQ(Fields(wu), before);
    dir.Write("result.sah", result);
    wu.Read(ClientFileSet::Sah);
    EXPECT_TRUE(wu.found);
    EXPECT_EQ(wu.type, "result");
}

// A result without the end of its header may be whole: it is taken as cut while its last write
// is recent or while it changes from one load to the next, and read once it has stayed the same.
// A work unit without it stays cut, however old.
TEST(WorkUnitInfoTest, AResultWithoutItsHeaderEndIsReadOnceItHasSettled) {
    const std::string result = ReadDataFile("sah/result.sah");
    const std::string unmarked = result.substr(0, result.find("end_seti_header"));
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    ResultSettling settling;
    const std::int64_t now = 1700000000;
    const auto readAt = [&](std::int64_t clock, std::int64_t written, const std::string& text) {
        dir.Write("result.sah", text);
        SetModificationTime(dir.File("result.sah"), written);
        Clock::Set(clock);
        wu.Read(ClientFileSet::Sah, nullptr, &settling);
        return wu.found;
    };
    EXPECT_FALSE(readAt(now, now, unmarked)) << "written just now";
    EXPECT_TRUE(readAt(now + 60, now, unmarked)) << "the same file a minute later";
    EXPECT_EQ(wu.type, "result");
    // Still growing, however old its time of writing says it is.
    std::string growing;
    for (size_t cut = 40; cut < unmarked.size(); cut += 40) {
        growing = unmarked.substr(0, cut);
        EXPECT_FALSE(readAt(now + 120, now, growing)) << cut;
    }
    EXPECT_TRUE(readAt(now + 180, now, growing)) << "it stopped growing";
    // A clock set back says nothing of the age: a second look that finds it the same does.
    EXPECT_FALSE(readAt(now - 3600, now, unmarked));
    EXPECT_TRUE(readAt(now - 3540, now, unmarked));
    // With the marker: at once. A work unit without it: never.
    EXPECT_TRUE(readAt(now, now, result));
    dir.Write("work_unit.sah", ReadDataFile("sah/work_unit.sah").substr(0, 200));
    SetModificationTime(dir.File("work_unit.sah"), now - 3600);
    for (int look = 0; look < 2; ++look) {
        wu.Read(ClientFileSet::Sah, nullptr, &settling);
        EXPECT_FALSE(wu.found);
    }
    Clock::UseSystemClock();
}
