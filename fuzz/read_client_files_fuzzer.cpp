// Reading whole client files. The first input byte picks the file (work unit, result, state,
// user info, version) and the kind (".txt" or ".sah" names); the rest is written as that file in
// a fresh directory and read by a record that already holds values. The read must succeed and
// leave the record as parsing the file's text (the first 3072 bytes of a work unit) would; only
// a work unit or result that ends inside its header must fail and change nothing.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "clientfiles/client_file_reader.h"
#include "record_members.h"

namespace {

struct ScratchFile {
    std::string dir;
    std::string path;

    ScratchFile(const char* name, const std::uint8_t* data, std::size_t size) {
        const char* tmp = getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vantrel-fuzz-XXXXXX";
        fuzz::Check(mkdtemp(pattern.data()) != nullptr, "mkdtemp failed");
        dir = pattern;
        path = dir + "/" + name;
        FILE* out = std::fopen(path.c_str(), "wb");
        fuzz::Check(out != nullptr, "cannot create the client file");
        fuzz::Check(std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0,
                    "cannot write the client file");
    }
    ~ScratchFile() {
        unlink(path.c_str());
        rmdir(dir.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
};

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Whether the first size bytes (up to a zero byte) hold a line that is "end_seti_header" once the
// blanks around it are gone.
bool HasHeaderEnd(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string blanks = " \t\n\v\f\r";
    std::size_t start = 0;
    const std::size_t end = std::min(text.find('\0'), text.size());
    while (start < end) {
        const std::size_t lineEnd = std::min(text.find('\n', start), end);
        const std::string line = text.substr(start, lineEnd - start);
        const std::size_t first = line.find_first_not_of(blanks);
        if (first != std::string::npos &&
            line.substr(first, line.find_last_not_of(blanks) - first + 1) == "end_seti_header") {
            return true;
        }
        start = lineEnd + 1;
    }
    return false;
}

// expected starts as a copy of record before the read and is turned into what the read must give.
// A header cut before its end and before the limit of the read must not be read at all.
template <typename Record, typename Expect>
void CheckRead(const char* name, ClientFileSet kind, const std::uint8_t* data, std::size_t size,
               Expect expect, std::size_t headerLimit = 0) {
    const ScratchFile file(name, data, size);
    // A roundabout directory, which the read replaces by the opened file's absolute directory.
    const std::string roundabout = file.dir + "/.";
    Record record = fuzz::Filled<Record>(1, roundabout.c_str());
    Record expected = record;
    record.Read(kind);
    if (headerLimit > 0 && size < headerLimit && !HasHeaderEnd(data, size)) {
        fuzz::Check(!record.found, "a header cut short was read");
        expected.directory = record.directory;
        fuzz::Check(fuzz::SameMembers(fuzz::Members(expected), fuzz::Members(record)),
                    "a header cut short changed the record");
        return;
    }
    fuzz::Check(record.found, "a readable client file was not found");
    fuzz::Check(record.directory.str() != roundabout && record.directory[0] == '/',
                "directory is not the absolute directory");
    fuzz::Check(SameFile(record.directory.str() + "/" + name, file.path),
                "directory is not the file's directory");
    expect(expected, file);
    fuzz::Check(fuzz::SameMembers(fuzz::Members(expected), fuzz::Members(record)),
                "Read did not give what parsing the file gives");
}

template <typename Record>
void ParseInto(Record& record, const std::uint8_t* data, std::size_t size) {
    std::vector<char> text = fuzz::ZeroTerminated(data, size);
    record.Parse(text.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int which = data[0] % 5;
    const bool txt = (data[0] / 5) % 2 == 1;
    const ClientFileSet kind = txt ? ClientFileSet::Txt : ClientFileSet::Sah;
    ++data;
    --size;
    switch (which) {
        case 0:
            CheckRead<WorkUnitInfo>(
                txt ? "work_unit.txt" : "work_unit.sah", kind, data, size,
                [&](WorkUnitInfo& expected, const ScratchFile& file) {
                    struct stat st {};
                    fuzz::Check(stat(file.path.c_str(), &st) == 0, "stat failed");
                    expected.file_time = st.st_mtim.tv_sec;
                    const std::size_t capped =
                        std::min<std::size_t>(size, WorkUnitInfo::kMaxWorkUnitBytes);
                    ParseInto(expected, data, capped);
                },
                WorkUnitInfo::kMaxWorkUnitBytes);
            break;
        case 1:  // no work unit: the result file is read whole and file_time is kept
            CheckRead<WorkUnitInfo>(
                txt ? "result.txt" : "result.sah", kind, data, size,
                [&](WorkUnitInfo& expected, const ScratchFile&) {
                    ParseInto(expected, data, size);
                },
                kMaxClientFileBytes);
            break;
        case 2:
            CheckRead<AnalysisState>(txt ? "state.txt" : "state.sah", kind, data, size,
                                     [&](AnalysisState& expected, const ScratchFile& file) {
                                         if (size == 0) {
                                             expected = AnalysisState(file.dir.c_str());
                                         } else {
                                             ParseInto(expected, data, size);
                                         }
                                     });
            break;
        case 3:
            CheckRead<UserInfo>(
                txt ? "user_info.txt" : "user_info.sah", kind, data, size,
                [&](UserInfo& expected, const ScratchFile&) { ParseInto(expected, data, size); });
            break;
        default:
            CheckRead<ClientVersion>(txt ? "version.txt" : "version.sah", kind, data, size,
                                     [&](ClientVersion& expected, const ScratchFile&) {
                                         expected.kind = kind;
                                         ParseInto(expected, data, size);
                                     });
            break;
    }
    return 0;
}
