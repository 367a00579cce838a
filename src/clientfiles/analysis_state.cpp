#include "clientfiles/analysis_state.h"

#include <iterator>

#include "clientfiles/client_file_reader.h"
#include "clientfiles/work_unit_info.h"

namespace {

constexpr int kFirstBgPotPosition = 20;

// Positions 0..19 are named keys; 20..83 are "bg_pot 0" .. "bg_pot 63".
const KeyTable& Keys() {
    static const KeyTable table = [] {
        static const char* const kNamed[kFirstBgPotPosition] = {
            "ncfft",
            "cr",
            "fl",
            "cpu",
            "prog",
            "bs_power",
            "bs_score",
            "bs_bin",
            "bs_fft_ind",
            "bs_chirp_rate",
            "bs_fft_len",
            "bg_score",
            "bg_power",
            "bg_chisq",
            "bg_bin",
            "bg_fft_ind",
            "bg_chirp_rate",
            "bg_fft_len",
            "bg_sigma",
            "bg_true_mean",
        };
        static std::vector<CString> potKeys;
        static std::vector<const char*> keys(std::begin(kNamed), std::end(kNamed));
        for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
            CString key;
            key.Format("bg_pot %d", i);
            potKeys.push_back(key);
        }
        for (const CString& key : potKeys) {
            keys.push_back(key.GetString());
        }
        return KeyTable(keys.data(), static_cast<int>(keys.size()));
    }();
    return table;
}

}  // namespace

void AnalysisState::Reset(const char* dir) {
    *this = AnalysisState(dir);
}

void AnalysisState::Read(int kind) {
    found = false;
    found = ReadWholeClientFile(
        directory, ClientFileName(kind, "state.txt", "state.sah"),
        [this](char* text) { Parse(text); },
        // The client empties the file when it starts a unit afresh: nothing is known yet.
        [this] {
            const CString dir = directory;
            Reset(dir.GetString());
        });
}

void AnalysisState::Parse(char* text) {
    ParseKeyLines(
        text,
        [this](const CString& key, const CString& value) {
            const int position = Keys().Position(key.str());
            switch (position) {
                case 2:
                    fl = ConvertAtoi(value);
                    break;
                case 3:
                    cpu = ConvertAtof(value);
                    break;
                case 4:
                    prog = ConvertAtof(value);
                    break;
                case 5:
                    bs_power = ConvertAtof(value);
                    break;
                case 6:
                    bs_score = ConvertAtof(value);
                    break;
                case 9:
                    bs_chirp_rate = ConvertAtof(value);
                    break;
                case 11:
                    bg_score = ConvertAtof(value);
                    break;
                case 12:
                    bg_power = ConvertAtof(value);
                    break;
                case 13:
                    bg_chisq = ConvertAtof(value);
                    break;
                case 15:
                    bg_fft_ind = ConvertAtoi(value);
                    break;
                case 16:
                    bg_chirp_rate = ConvertAtof(value);
                    break;
                case 18:
                    bg_sigma = ConvertAtof(value);
                    break;
                case 19:
                    bg_true_mean = ConvertAtof(value);
                    break;
                default:
                    if (position >= kFirstBgPotPosition &&
                        position < kFirstBgPotPosition + kBgPotCount) {
                        bg_pot[position - kFirstBgPotPosition] = ConvertAtof(value);
                    }
                    break;
            }
        },
        [](const CString&) { return false; });
}

double AnalysisState::GetBgPot(int index) const {
    return (index >= 0 && index < kBgPotCount) ? bg_pot[index] : 0.0;
}

void AnalysisState::ApplyResult(const WorkUnitInfo& wu) {
    if (found && wu.found && wu.type == "result") {
        prog = 1.0;
        cpu = wu.cpu_time;
    }
}
