#include "pages/overview_row.h"

#include <cmath>
#include <cstring>

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "pages/client_status_text.h"
#include "pages/page_format.h"
#include "res/strings.h"

namespace {

// A cell whose value cannot be worked out yet.
constexpr char kNoValue[] = "--";

// Rows without a value sort after those with one, whichever way the column is sorted.
template <typename T>
bool ValueLess(const std::optional<T>& a, const std::optional<T>& b, bool ascending) {
    if (a && b) {
        return ascending ? *a < *b : *b < *a;
    }
    return a.has_value() && !b.has_value();
}

// A value from a client file may be NaN, which has no place in an order: such a row sorts as one
// without a value.
std::optional<double> SortValue(double value) {
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

template <typename T>
bool PlainLess(const T& a, const T& b, bool ascending) {
    return ascending ? a < b : b < a;
}

void FillFromLoad(OverviewRow& row, const ProgressInputs& in) {
    if (in.wu.found) {
        row.texts[kWorkUnitColumn] = in.wu.name;
    }
    const AnalysisState& state = in.state;
    if (!state.found) {
        return;
    }
    row.progress = SortValue(state.prog);
    row.texts[kProgressColumn].Format("%.3lf %%", state.prog * 100);
    const double percent = std::floor(state.prog * 100);
    row.progressPercent = !(percent >= 0) ? 0 : (percent > 100 ? 100 : static_cast<int>(percent));
    row.cpu = SortValue(state.cpu);
    AppendDuration(row.texts[kCpuTimeColumn], state.cpu);

    // The progress page's first prediction: the client getting the whole processor.
    if (const std::optional<std::int32_t> remaining = RemainingCpuSeconds(state)) {
        const CTime end(in.timeUpdate.GetTime() + *remaining);
        row.predictedEnd = end.GetTime();
        row.texts[kPredictedEndColumn] = end.Format(kLocalMinutesPattern);
    } else {
        row.texts[kPredictedEndColumn] = kNoValue;
    }
    if (const std::optional<double> u = Utilisation(in)) {
        row.utilisation = *u;
        row.texts[kUtilisationColumn].Format("%.1lf %%", *u * 100);
    } else {
        row.texts[kUtilisationColumn] = kNoValue;
    }
}

}  // namespace

std::vector<const char*> OverviewColumnHeadings() {
    return {Tr(Text::kColumnFolder),     Tr(Text::kColumnStatus),  Tr(Text::kColumnWorkUnit),
            Tr(Text::kColumnProgress),   Tr(Text::kColumnCpuTime), Tr(Text::kColumnPredictedEnd),
            Tr(Text::kColumnUtilisation)};
}

OverviewRow BuildOverviewRow(const CString& folder, const ProgressInputs& load,
                             const ClientCondition& condition) {
    OverviewRow row;
    row.texts.resize(kOverviewColumnCount);
    row.folder = folder;
    row.texts[kFolderColumn] = FolderText(folder);
    row.status = condition.status;
    row.texts[kStatusColumn] = ClientStatusText(condition);
    if (condition.Live()) {
        FillFromLoad(row, load);
    }
    return row;
}

CString FolderText(const CString& folder) {
    // Characters are counted by the bytes that start one, so a cut never splits a UTF-8
    // sequence; a path of a megabyte is looked at once, and its ends twice.
    const std::string& bytes = folder.str();
    const auto starts = [&bytes](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) & 0xC0) != 0x80;
    };
    constexpr size_t kHead = kFolderChars / 3;
    constexpr size_t kTail = kFolderChars - kHead - 1;
    size_t headEnd = bytes.size();  // where character kHead starts
    size_t chars = 0;
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (starts(at) && chars++ == kHead) {
            headEnd = at;
        }
    }
    if (chars <= static_cast<size_t>(kFolderChars)) {
        return folder;
    }
    size_t tailStart = bytes.size();
    for (size_t found = 0; found < kTail;) {
        found += starts(--tailStart);
    }
    return CString(bytes.substr(0, headEnd) + "…" + bytes.substr(tailStart));
}

bool OverviewRowLess(const OverviewRow& a, const OverviewRow& b, int column, bool ascending) {
    switch (column) {
        case kProgressColumn:
            return ValueLess(a.progress, b.progress, ascending);
        case kCpuTimeColumn:
            return ValueLess(a.cpu, b.cpu, ascending);
        case kPredictedEndColumn:
            return ValueLess(a.predictedEnd, b.predictedEnd, ascending);
        case kUtilisationColumn:
            return ValueLess(a.utilisation, b.utilisation, ascending);
        case kStatusColumn:
            return PlainLess(a.status, b.status, ascending);
        default:
            break;
    }
    const size_t at =
        column >= 0 && column < kOverviewColumnCount ? static_cast<size_t>(column) : 0;
    const CString& textA = at == kFolderColumn ? a.folder : a.texts[at];
    const CString& textB = at == kFolderColumn ? b.folder : b.texts[at];
    // An empty text (no work unit yet) is no value: it stays last, as in the number columns.
    if (textA.IsEmpty() || textB.IsEmpty()) {
        return !textA.IsEmpty() && textB.IsEmpty();
    }
    return PlainLess(std::strcmp(textA.GetString(), textB.GetString()), 0, ascending);
}
