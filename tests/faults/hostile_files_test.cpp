// Files that are not what their names say: a FIFO, a device or a socket in place of a client file
// or the CSV log, client files far larger than any client writes, a client folder removed under
// the program. Each case runs in a child with a time limit, so a hang fails instead of stalling.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_folder_check.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "export/csv_export.h"
#include "export/export_test_support.h"
#include "faults/child_process.h"
#include "support/temp_dir.h"

using namespace export_test;

namespace {

constexpr unsigned kTimeLimit = 20;

// The four records read from dir as a load does; which of them were found.
std::string ReadAll(const std::string& dir) {
    ClientVersion version(dir.c_str());
    WorkUnitInfo wu(dir.c_str());
    AnalysisState state(dir.c_str());
    UserInfo user(dir.c_str());
    version.Read(ClientFileSet::Sah);
    wu.Read(ClientFileSet::Sah);
    state.Read(ClientFileSet::Sah);
    user.Read(ClientFileSet::Sah);
    return std::string(version.found ? "v" : "-") + (wu.found ? "w" : "-") +
           (state.found ? "s" : "-") + (user.found ? "u" : "-");
}

// A socket bound at path, as a stray daemon could leave one.
void MakeSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(0, bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address)) << path;
}

}  // namespace

// Each client file in turn replaced by a FIFO (nobody writes it), a socket or a link to a
// device: that file cannot be opened, the others read as ever, and nothing waits.
TEST(HostileFiles, AFifoSocketOrDeviceIsAClientFileThatCannotBeOpened) {
    RunInChild(
        [] {
            const struct {
                const char* name;
                const char* found;  // the records found with that file replaced
            } kFiles[] = {{"version.sah", "-wsu"},
                          {"work_unit.sah", "v-su"},
                          {"state.sah", "vw-u"},
                          {"user_info.sah", "vws-"}};
            for (const auto& file : kFiles) {
                for (const char* kind : {"fifo", "socket", "/dev/zero", "/dev/null"}) {
                    SCOPED_TRACE(std::string(file.name) + " as " + kind);
                    TempDir dir;
                    dir.CopyClientFiles("sah");
                    dir.Remove(file.name);
                    const std::string path = dir.File(file.name);
                    if (std::string(kind) == "fifo") {
                        ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
                    } else if (std::string(kind) == "socket") {
                        MakeSocket(path);
                    } else {
                        std::filesystem::create_symlink(kind, path);
                    }
                    EXPECT_EQ(file.found, ReadAll(dir.path()));
                }
            }
        },
        kTimeLimit);
}

// The CSV path naming a FIFO (with or without a reader), a device or a socket: the export fails
// at once and says so; it never blocks and never reports a line written into nothing.
TEST(HostileFiles, ACsvPathThatIsNoRegularFileFailsTheExport) {
    RunInChild(
        [] {
            TempDir dir;
            ASSERT_EQ(0, mkfifo(dir.File("fifo.csv").c_str(), 0600));
            ASSERT_EQ(0, mkfifo(dir.File("read.csv").c_str(), 0600));
            // A reader waiting on the second FIFO lets a plain open for writing succeed.
            const int reader = open(dir.File("read.csv").c_str(), O_RDONLY | O_NONBLOCK);
            ASSERT_GE(reader, 0);
            MakeSocket(dir.File("socket.csv"));
            CsvExportSettings settings;
            for (const std::string& path : {dir.File("fifo.csv"), dir.File("read.csv"),
                                            std::string("/dev/null"), dir.File("socket.csv")}) {
                settings.path = path;
                EXPECT_EQ(CsvExportResult::Failed, AppendCsvLine(settings, CTime(kUpdateTime),
                                                                 SampleWorkUnit(), SampleState()))
                    << path;
            }
            char byte;
            EXPECT_EQ(0, read(reader, &byte, 1)) << "the reader got something";
            close(reader);
        },
        kTimeLimit);
}

// A client file of 256 MiB (mostly sparse: the test costs little disk) is read only as far as
// the first MiB, parsed as far as it goes: a key line past that point is not seen, a line cut
// at it is cut.
TEST(HostileFiles, OnlyTheFirstMegabyteOfAHugeClientFileIsRead) {
    TempDir dir;
    dir.CopyClientFiles("sah");
    const std::string head = "prog=0.5\ncpu=100\n";
    constexpr size_t kMegabyte = 1 << 20;
    // Zero bytes end the text where they start, so up to the limit the filler is printable.
    // "\nfl=12345" crosses the limit after "\nfl=1234"; "cpu=7" lies past it.
    dir.Write("state.sah",
              head + std::string(kMegabyte - head.size() - 8, '#') + "\nfl=12345\ncpu=7\n");
    std::filesystem::resize_file(dir.File("state.sah"), 256 * kMegabyte);
    AnalysisState state(dir.path().c_str());
    state.Read(ClientFileSet::Sah);
    ASSERT_TRUE(state.found);
    EXPECT_EQ(0.5, state.prog);
    EXPECT_EQ(100.0, state.cpu);
    EXPECT_EQ(1234, state.fl);
}

// A program started in a folder that has since gone reads nothing, rather than the same names
// somewhere else. The child works inside a root of its own that holds client files, where "/"
// would be the wrong place to read them from.
TEST(HostileFiles, AClientFolderRemovedUnderTheProgramFailsTheLoad) {
    TempDir root;
    root.CopyClientFiles("sah");
    RunInChild(
        [&] {
            if (chroot(root.path().c_str()) != 0 || chdir("/") != 0) {
                SkipChild("cannot change the root directory (needs root)");
            }
            ASSERT_EQ("vwsu", ReadAll("/"));
            ASSERT_EQ(0, mkdir("/client", 0700));
            ASSERT_EQ(0, chdir("/client"));
            ASSERT_EQ(0, rmdir("/client"));
            EXPECT_EQ("----", ReadAll("."));
        },
        kTimeLimit);
}

// A client folder this user may not enter, or a client file it may not read, is unreadable for
// that reason: not a folder without a client.
TEST(HostileFiles, AFolderOrFileTheUserMayNotReadIsUnreadableForThatReason) {
    TempDir closed;
    TempDir client;
    closed.CopyClientFiles("sah");
    client.CopyClientFiles("sah");
    ASSERT_EQ(0, chmod(closed.path().c_str(), 0));
    ASSERT_EQ(0, chmod(client.File("state.sah").c_str(), 0));
    RunInChild(
        [&] {
            constexpr uid_t kNobody = 65534;  // root reads anything: become nobody
            if (geteuid() == 0 &&
                (chown(client.path().c_str(), kNobody, kNobody) != 0 ||
                 setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
                SkipChild("cannot become another user");
            }
            if (access(client.File("state.sah").c_str(), R_OK) == 0) {
                SkipChild("this user reads files without read permission");
            }
            EXPECT_EQ("----", ReadAll(closed.path()));
            const ReadProblem folder = WorkUnitReadProblem(CString(closed.path()));
            EXPECT_EQ(folder.fault, ReadFault::NoPermission);
            EXPECT_EQ(folder.file, "");
            EXPECT_EQ("vw-u", ReadAll(client.path()));
            const ReadProblem state = FileReadProblem(CString(client.path()), "state.sah");
            EXPECT_EQ(state.fault, ReadFault::NoPermission);
            EXPECT_EQ(state.file, "state.sah");
        },
        kTimeLimit);
    chmod(closed.path().c_str(), 0700);
}
