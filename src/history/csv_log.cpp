#include "history/csv_log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "history/csv_log_line.h"
#include "platform/base/cfile.h"
#include "platform/base/exceptions.h"

namespace {

constexpr size_t kChunk = 1 << 20;
constexpr size_t kCheckBytes = 64;
// How many units ahead a name's slot is asked for from memory.
constexpr size_t kLookAhead = 8;
// A line of the new layout holds about 300 bytes.
constexpr size_t kLongestLine = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string ReadAt(CFile& file, std::int64_t offset, size_t count) {
    std::string bytes(count, '\0');
    file.Seek(offset);
    bytes.resize(file.Read(bytes.data(), count));
    return bytes;
}

}  // namespace

void CsvLog::Clear() {
    m_units.clear();
    m_names.Clear();
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
        ReadFrom(file, status.m_size);
        m_seenTime = status.m_mtime;
        return appended ? ReadResult::kAppended : ReadResult::kReloaded;
    } catch (const CFileException& e) {
        return e.m_lOsError == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
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

void CsvLog::ReadFrom(CFile& file, std::int64_t size) {
    file.Seek(m_offset);
    // A chunk after the start of a line the last chunk ended in; no larger than the file needs.
    const auto chunk = static_cast<size_t>(
        std::clamp<std::int64_t>(size - m_offset + 1, 1, static_cast<std::int64_t>(kChunk)));
    std::vector<char> buffer(kLongestLine + chunk);
    std::vector<ReadUnit> read;
    const std::int64_t startOffset = m_offset;
    const size_t unitsBefore = m_units.size();
    bool reserved = false;
    size_t kept = 0;  // bytes of a line begun in the last chunk, at the buffer's start
    for (;;) {
        const size_t got = file.Read(buffer.data() + kept, chunk);
        if (got == 0) {
            break;
        }
        const std::string_view bytes(buffer.data(), kept + got);
        size_t start = 0;  // of the first line not taken yet
        for (size_t end = bytes.find('\n', kept); end != std::string_view::npos;
             end = bytes.find('\n', start)) {
            if (m_skippingLine) {
                m_skippingLine = false;  // the end of a line counted already
            } else {
                TakeLine(bytes.substr(start, end - start), read);
            }
            Consume(bytes.substr(start, end + 1 - start));
            start = end + 1;
        }
        AddUnits(read);
        if (!reserved && !m_units.empty()) {
            reserved = ReserveForUnits(m_units.size() - unitsBefore, m_offset - startOffset,
                                       size - m_offset);
        }
        // No line of the log is this long: it is counted once, and its bytes are not kept.
        if (bytes.size() - start > kLongestLine) {
            if (!m_skippingLine) {
                CountUnreadable(++m_lines);
                m_skippingLine = true;
            }
            Consume(bytes.substr(start));
            start = bytes.size();
        }
        kept = bytes.size() - start;
        std::memmove(buffer.data(), buffer.data() + start, kept);
    }
    if (reserved && m_units.capacity() - m_units.size() > m_units.size() / 4) {
        m_units.shrink_to_fit();  // the rest of the log named fewer new units than its start
    }
    m_seenSize = m_offset + static_cast<std::int64_t>(kept);
    if (m_offset > 0) {
        const size_t tail = std::min<std::int64_t>(m_offset, kCheckBytes);
        m_tail = ReadAt(file, m_offset - static_cast<std::int64_t>(tail), tail);
    }
}

bool CsvLog::ReserveForUnits(size_t added, std::int64_t read, std::int64_t rest) {
    // As many more units as the bytes read so far added, in proportion, and a little more; so
    // that the units of a long log are not moved again and again as they grow.
    if (read <= 0 || rest <= 0) {
        return false;
    }
    const double wanted =
        static_cast<double>(m_units.size()) +
        static_cast<double>(added) * static_cast<double>(rest) / static_cast<double>(read) * 1.01;
    if (!(wanted < static_cast<double>(m_units.max_size()))) {
        return false;
    }
    try {
        m_units.reserve(static_cast<size_t>(wanted) + 16);
        m_names.Reserve(m_units.capacity());
    } catch (const std::exception&) {
        return false;  // too many to make room for at once: as they come
    }
    return true;
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

void CsvLog::TakeLine(std::string_view line, std::vector<ReadUnit>& read) {
    ++m_lines;
    // A log saved by an editor may start with a UTF-8 byte-order mark; it is no part of the line.
    if (m_lines == 1 && line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        line.remove_prefix(kByteOrderMark.size());
    }
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
    const std::uint32_t hash = NameIndex::Hash(unit.name.str());
    read.push_back(ReadUnit{std::move(unit), hash});
}

void CsvLog::AddUnits(std::vector<ReadUnit>& read) {
    for (size_t i = 0; i < read.size(); ++i) {
        // The slots of a long log's names are more than the caches hold, and each name's is
        // anywhere among them: its slot is on its way by the time it is looked at.
        if (i + kLookAhead < read.size()) {
            m_names.Prefetch(read[i + kLookAhead].nameHash);
        }
        LogUnit& unit = read[i].unit;
        const auto [at, added] =
            m_names.FindOrAdd(unit.name.str(), read[i].nameHash, m_units.size(),
                              [this](size_t k) { return std::string_view(m_units[k].name.str()); });
        if (added) {
            m_units.push_back(std::move(unit));
            continue;
        }
        ++m_repeatedLines;
        LogUnit& kept = m_units[at];
        if (!(unit.prog < kept.prog)) {
            kept = std::move(unit);
        }
    }
    read.clear();
}
