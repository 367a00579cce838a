// Items found by a name they hold themselves. A long CSV log reads a name on each line, and the
// slots of 100,000 names are more than the caches hold: std::unordered_map copies each name and
// chases a bucket and a node per look-up, which made reading the history's log 35 to 70 % slower.
// Here each slot is one word over the items' own names, and a caller that knows the names it
// looks up next asks for their slots ahead (Prefetch).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class NameIndex {
public:
    static std::uint32_t Hash(std::string_view name) {
        return static_cast<std::uint32_t>(std::hash<std::string_view>()(name));
    }

    void Clear() {
        m_slots.clear();
        m_count = 0;
    }
    // Room for that many names without growing again.
    void Reserve(size_t names) {
        if (names * 2 > m_slots.size()) {
            Grow(names);
        }
    }
    // Asks for the slot of the name with this hash from memory, ahead of its FindOrAdd.
    void Prefetch(std::uint32_t hash) const {
        if (!m_slots.empty()) {
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
        }
    }

    // The item named name, whose hash is hash (nameOf(i) gives item i's name): its index, and
    // false; or, when no item is named so, next (below 2^32 - 1) is taken as its index: next,
    // and true.
    template <class NameOf>
    std::pair<size_t, bool> FindOrAdd(std::string_view name, std::uint32_t hash, size_t next,
                                      const NameOf& nameOf) {
        Reserve(m_count + 1);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const std::uint64_t slot = m_slots[i];
            if (slot == 0) {
                m_slots[i] = (std::uint64_t{hash} << 32) | (next + 1);
                ++m_count;
                return {next, true};
            }
            const size_t item = (slot & 0xFFFFFFFFu) - 1;
            if ((slot >> 32) == hash && nameOf(item) == name) {
                return {item, false};
            }
        }
    }

private:
    void Grow(size_t names);

    // Open addressing: a slot holds the name's hash in its upper half and the item's index + 1
    // in its lower half (0: empty); at most half the slots are taken.
    std::vector<std::uint64_t> m_slots;
    size_t m_count = 0;
};
