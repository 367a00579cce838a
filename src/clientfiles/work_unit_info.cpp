#include "clientfiles/work_unit_info.h"

#include <algorithm>

#include "clientfiles/client_file_reader.h"

namespace {

const char* const kKeys[] = {
    "type",          "task",           "version",          "name",
    "data_type",     "data_class",     "splitter_version", "start_ra",
    "start_dec",     "end_ra",         "end_dec",          "angle_range",
    "time_recorded", "subband_center", "subband_base",     "subband_sample_rate",
    "fft_len",       "ifft_len",       "subband_number",   "receiver",
    "nsamples",      "tape_version",   "num_positions",    "cpu_time",
};

const KeyTable& Keys() {
    static const KeyTable table(kKeys, static_cast<int>(std::size(kKeys)));
    return table;
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
bool IsCutInsideHeader(const std::vector<char>& text, std::int64_t limit) {
    const std::int64_t bytesRead = static_cast<std::int64_t>(text.size()) - 1;
    return bytesRead < limit && !HasHeaderEnd(text.data());
}

}  // namespace

void WorkUnitInfo::Read(int kind) {
    found = false;
    std::vector<char> text;
    bool statusMissing = false;
    std::int64_t lastWrite = file_time;
    const bool fromWorkUnit = Guarded([&] {
        CFile file;
        OpenClientFile(file, directory, ClientFileName(kind, "work_unit.txt", "work_unit.sah"));
        CFileStatus status;
        if (!file.GetStatus(status)) {
            statusMissing = true;
            return;
        }
        lastWrite = status.m_mtime;
        text = ReadClientFile(file, std::min<std::int64_t>(status.m_size, kMaxWorkUnitBytes));
    });
    if (statusMissing) {
        return;
    }
    if (fromWorkUnit) {
        if (IsCutInsideHeader(text, kMaxWorkUnitBytes)) {
            return;
        }
        file_time = lastWrite;
    } else {
        // The client replaces the work unit by its result when it has finished it.
        const bool fromResult = Guarded([&] {
            CFile file;
            OpenClientFile(file, directory, ClientFileName(kind, "result.txt", "result.sah"));
            text = ReadClientFile(file, file.GetLength());
        });
        if (!fromResult || IsCutInsideHeader(text, kMaxClientFileBytes)) {
            return;
        }
    }
    found = Guarded([&] { Parse(text.data()); });
}

void WorkUnitInfo::Parse(char* text) {
    ParseKeyLines(
        text,
        [this](const CString& key, const CString& value) {
            switch (Keys().Position(key.str())) {
                case 0:
                    type = ConvertText(value);
                    break;
                case 2:
                    version = ConvertAtoi(value);
                    break;
                case 3:
                    name = ConvertText(value);
                    break;
                case 6:
                    ConvertHex(value, splitter_version);
                    break;
                case 7:
                    start_ra = ConvertAtof(value);
                    break;
                case 8:
                    start_dec = ConvertAtof(value);
                    break;
                case 9:
                    end_ra = ConvertAtof(value);
                    break;
                case 10:
                    end_dec = ConvertAtof(value);
                    break;
                case 11:
                    angle_range = ConvertAtof(value);
                    break;
                case 12:
                    time_recorded = ConvertAtof(value);
                    break;
                case 13:
                    subband_center = ConvertAtof(value);
                    break;
                case 14:
                    subband_base = ConvertAtof(value);
                    break;
                case 15:
                    subband_sample_rate = ConvertAtof(value);
                    break;
                case 20:
                    nsamples = ConvertAtol(value);
                    break;
                case 23:
                    cpu_time = ConvertAtof(value);
                    break;
                default:
                    break;  // task, data_type, ... and unknown keys
            }
        },
        [](const CString& line) { return line == kEndOfHeader; });
}
