#include "platform/base/message_catalog.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr size_t kHeaderSize = 28;

// The catalog's words, in the byte order its magic number was written in.
class Words {
public:
    Words(const unsigned char* data, size_t size, bool swapped)
        : m_data(data), m_size(size), m_swapped(swapped) {}

    std::optional<std::uint32_t> At(size_t offset) const {
        if (offset > m_size || m_size - offset < 4) {
            return std::nullopt;
        }
        const unsigned char* p = m_data + offset;
        return m_swapped ? std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 |
                               std::uint32_t(p[2]) << 8 | p[3]
                         : std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 |
                               std::uint32_t(p[1]) << 8 | p[0];
    }

    // The index-th string of the table at table: its length and offset are checked against the
    // data, and the string must end with its NUL.
    std::optional<std::string_view> String(std::uint32_t table, std::uint32_t index) const {
        const size_t entry = size_t(table) + size_t(index) * 8;
        const std::optional<std::uint32_t> length = At(entry);
        const std::optional<std::uint32_t> offset = At(entry + 4);
        if (!length || !offset || *offset > m_size || m_size - *offset <= *length ||
            m_data[size_t(*offset) + *length] != '\0') {
            return std::nullopt;
        }
        return std::string_view(reinterpret_cast<const char*>(m_data) + *offset, *length);
    }

private:
    const unsigned char* m_data;
    size_t m_size;
    bool m_swapped;
};

}  // namespace

std::optional<MessageCatalog> MessageCatalog::Read(const unsigned char* data, size_t size) {
    if (!data || size < kHeaderSize) {
        return std::nullopt;
    }
    const Words little(data, size, false);
    const bool swapped = *little.At(0) != kMagic;
    const Words words(data, size, swapped);
    // Major revisions above 1 are a format this reader does not know.
    if (*words.At(0) != kMagic || *words.At(4) >> 16 > 1) {
        return std::nullopt;
    }
    const std::uint32_t count = *words.At(8);
    const std::uint32_t originals = *words.At(12);
    const std::uint32_t translations = *words.At(16);
    if (count > size / 8) {
        return std::nullopt;
    }
    MessageCatalog catalog;
    catalog.m_translations.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::optional<std::string_view> original = words.String(originals, k);
        const std::optional<std::string_view> translation = words.String(translations, k);
        if (!original || !translation) {
            return std::nullopt;
        }
        if (!original->empty()) {
            catalog.m_translations.emplace(*original, translation->data());
        }
    }
    return catalog;
}

const char* MessageCatalog::Find(std::string_view text) const {
    const auto found = m_translations.find(text);
    return found == m_translations.end() ? nullptr : found->second;
}
