#include "export/csv_export.h"

#include <cstdint>
#include <new>

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "export/csv_line.h"
#include "platform/base/cfile.h"
#include "platform/base/exceptions.h"

namespace {

// Appends text to the open file in one write. When the write fails part-way, the file is cut
// back to its old length so that the log never ends in half a line.
void AppendOrRollBack(CFile& file, std::int64_t oldLength, const CString& text) {
    try {
        file.Write(text.GetString(), static_cast<std::size_t>(text.GetLength()));
    } catch (const CException&) {
        try {
            file.SetLength(oldLength);
        } catch (const CException&) {
            // Nothing more can be done; the caller reports the failure.
        }
        throw;
    }
}

}  // namespace

CsvExportResult AppendCsvLine(const CsvExportSettings& settings, const CTime& updateTime,
                              const WorkUnitInfo& wu, const AnalysisState& state) {
    if (!wu.found || !state.found) {
        return CsvExportResult::NothingToExport;
    }
    const char* lineEnd = settings.lfCode ? "\n" : "\r\n";
    const bool newForm = settings.form == 1;
    try {
        // The line is formatted before the file is opened, so the file is held only for the write.
        const CString line = FormatCsvLine(updateTime, wu, state, newForm, lineEnd);
        // Create or open without truncating; the exclusive lock makes a second Vantrel (or any
        // other locker) fail here instead of interleaving lines.
        CFile file(settings.path.GetString(), CFile::modeWrite | CFile::modeCreate |
                                                  CFile::modeNoTruncate | CFile::modeAppend |
                                                  CFile::shareExclusive);
        // The length once the lock is held: where this line begins.
        const std::int64_t oldLength = file.GetLength();
        if (oldLength == 0 && !settings.noTitle) {
            AppendOrRollBack(file, oldLength, FormatCsvTitle(newForm, lineEnd) + line);
        } else {
            AppendOrRollBack(file, oldLength, line);
        }
        file.Close();
    } catch (const CException&) {
        return CsvExportResult::Failed;
    } catch (const std::bad_alloc&) {
        return CsvExportResult::Failed;
    }
    return CsvExportResult::Written;
}
