#include "clientfiles/work_unit_info.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <string>

#include "support/temp_dir.h"

namespace {

void SetModificationTime(const std::string& path, long long seconds) {
    const struct timeval times[2] = {{static_cast<time_t>(seconds), 0},
                                     {static_cast<time_t>(seconds), 0}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

WorkUnitInfo ReadIn(const TempDir& dir, int kind) {
    WorkUnitInfo wu(dir.path().c_str());
    wu.Read(kind);
    return wu;
}

}  // namespace

TEST(WorkUnitInfoTest, ReadsTheHeaderOfARealFile) {
    TempDir dir;
    dir.CopyFromData("sah/work_unit.sah", "work_unit.sah");
    SetModificationTime(dir.File("work_unit.sah"), 971550000);

    const WorkUnitInfo wu = ReadIn(dir, 2);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.directory, dir.path().c_str());
    EXPECT_EQ(wu.file_time, 971550000);
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
}

TEST(WorkUnitInfoTest, OlderClientFilesWithCrLfReadTheSame) {
    TempDir dir;
    dir.CopyFromData("txt/work_unit.txt", "work_unit.txt");
    const WorkUnitInfo wu = ReadIn(dir, 1);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.type, "seti_wu");
    EXPECT_EQ(wu.name, "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(wu.version, 1);
    EXPECT_DOUBLE_EQ(wu.angle_range, 1.2);
    EXPECT_EQ(wu.nsamples, 1048576);
    // Kind 2 looks for the ".sah" name only.
    EXPECT_FALSE(ReadIn(dir, 2).found);
}

TEST(WorkUnitInfoTest, FallsBackToTheResultFileAndKeepsTheFileTime) {
    TempDir dir;
    dir.CopyFromData("sah/work_unit.sah", "work_unit.sah");
    SetModificationTime(dir.File("work_unit.sah"), 2200000000LL);  // after 2038
    WorkUnitInfo wu(dir.path().c_str());
    wu.Read(2);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.file_time, 2200000000LL);

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

TEST(WorkUnitInfoTest, ReadsAtMost3072Bytes) {
    TempDir dir;
    // "name=" then filler to exactly 3072 bytes, the last of them a 'Z'.
    std::string file = "name=";
    file += std::string(3072 - file.size() - 1, 'a') + "Z";
    ASSERT_EQ(file.size(), 3072u);
    dir.Write("work_unit.sah", file);
    WorkUnitInfo wu = ReadIn(dir, 2);
    ASSERT_TRUE(wu.found);
    EXPECT_EQ(wu.name.GetLength(), 3067);
    EXPECT_EQ(wu.name.Right(1), "Z");

    dir.Write("work_unit.sah", file + "Q");
    wu = ReadIn(dir, 2);
    EXPECT_EQ(wu.name.GetLength(), 3067);
    EXPECT_EQ(wu.name.Right(1), "Z");

    // The result file has no cap.
    dir.Remove("work_unit.sah");
    dir.Write("result.sah", "type=result\n" + std::string(5000, '\n') + "cpu_time=7.5\n");
    wu = ReadIn(dir, 2);
    EXPECT_DOUBLE_EQ(wu.cpu_time, 7.5);
}

TEST(WorkUnitInfoTest, ConvertsVersionsLikeTheCLibrary) {
    TempDir dir;
    dir.Write("work_unit.sah", "version=010 (beta)\nsplitter_version=1a\n");
    WorkUnitInfo wu = ReadIn(dir, 2);
    EXPECT_EQ(wu.version, 10);
    EXPECT_EQ(wu.splitter_version, 26u);

    dir.Write("work_unit.sah", "splitter_version=0x1A\n");
    wu.Read(2);
    EXPECT_EQ(wu.splitter_version, 26u);

    // Not hexadecimal: the previous value stays.
    dir.Write("work_unit.sah", "splitter_version=zz\nversion=abc\n");
    wu.Read(2);
    EXPECT_EQ(wu.splitter_version, 26u);
    EXPECT_EQ(wu.version, 0);
}

TEST(WorkUnitInfoTest, TheEndMarkerMustStandAloneOnItsLine) {
    TempDir dir;
    dir.Write("work_unit.sah", "name=a\n  end_seti_header  \r\nname=b\n");
    EXPECT_EQ(ReadIn(dir, 2).name, "a");
    dir.Write("work_unit.sah", "name=a\nEND_SETI_HEADER\nend_seti_header=1\nname=b\n");
    EXPECT_EQ(ReadIn(dir, 2).name, "b");
}

TEST(WorkUnitInfoTest, CodePage932NamesBecomeUtf8) {
    TempDir dir;
    // "観測" in Shift-JIS, and a name that already is UTF-8.
    dir.Write("work_unit.sah", "name=\x8A\xCF\x91\xAA\ntype=\xE8\xA6\xB3\xE6\xB8\xAC\n");
    const WorkUnitInfo wu = ReadIn(dir, 2);
    EXPECT_EQ(wu.name, "\xE8\xA6\xB3\xE6\xB8\xAC");
    EXPECT_EQ(wu.type, "\xE8\xA6\xB3\xE6\xB8\xAC");
}
