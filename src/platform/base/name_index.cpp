#include "platform/base/name_index.h"

void NameIndex::Grow(size_t names) {
    size_t size = m_slots.empty() ? 1024 : m_slots.size();
    while (names * 2 > size) {
        size *= 2;
    }
    if (size == m_slots.size()) {
        return;
    }
    // Each entry moved by the hash it keeps.
    std::vector<std::uint64_t> slots(size, 0);
    for (const std::uint64_t slot : m_slots) {
        if (slot != 0) {
            size_t i = (slot >> 32) & (size - 1);
            while (slots[i] != 0) {
                i = (i + 1) & (size - 1);
            }
            slots[i] = slot;
        }
    }
    m_slots = std::move(slots);
}
