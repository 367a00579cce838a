// The rows and columns of a headless list control, over its WindowState.
#pragma once

#include "platform/base/cstring.h"

namespace Headless {

struct WindowState;
struct ListCell;

// Inserts a column (an empty cell in every row); its index, or -1.
int InsertListColumn(WindowState& state, int column, const CString& heading);
// Inserts a row with text in its first column; its index, or -1.
int InsertListRow(WindowState& state, int item, const CString& text);
// Removes a row; the selection follows its row, or goes when it was the row removed.
bool DeleteListRow(WindowState& state, int item);
// The cell, or null outside the rows and columns.
ListCell* FindListCell(WindowState& state, int item, int column);
// Sets one field of a cell; false when there is no such cell.
template <typename Value>
bool SetListCellField(WindowState& state, int item, int column, Value ListCell::*field,
                      const Value& value) {
    ListCell* cell = FindListCell(state, item, column);
    if (cell) {
        cell->*field = value;
    }
    return cell != nullptr;
}
const ListCell* FindListCell(const WindowState& state, int item, int column);

}  // namespace Headless
