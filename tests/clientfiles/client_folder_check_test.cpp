// Why a client folder could not be read, as the overview's status says it: each kind of folder
// and file that fails a load gets its own answer.
#include "clientfiles/client_folder_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/paths.h"
#include "support/temp_dir.h"

namespace {

void ExpectProblem(const ReadProblem& problem, ReadFault fault, const char* file) {
    EXPECT_EQ(problem.fault, fault);
    EXPECT_EQ(problem.file, file);
}

}  // namespace

TEST(ClientFolderCheck, EachFailedLoadSaysWhatIsWrong) {
    TempDir dir;
    const CString root(dir.path());
    ExpectProblem(WorkUnitReadProblem(JoinPath(root, "gone")), ReadFault::FolderMissing, "");
    dir.Write("plain", "x");
    ExpectProblem(WorkUnitReadProblem(JoinPath(root, "plain")), ReadFault::FolderMissing, "");
    ExpectProblem(WorkUnitReadProblem(root), ReadFault::NoClientFiles, "");

    // The first work-unit or result name that is taken, by either set of names.
    std::filesystem::create_directory(dir.File("result.txt"));
    ExpectProblem(WorkUnitReadProblem(root), ReadFault::NotAFile, "result.txt");
    std::filesystem::create_symlink(dir.File("nowhere"), dir.File("work_unit.sah"));
    ExpectProblem(WorkUnitReadProblem(root), ReadFault::NoFile, "work_unit.sah");
    dir.Remove("work_unit.sah");
    // Opens, but holds no whole record (cut while written).
    dir.Write("work_unit.sah", "name=half");
    ExpectProblem(WorkUnitReadProblem(root), ReadFault::NotWhole, "work_unit.sah");

    // The file beside a work unit that was read.
    ExpectProblem(FileReadProblem(root, "state.sah"), ReadFault::NoFile, "state.sah");
    ExpectProblem(FileReadProblem(JoinPath(root, "gone"), "state.sah"), ReadFault::FolderMissing,
                  "");
}
