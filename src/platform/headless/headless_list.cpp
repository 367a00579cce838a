#include "platform/headless/headless_list.h"

#include <utility>

#include "platform/headless/headless_window.h"

namespace Headless {

int InsertListColumn(WindowState& state, int column, const CString& heading) {
    if (state.kind != ControlKind::List || column < 0) {
        return -1;
    }
    const int count = static_cast<int>(state.columns.size());
    const int at = column > count ? count : column;
    state.columns.insert(state.columns.begin() + at, heading);
    state.columnWidths.insert(state.columnWidths.begin() + at, LVSCW_AUTOSIZE_USEHEADER);
    for (std::vector<ListCell>& row : state.rows) {
        row.insert(row.begin() + at, ListCell{});
    }
    return at;
}

int InsertListRow(WindowState& state, int item, const CString& text) {
    // An owner-data list's rows are the program's.
    if (state.kind != ControlKind::List || (state.style & kOwnerData) || item < 0 ||
        state.columns.empty()) {
        return -1;
    }
    const int count = static_cast<int>(state.rows.size());
    const int at = item > count ? count : item;
    std::vector<ListCell> row(state.columns.size());
    row[0].text = text;
    state.rows.insert(state.rows.begin() + at, std::move(row));
    if (state.curSel >= at) {
        ++state.curSel;
    }
    return at;
}

bool DeleteListRow(WindowState& state, int item) {
    if (item < 0 || item >= static_cast<int>(state.rows.size())) {
        return false;
    }
    state.rows.erase(state.rows.begin() + item);
    if (state.curSel == item) {
        state.curSel = -1;
    } else if (state.curSel > item) {
        --state.curSel;
    }
    return true;
}

const ListCell* FindListCell(const WindowState& state, int item, int column) {
    if (item < 0 || item >= static_cast<int>(state.rows.size()) || column < 0 ||
        column >= static_cast<int>(state.columns.size())) {
        return nullptr;
    }
    return &state.rows[static_cast<size_t>(item)][static_cast<size_t>(column)];
}

ListCell* FindListCell(WindowState& state, int item, int column) {
    return const_cast<ListCell*>(FindListCell(std::as_const(state), item, column));
}

}  // namespace Headless
