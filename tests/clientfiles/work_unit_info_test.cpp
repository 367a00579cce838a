#include "clientfiles/work_unit_info.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <iomanip>
#include <sstream>
#include <string>

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
    const auto read = [&](int kind) {
        wu.Read(kind);
        shown += std::to_string(wu.file_time) + '|' + Fields(wu) + (wu.found ? "\n" : " missing\n");
    };
    dir.CopyFromData("sah/work_unit.sah", "work_unit.sah");
    SetModificationTime(dir.File("work_unit.sah"), 2200000000LL);  // after 2038
    read(2);
    dir.Remove("work_unit.sah");
    dir.CopyFromData("sah/result.sah", "result.sah");
    read(2);
    dir.Remove("result.sah");
    read(2);
    dir.CopyFromData("txt/work_unit.txt", "work_unit.txt");
    SetModificationTime(dir.File("work_unit.txt"), 1000000000LL);
    read(1);
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
        {"version=010 (beta)\nsplitter_version=1a\n", "||10|1a"},
        {"splitter_version=0x2B\n", "||10|2b"},
        {"splitter_version=zz\nversion=abc\n", "||0|2b"},
        // The end marker counts only alone on its line, blanks aside.
        {"name=a\n  end_seti_header  \r\nname=b\n", "a||0|2b"},
        {"name=" + longName, longName + "||0|2b"},
        {"name=" + longName + "Q", longName + "||0|2b"},
    };
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file.substr(0, 60));
        dir.Write("work_unit.sah", c.file);
        wu.Read(2);
        ASSERT_TRUE(wu.found);
        EXPECT_EQ(c.expected + "|0|0|0|0|0|0|0|0|0|0|0", Fields(wu));
    }
}
