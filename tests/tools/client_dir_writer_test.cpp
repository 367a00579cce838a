#include "client_sim/client_dir_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "support/temp_dir.h"

namespace {

// What a reader polling the file sees while a write runs: the sizes it found, -1 for no file.
std::set<long long> SizesSeenDuring(const std::string& path, const std::function<void()>& write) {
    std::atomic<bool> done{false};
    std::set<long long> sizes;
    std::thread reader([&] {
        while (!done) {
            struct stat st {};
            sizes.insert(::stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : -1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    write();
    done = true;
    reader.join();
    return sizes;
}

}  // namespace

TEST(ClientDirWriterTest, TornWritesShowWhatAReaderMayCatchAndEndWhole) {
    TempDir dir;
    ClientDirWriter writer(dir.path(), std::chrono::milliseconds(150));
    const std::string text = "prog=0.25\ncpu=100.5\n";

    ASSERT_TRUE(writer.Write("state.sah", text, WriteStyle::Whole, 0));
    EXPECT_EQ(dir.Read("state.sah"), text);

    // Cut: the start of the file until the next repair.
    ASSERT_TRUE(writer.Write("state.sah", text, WriteStyle::Cut, 7));
    EXPECT_EQ(dir.Read("state.sah"), "prog=0.");
    ASSERT_TRUE(writer.RepairCutFiles());
    EXPECT_EQ(dir.Read("state.sah"), text);

    // Half-written: a reader finds the first part during the pause.
    const std::set<long long> halfSizes = SizesSeenDuring(dir.File("state.sah"), [&] {
        ASSERT_TRUE(writer.Write("state.sah", text, WriteStyle::HalfWritten, 10));
    });
    EXPECT_EQ(halfSizes.count(10), 1u);
    EXPECT_EQ(dir.Read("state.sah"), text);

    // Briefly missing: gone for the pause, then back whole.
    const std::set<long long> missingSizes = SizesSeenDuring(dir.File("state.sah"), [&] {
        ASSERT_TRUE(writer.Write("state.sah", text, WriteStyle::BrieflyMissing, 0));
    });
    EXPECT_EQ(missingSizes.count(-1), 1u);
    EXPECT_EQ(dir.Read("state.sah"), text);

    // A file removed after a cut is not brought back by the repair.
    ASSERT_TRUE(writer.Write("result.sah", text, WriteStyle::Cut, 3));
    ASSERT_TRUE(writer.Remove("result.sah"));
    ASSERT_TRUE(writer.RepairCutFiles());
    EXPECT_FALSE(dir.Exists("result.sah"));
    EXPECT_TRUE(writer.Remove("result.sah")) << "a file already gone is no failure";
}

TEST(ClientDirWriterTest, NothingIsWrittenOutsideTheDirectory) {
    TempDir parent;
    std::filesystem::create_directory(parent.File("client"));
    ClientDirWriter writer(parent.File("client"), std::chrono::milliseconds(1));
    for (const char* name : {"../escape.sah", "..", ".", "", "sub/state.sah", "/tmp/x.sah"}) {
        EXPECT_FALSE(writer.Write(name, "x=1\n", WriteStyle::Whole, 0)) << name;
        EXPECT_FALSE(writer.Remove(name)) << name;
        EXPECT_FALSE(writer.error().empty());
    }
    EXPECT_FALSE(parent.Exists("escape.sah"));
    EXPECT_TRUE(std::filesystem::is_empty(parent.File("client")));

    // A directory that has gone is a clear failure, not a crash.
    ClientDirWriter lost(parent.File("gone"), std::chrono::milliseconds(1));
    EXPECT_FALSE(lost.Write("state.sah", "prog=0\n", WriteStyle::Whole, 0));
    EXPECT_NE(lost.error().find("gone"), std::string::npos) << lost.error();
}
