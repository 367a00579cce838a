// The settings file format on any bytes: what was read is written back and read again unchanged,
// and the written text is stable.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/base/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SettingsStore::Entries read = SettingsStore::ParseSettings(text);
    for (const auto& [name, value] : read) {
        fuzz::Check(!name.first.empty() && !name.second.empty(), "an entry without a name");
    }
    const std::string written = SettingsStore::FormatSettings(read);
    const SettingsStore::Entries reread = SettingsStore::ParseSettings(written);
    fuzz::Check(reread == read, "entries changed when written and read again");
    fuzz::Check(SettingsStore::FormatSettings(reread) == written, "the written text is unstable");
    return 0;
}
