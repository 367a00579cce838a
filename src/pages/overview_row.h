// One client's row of the clients overview: its texts, its progress bar and what each column
// sorts by.
#pragma once

#include <optional>
#include <vector>

#include "monitor/client_status.h"
#include "pages/progress_page.h"
#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

// The status stands beside the folder, where a narrow window still shows it.
enum OverviewColumn {
    kFolderColumn,
    kStatusColumn,
    kWorkUnitColumn,
    kProgressColumn,
    kCpuTimeColumn,
    kPredictedEndColumn,
    kUtilisationColumn,
    kOverviewColumnCount
};

struct OverviewRow {
    std::vector<CString> texts;  // one per column; the folder's shortened (FolderText)
    CString folder;              // the whole folder, for its tooltip and its order
    int progressPercent = -1;    // the bar; -1: none
    ClientStatus status = ClientStatus::Loading;
    // What the numeric columns sort by; nothing where the text is empty or "NaN".
    std::optional<double> progress;
    std::optional<double> cpu;
    std::optional<std::int64_t> predictedEnd;
    std::optional<double> utilisation;
};

// A folder as its column shows it: whole up to kFolderChars characters; a longer one keeps its
// start and its end (the client's own folder name) around "…", so that a path of any length
// leaves room for the other columns.
inline constexpr int kFolderChars = 60;
CString FolderText(const CString& folder);

// The column headers, in column order.
std::vector<const char*> OverviewColumnHeadings();

// load: the client's last load; its values are shown only while the condition is live, so a
// client that could not be read never shows its old values as if they were now.
OverviewRow BuildOverviewRow(const CString& folder, const ProgressInputs& load,
                             const ClientCondition& condition);

// Whether a sorts before b by the column: texts by their bytes, numbers by value, the status in
// the order of ClientStatus. Rows without a number come after those with one either way.
bool OverviewRowLess(const OverviewRow& a, const OverviewRow& b, int column, bool ascending);
