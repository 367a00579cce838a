// A result file read without the line that ends its header. A work unit always has data after
// that line, so one without it is cut; nothing shows that every client ends a result's header
// so. Such a result is taken as still being written while its last write is recent or while it
// changed since the last look, and read once it has stayed the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

class ResultSettling {
public:
    // A write this recent may still go on.
    static constexpr std::int64_t kSettleSeconds = 5;

    // Whether the text (the file as read, last written at mtime) is to be taken as cut at now,
    // the load's time. Each call is a look that the next one compares with.
    bool StillWriting(std::string_view text, std::int64_t mtime, std::int64_t now);
    // The next unmarked result is a first look.
    void Forget() { m_last.reset(); }

private:
    struct Look {
        std::size_t size = 0;
        std::int64_t mtime = 0;
        std::size_t hash = 0;
        bool operator==(const Look& other) const {
            return size == other.size && mtime == other.mtime && hash == other.hash;
        }
    };
    std::optional<Look> m_last;
};
