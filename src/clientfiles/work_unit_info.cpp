#include "clientfiles/work_unit_info.h"

#include <algorithm>

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"
#include "clientfiles/result_settling.h"
#include "clientfiles/value_conversions.h"
#include "platform/base/clock.h"

namespace {

using W = WorkUnitInfo;

constexpr KeyField<W> kKeys[] = {
    {"type", &AsText<&W::type>},
    {"task", nullptr},
    {"version", &AsInteger<&W::version>},
    {"name", &AsText<&W::name>},
    {"data_type", nullptr},
    {"data_class", nullptr},
    {"splitter_version", &AsHexadecimal<&W::splitter_version>},
    {"start_ra", &AsDecimal<&W::start_ra>},
    {"start_dec", &AsDecimal<&W::start_dec>},
    {"end_ra", &AsDecimal<&W::end_ra>},
    {"end_dec", &AsDecimal<&W::end_dec>},
    {"angle_range", &AsDecimal<&W::angle_range>},
    {"time_recorded", &AsDecimal<&W::time_recorded>},
    {"subband_center", &AsDecimal<&W::subband_center>},
    {"subband_base", &AsDecimal<&W::subband_base>},
    {"subband_sample_rate", &AsDecimal<&W::subband_sample_rate>},
    {"fft_len", nullptr},
    {"ifft_len", nullptr},
    {"subband_number", nullptr},
    {"receiver", nullptr},
    {"nsamples", &AsInteger<&W::nsamples>},
    {"tape_version", nullptr},
    {"num_positions", nullptr},
    {"cpu_time", &AsDecimal<&W::cpu_time>},
};

const KeyLookup<W>& Keys() {
    static const KeyLookup<W> lookup(kKeys);
    return lookup;
}

constexpr char kEndOfHeader[] = "end_seti_header";

}  // namespace

void WorkUnitInfo::Reset(const char* dir) {
    *this = WorkUnitInfo(dir);
}

namespace {

// Whether the text (up to its first zero byte) holds the line that ends the header.
bool HasHeaderEnd(const char* text) {
    std::string_view rest(text);
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = TrimWhiteSpace(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line == kEndOfHeader) {
            return true;
        }
    }
    return false;
}

// A file caught while the client rewrites it ends inside its header: before "end_seti_header"
// and before the limit of the read. Parsed, it would pass off the cut text as a unit (a phantom
// name, values of two units mixed), so it counts as not read.
bool EndsInsideHeader(const ClientText& text, std::int64_t limit) {
    return static_cast<std::int64_t>(text.size()) < limit && !HasHeaderEnd(text.data());
}

}  // namespace

void WorkUnitInfo::Read(ClientFileSet files, ParseMemo<WorkUnitInfo>* memo,
                        ResultSettling* settling) {
    found = false;
    ClientText text;
    bool statusMissing = false;
    std::int64_t lastWrite = file_time;
    const bool fromWorkUnit = Guarded([&] {
        CFile file;
        OpenClientFile(file, directory, ClientFileName(files, "work_unit.txt", "work_unit.sah"));
        CFileStatus status;
        if (!file.GetStatus(status)) {
            statusMissing = true;
            return;
        }
        lastWrite = status.m_mtime;
        ReadClientFile(file, std::min<std::int64_t>(status.m_size, kMaxWorkUnitBytes), text);
    });
    if (statusMissing) {
        return;
    }
    ResultSettling firstLook;
    ResultSettling& looks = settling ? *settling : firstLook;
    if (fromWorkUnit) {
        looks.Forget();
        // Its data part always follows the header: without the header's end it is cut.
        if (EndsInsideHeader(text, kMaxWorkUnitBytes)) {
            return;
        }
        file_time = lastWrite;
    } else {
        // The client replaces the work unit by its result when it has finished it.
        std::int64_t resultWrite = 0;
        const bool fromResult = Guarded([&] {
            CFile file;
            OpenClientFile(file, directory, ClientFileName(files, "result.txt", "result.sah"));
            CFileStatus status;
            file.GetStatus(status);
            resultWrite = status.m_mtime;
            ReadClientFile(file, status.m_size, text);
        });
        if (!fromResult) {
            looks.Forget();
            return;
        }
        if (!EndsInsideHeader(text, kMaxClientFileBytes)) {
            looks.Forget();
        } else if (looks.StillWriting(text.view(), resultWrite, Clock::Now())) {
            return;
        }
    }
    found = Guarded([&] { ParseThroughMemo(*this, text.view(), memo, Keys(), kEndOfHeader); });
}

void WorkUnitInfo::Parse(char* text) {
    ParseKeyLines(text, *this, Keys(), kEndOfHeader);
}
