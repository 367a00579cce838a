// The overview's table: each client's row built from its session, in the order of the column
// the user sorted by, and which columns' longest text changed so that only they are fitted.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/overview_client.h"

class OverviewTable {
public:
    // Builds every client's row again and puts the rows in order.
    void Rebuild(const std::vector<std::unique_ptr<OverviewClient>>& clients);
    // A click on a column's header: the rows follow that column, and a second click on the
    // same column turns its order round. Takes effect at the next Rebuild.
    void SortBy(int column);

    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bSortAscending; }
    int RowCount() const { return static_cast<int>(m_rowClients.size()); }
    // The client of a row; null outside the rows.
    OverviewClient* ClientAt(int row) const;
    // Whether the last Rebuild changed the shapes of a column's texts (digits aside), so that
    // its width must be fitted again.
    bool WidestChanged(int column) const;

private:
    std::vector<OverviewClient*> m_rowClients;
    std::vector<std::vector<std::string>> m_columnShapes;  // each column's, sorted, once each
    std::vector<bool> m_widestChanged;
    int m_nSortColumn = -1;  // -1: the order the folders were given in
    bool m_bSortAscending = true;
};
