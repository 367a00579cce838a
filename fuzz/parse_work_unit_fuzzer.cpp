// WorkUnitInfo::Parse on any text.
#include <cstddef>
#include <cstdint>

#include "parse_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::CheckParse<WorkUnitInfo>(data, size);
    return 0;
}
