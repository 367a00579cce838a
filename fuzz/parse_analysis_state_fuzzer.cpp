// AnalysisState::Parse on any text.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "parse_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckParse<AnalysisState>(data, size);

    // Outside 0..63 the accessor answers 0.0 and reads nothing it does not own.
    AnalysisState state;
    std::vector<char> text = fuzz::ZeroTerminated(data, size);
    state.Parse(text.data());
    for (int index : {-1, AnalysisState::kBgPotCount, -2147483647 - 1, 2147483647}) {
        fuzz::Check(state.GetBgPot(index) == 0.0, "GetBgPot outside 0..63 is not 0.0");
    }
    return 0;
}
