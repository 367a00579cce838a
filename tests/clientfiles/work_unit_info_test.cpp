#include "clientfiles/work_unit_info.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace {

void SetModificationTime(const std::string& path, long long seconds) {
    const struct timeval times[2] = {{static_cast<time_t>(seconds), 0},
                                     {static_cast<time_t>(seconds), 0}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

}  // namespace

TEST(WorkUnitInfoTest, ARealFileThenItsResultThenNeither) {
    TempDir dir;
    dir.CopyFromData("sah/work_unit.sah", "work_unit.sah");
    SetModificationTime(dir.File("work_unit.sah"), 2200000000LL);  // after 2038

    WorkUnitInfo wu(dir.path().c_str());
    wu.Read(2);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.file_time, 2200000000LL);
    EXPECT_EQ(wu.type, "seti_wu");
    EXPECT_EQ(wu.name, "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(wu.version, 3);
    EXPECT_EQ(wu.splitter_version, 0x123u);
    EXPECT_DOUBLE_EQ(wu.start_ra, 17.6312345);
    EXPECT_DOUBLE_EQ(wu.start_dec, -12.5);
    EXPECT_DOUBLE_EQ(wu.end_ra, 17.6712345);
    EXPECT_DOUBLE_EQ(wu.end_dec, -12.4);
    EXPECT_DOUBLE_EQ(wu.angle_range, 0.4521);
    // Only the number before the bracketed date.
    EXPECT_DOUBLE_EQ(wu.time_recorded, 2451545.25);
    EXPECT_DOUBLE_EQ(wu.subband_center, 1420625000.0);
    EXPECT_DOUBLE_EQ(wu.subband_base, 1420000000.0);
    EXPECT_DOUBLE_EQ(wu.subband_sample_rate, 9765.625);
    // The file repeats "nsamples" after the end of the header; that line is data.
    EXPECT_EQ(wu.nsamples, 1048576);

    dir.Remove("work_unit.sah");
    dir.CopyFromData("sah/result.sah", "result.sah");
    wu.Read(2);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.type, "result");
    EXPECT_DOUBLE_EQ(wu.cpu_time, 41493.806);
    EXPECT_EQ(wu.file_time, 2200000000LL);
    // Keys the result lacks keep the work unit's values.
    EXPECT_DOUBLE_EQ(wu.subband_sample_rate, 9765.625);

    dir.Remove("result.sah");
    wu.Read(2);
    EXPECT_FALSE(wu.found);
    EXPECT_EQ(wu.name, "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(wu.directory, dir.path().c_str());
}

TEST(WorkUnitInfoTest, OlderClientFilesWithCrLfReadTheSame) {
    TempDir dir;
    dir.CopyFromData("txt/work_unit.txt", "work_unit.txt");
    WorkUnitInfo wu(dir.path().c_str());
    wu.Read(1);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.type, "seti_wu");
    EXPECT_EQ(wu.name, "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(wu.version, 1);
    EXPECT_DOUBLE_EQ(wu.angle_range, 1.2);
    EXPECT_EQ(wu.nsamples, 1048576);
    // Kind 2 looks for the ".sah" name only.
    wu.Read(2);
    EXPECT_FALSE(wu.found);
}

// Header texts read one after another into the same object, so keys a file lacks keep their
// values; each row shows name|type|version|splitter_version (hex) after the read.
TEST(WorkUnitInfoTest, HeaderTexts) {
    // "name=" then filler to exactly 3072 bytes, the last of them a 'Z': the most that is read.
    const std::string longName = std::string(3066, 'a') + "Z";
    const struct {
        std::string file;
        std::string expected;
    } kCases[] = {
        // Versions convert as the C library's atoi and "%x" do; not hexadecimal keeps the value.
        {"version=010 (beta)\nsplitter_version=1a\n", "||10|1a"},
        {"splitter_version=0x2B\n", "||10|2b"},
        {"splitter_version=zz\nversion=abc\n", "||0|2b"},
        // The end marker counts only alone on its line, blanks aside.
        {"name=a\n  end_seti_header  \r\nname=b\n", "a||0|2b"},
        {"name=a\nEND_SETI_HEADER\nend_seti_header=1\nname=b\n", "b||0|2b"},
        // "観測" in Shift-JIS, and a type that already is UTF-8.
        {"name=\x8A\xCF\x91\xAA\ntype=\xE8\xA6\xB3\xE6\xB8\xAC\n",
         "\xE8\xA6\xB3\xE6\xB8\xAC|\xE8\xA6\xB3\xE6\xB8\xAC|0|2b"},
        {"name=" + longName, longName + "|\xE8\xA6\xB3\xE6\xB8\xAC|0|2b"},
        {"name=" + longName + "Q", longName + "|\xE8\xA6\xB3\xE6\xB8\xAC|0|2b"},
    };
    TempDir dir;
    WorkUnitInfo wu(dir.path().c_str());
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file.substr(0, 60));
        dir.Write("work_unit.sah", c.file);
        wu.Read(2);
        ASSERT_TRUE(wu.found);
        std::ostringstream shown;
        shown << wu.name.GetString() << '|' << wu.type.GetString() << '|' << wu.version << '|'
              << std::hex << wu.splitter_version;
        EXPECT_EQ(shown.str(), c.expected);
    }

    // The result file has no such cap.
    dir.Remove("work_unit.sah");
    dir.Write("result.sah", "type=result\n" + std::string(5000, '\n') + "cpu_time=7.5\n");
    wu.Read(2);
    EXPECT_DOUBLE_EQ(wu.cpu_time, 7.5);
}
