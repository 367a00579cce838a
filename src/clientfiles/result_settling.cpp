#include "clientfiles/result_settling.h"

#include <functional>

bool ResultSettling::StillWriting(std::string_view text, std::int64_t mtime, std::int64_t now) {
    const Look look{text.size(), mtime, std::hash<std::string_view>{}(text)};
    const bool firstLook = !m_last;
    const bool changed = m_last && !(*m_last == look);
    m_last = look;
    const std::int64_t age = now - mtime;
    // A write after now: the clock was set back (or the file comes from a machine whose clock
    // is ahead), and its age says nothing. Only a second look that finds it the same does.
    if (age < 0) {
        return firstLook || changed;
    }
    return age < kSettleSeconds || changed;
}
