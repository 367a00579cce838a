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

void WorkUnitInfo::Read(int kind) {
    found = false;
    std::vector<char> text;
    bool statusMissing = false;
    const bool fromWorkUnit = Guarded([&] {
        CFile file;
        OpenClientFile(file, directory, ClientFileName(kind, "work_unit.txt", "work_unit.sah"));
        CFileStatus status;
        if (!file.GetStatus(status)) {
            statusMissing = true;
            return;
        }
        file_time = status.m_mtime;
        text = ReadClientFile(file, std::min<std::int64_t>(status.m_size, kMaxWorkUnitBytes));
    });
    if (statusMissing) {
        return;
    }
    if (!fromWorkUnit) {
        text.clear();
        // The client replaces the work unit by its result when it has finished it.
        const bool fromResult = Guarded([&] {
            CFile file;
            OpenClientFile(file, directory, ClientFileName(kind, "result.txt", "result.sah"));
            text = ReadClientFile(file, file.GetLength());
        });
        if (!fromResult) {
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
