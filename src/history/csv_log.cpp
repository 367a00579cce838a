#include "history/csv_log.h"

#include <algorithm>

#include "history/csv_log_line.h"
#include "platform/base/cfile.h"
#include "platform/base/exceptions.h"

namespace {

constexpr size_t kChunk = 1 << 20;
constexpr size_t kCheckBytes = 64;
// A line of the new layout holds about 300 bytes.
constexpr size_t kLongestLine = 64 * 1024;

std::string ReadAt(CFile& file, std::int64_t offset, size_t count) {
    std::string bytes(count, '\0');
    file.Seek(offset);
    bytes.resize(file.Read(bytes.data(), count));
    return bytes;
}

}  // namespace

void CsvLog::Clear() {
    m_units.clear();
    m_nameSlots.clear();
    m_namesIndexed = 0;
    m_lines = 0;
    m_repeatedLines = 0;
    m_unreadableLines = 0;
    m_firstUnreadable.clear();
    m_offset = 0;
    m_skippingLine = false;
    m_head.clear();
    m_tail.clear();
}

CsvLog::ReadResult CsvLog::Read() {
    try {
        // Shared: the program itself may be appending a line meanwhile.
        // cppcheck-suppress badBitmaskCheck
        CFile file(m_path.GetString(), CFile::modeRead | CFile::shareDenyNone);
        CFileStatus status;
        file.GetStatus(status);
        if (status.m_size == m_seenSize && status.m_mtime == m_seenTime &&
            StillHolds(file, status.m_size)) {
            return ReadResult::kUnchanged;
        }
        const bool appended = m_seenSize >= 0 && StillHolds(file, status.m_size);
        if (!appended) {
            Clear();
        }
        ReadFrom(file);
        m_seenTime = status.m_mtime;
        return appended ? ReadResult::kAppended : ReadResult::kReloaded;
    } catch (const CException&) {
        return ReadResult::kFailed;
    }
}

bool CsvLog::StillHolds(CFile& file, std::int64_t size) {
    if (size < m_offset) {
        return false;
    }
    if (m_offset == 0) {
        return true;
    }
    return ReadAt(file, 0, m_head.size()) == m_head &&
           ReadAt(file, m_offset - static_cast<std::int64_t>(m_tail.size()), m_tail.size()) ==
               m_tail;
}

void CsvLog::ReadFrom(CFile& file) {
    file.Seek(m_offset);
    std::string buffer;
    size_t start = 0;  // of the first line not taken yet
    for (;;) {
        const size_t kept = buffer.size();
        buffer.resize(kept + kChunk);
        const size_t got = file.Read(buffer.data() + kept, kChunk);
        buffer.resize(kept + got);
        if (got == 0) {
            break;
        }
        for (size_t end = buffer.find('\n', kept); end != std::string::npos;
             end = buffer.find('\n', start)) {
            if (m_skippingLine) {
                m_skippingLine = false;  // the end of a line counted already
            } else {
                TakeLine(std::string_view(buffer).substr(start, end - start));
            }
            Consume(std::string_view(buffer).substr(start, end + 1 - start));
            start = end + 1;
        }
        // No line of the log is this long: it is counted once, and its bytes are not kept.
        if (buffer.size() - start > kLongestLine) {
            if (!m_skippingLine) {
                CountUnreadable(++m_lines);
                m_skippingLine = true;
            }
            Consume(std::string_view(buffer).substr(start));
            start = buffer.size();
        }
        buffer.erase(0, start);
        start = 0;
    }
    m_seenSize = m_offset + static_cast<std::int64_t>(buffer.size());
    if (m_offset > 0) {
        const size_t tail = std::min<std::int64_t>(m_offset, kCheckBytes);
        m_tail = ReadAt(file, m_offset - static_cast<std::int64_t>(tail), tail);
    }
}

void CsvLog::Consume(std::string_view bytes) {
    if (m_head.size() < kCheckBytes) {
        m_head.append(bytes.substr(0, kCheckBytes - m_head.size()));
    }
    m_offset += static_cast<std::int64_t>(bytes.size());
}

void CsvLog::CountUnreadable(int line) {
    ++m_unreadableLines;
    if (m_firstUnreadable.size() < kReportedLines) {
        m_firstUnreadable.push_back(line);
    }
}

void CsvLog::TakeLine(std::string_view line) {
    ++m_lines;
    LogUnit unit;
    switch (ParseCsvLogLine(line, unit)) {
        case LogLineKind::kUnit:
            break;
        case LogLineKind::kUnreadable:
            CountUnreadable(m_lines);
            return;
        case LogLineKind::kTitle:
        case LogLineKind::kBlank:
            return;
    }
    unit.line = m_lines;
    const auto [at, added] = FindOrAddName(unit.name.str());
    if (added) {
        m_units.push_back(std::move(unit));
        return;
    }
    ++m_repeatedLines;
    LogUnit& kept = m_units[at];
    if (!(unit.prog < kept.prog)) {
        kept = std::move(unit);
    }
}

std::pair<size_t, bool> CsvLog::FindOrAddName(std::string_view name) {
    if ((m_namesIndexed + 1) * 2 > m_nameSlots.size()) {
        // Twice as many slots, each entry moved by the hash it keeps.
        std::vector<std::uint64_t> slots(std::max<size_t>(1024, m_nameSlots.size() * 2), 0);
        for (const std::uint64_t slot : m_nameSlots) {
            if (slot != 0) {
                size_t i = (slot >> 32) & (slots.size() - 1);
                while (slots[i] != 0) {
                    i = (i + 1) & (slots.size() - 1);
                }
                slots[i] = slot;
            }
        }
        m_nameSlots = std::move(slots);
    }
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>()(name));
    const size_t mask = m_nameSlots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = m_nameSlots[i];
        if (slot == 0) {
            m_nameSlots[i] = (static_cast<std::uint64_t>(hash) << 32) | (m_units.size() + 1);
            ++m_namesIndexed;
            return {m_units.size(), true};
        }
        const size_t unit = (slot & 0xFFFFFFFFu) - 1;
        if ((slot >> 32) == hash && m_units[unit].name.str() == name) {
            return {unit, false};
        }
    }
}
