// The CSV log read back: one unit per work unit name, the lines that could not be read counted,
// and a log that grows read again from where the last read stopped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/log_unit.h"
#include "platform/base/cstring.h"
#include "platform/base/name_index.h"

class CsvLog {
public:
    enum class ReadResult {
        kUnchanged,  // nothing new since the last read
        kAppended,   // lines were added at the end and read
        kReloaded,   // read from the start: the first read, or the file was replaced or cut
        kMissing,    // there is no such file (yet); what was read before stays
        kFailed,     // the file could not be opened or read; what was read before stays
    };

    // The line numbers of the first unreadable lines, to show the user where to look.
    static constexpr size_t kReportedLines = 5;

    explicit CsvLog(CString path) : m_path(std::move(path)) {}

    ReadResult Read();

    const CString& Path() const { return m_path; }
    // In the order the log first names them. A unit logged again keeps one entry: the line with
    // the most progress, the later one of equals.
    const std::vector<LogUnit>& Units() const { return m_units; }
    // Lines that held a record of a unit named before.
    int RepeatedLines() const { return m_repeatedLines; }
    int UnreadableLines() const { return m_unreadableLines; }
    const std::vector<int>& FirstUnreadableLines() const { return m_firstUnreadable; }
    // Whether the file ends in a line without its line end (a writer may be in the middle of
    // it): it is read once it is complete.
    bool HasPartialLine() const { return m_seenSize > m_offset; }

private:
    void Clear();
    bool StillHolds(class CFile& file, std::int64_t size);
    // size: the file's, to make room for its units.
    void ReadFrom(class CFile& file, std::int64_t size);
    // Room for the units of the rest bytes still to read, and their names, by what the read
    // bytes added.
    bool ReserveForUnits(size_t added, std::int64_t read, std::int64_t rest);
    // A line's unit, and its name's hash.
    struct ReadUnit {
        LogUnit unit;
        std::uint32_t nameHash;
    };
    // The units of a chunk's lines are read, then added together (AddUnits).
    void TakeLine(std::string_view line, std::vector<ReadUnit>& read);
    void AddUnits(std::vector<ReadUnit>& read);
    // Bytes read past, up to the end of a line or of a line too long to keep.
    void Consume(std::string_view bytes);
    void CountUnreadable(int line);

    CString m_path;
    std::vector<LogUnit> m_units;
    // The units by their names.
    NameIndex m_names;
    int m_lines = 0;
    int m_repeatedLines = 0;
    int m_unreadableLines = 0;
    std::vector<int> m_firstUnreadable;
    // Bytes read as whole lines, the file's size at the last read, and its first and last bytes
    // before m_offset: a file that no longer holds them was replaced and is read again.
    std::int64_t m_offset = 0;
    bool m_skippingLine = false;  // in a line too long to be one of the log's
    std::int64_t m_seenSize = -1;
    std::int64_t m_seenTime = 0;
    std::string m_head;
    std::string m_tail;
};
