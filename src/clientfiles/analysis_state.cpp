#include "clientfiles/analysis_state.h"

#include <array>
#include <string_view>
#include <utility>

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"
#include "clientfiles/work_unit_info.h"

namespace {

using A = AnalysisState;

// "bg_pot 0" .. "bg_pot 63": the text "bg_pot", a blank and the index in decimal without
// leading zeros, so "bg_pot 07" or "bg_pot 64" is no key of the file.
struct BgPotKeyName {
    char text[10] = {};
    std::size_t length = 0;
};

constexpr std::array<BgPotKeyName, A::kBgPotCount> MakeBgPotKeyNames() {
    std::array<BgPotKeyName, A::kBgPotCount> names{};
    for (int index = 0; index < A::kBgPotCount; ++index) {
        BgPotKeyName& name = names[static_cast<std::size_t>(index)];
        for (const char ch : {'b', 'g', '_', 'p', 'o', 't', ' '}) {
            name.text[name.length++] = ch;
        }
        if (index >= 10) {
            name.text[name.length++] = static_cast<char>('0' + index / 10);
        }
        name.text[name.length++] = static_cast<char>('0' + index % 10);
    }
    return names;
}

constexpr std::array<BgPotKeyName, A::kBgPotCount> kBgPotKeyNames = MakeBgPotKeyNames();

// The 64 keys, each into its element of bg_pot.
template <int... Index>
constexpr std::array<KeyField<A>, sizeof...(Index)> BgPotKeys(
    std::integer_sequence<int, Index...>) {
    return {KeyField<A>{std::string_view(kBgPotKeyNames[Index].text, kBgPotKeyNames[Index].length),
                        &AsDecimalElement<&A::bg_pot, Index>}...};
}

constexpr auto kBgPotKeys = BgPotKeys(std::make_integer_sequence<int, A::kBgPotCount>());

constexpr KeyField<A> kNamedKeys[] = {
    {"ncfft", nullptr},
    {"cr", nullptr},
    {"fl", &AsInteger<&A::fl>},
    {"cpu", &AsDecimal<&A::cpu>},
    {"prog", &AsDecimal<&A::prog>},
    {"bs_power", &AsDecimal<&A::bs_power>},
    {"bs_score", &AsDecimal<&A::bs_score>},
    {"bs_bin", nullptr},
    {"bs_fft_ind", nullptr},
    {"bs_chirp_rate", &AsDecimal<&A::bs_chirp_rate>},
    {"bs_fft_len", nullptr},
    {"bg_score", &AsDecimal<&A::bg_score>},
    {"bg_power", &AsDecimal<&A::bg_power>},
    {"bg_chisq", &AsDecimal<&A::bg_chisq>},
    {"bg_bin", nullptr},
    {"bg_fft_ind", &AsInteger<&A::bg_fft_ind>},
    {"bg_chirp_rate", &AsDecimal<&A::bg_chirp_rate>},
    {"bg_fft_len", nullptr},
    {"bg_sigma", &AsDecimal<&A::bg_sigma>},
    {"bg_true_mean", &AsDecimal<&A::bg_true_mean>},
};

const KeyLookup<A>& Keys() {
    static const KeyLookup<A> lookup(kNamedKeys, kBgPotKeys);
    return lookup;
}

}  // namespace

void AnalysisState::Reset(const char* dir) {
    *this = AnalysisState(dir);
}

void AnalysisState::Read(ClientFileSet files, ParseMemo<AnalysisState>* memo) {
    found = false;
    found = ReadWholeClientFile(
        directory, FileName(files),
        [this, memo](const ClientText& text) {
            ParseThroughMemo(*this, text.view(), memo, Keys());
        },
        // The client empties the file when it starts a unit afresh: nothing is known yet.
        [this, memo] {
            if (memo) {
                memo->Forget();
            }
            const CString dir = directory;
            Reset(dir.GetString());
        });
}

void AnalysisState::Parse(char* text) {
    ParseKeyLines(text, *this, Keys());
}

double AnalysisState::GetBgPot(int index) const {
    return (index >= 0 && index < kBgPotCount) ? bg_pot[index] : 0.0;
}

void AnalysisState::ApplyResult(const WorkUnitInfo& wu) {
    if (found && wu.IsResult()) {
        prog = 1.0;
        cpu = wu.cpu_time;
    }
}
