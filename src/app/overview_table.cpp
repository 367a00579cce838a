#include "app/overview_table.h"

#include <algorithm>

#include "app/progress_inputs.h"

void OverviewTable::Rebuild(const std::vector<std::unique_ptr<OverviewClient>>& clients) {
    m_rowClients.clear();
    for (const auto& client : clients) {
        const ClientSession& session = client->session;
        const ProgressInputs load = ProgressInputsOf(session.Monitor());
        client->row = BuildOverviewRow(session.Directory(), load, session.Condition());
        m_rowClients.push_back(client.get());
    }
    if (m_nSortColumn >= 0) {
        std::stable_sort(m_rowClients.begin(), m_rowClients.end(),
                         [this](const OverviewClient* a, const OverviewClient* b) {
                             return OverviewRowLess(a->row, b->row, m_nSortColumn,
                                                    m_bSortAscending);
                         });
    }
    std::vector<int> widest(kOverviewColumnCount, 0);
    for (const OverviewClient* client : m_rowClients) {
        for (size_t column = 0; column < widest.size(); ++column) {
            widest[column] = std::max(widest[column], client->row.texts[column].GetLength());
        }
    }
    m_widestChanged.assign(widest.size(), true);
    for (size_t column = 0; column < widest.size() && m_columnWidest.size() == widest.size();
         ++column) {
        m_widestChanged[column] = m_columnWidest[column] != widest[column];
    }
    m_columnWidest = std::move(widest);
}

void OverviewTable::SortBy(int column) {
    m_bSortAscending = column == m_nSortColumn ? !m_bSortAscending : true;
    m_nSortColumn = column;
}

OverviewClient* OverviewTable::ClientAt(int row) const {
    return row >= 0 && row < RowCount() ? m_rowClients[static_cast<size_t>(row)] : nullptr;
}

bool OverviewTable::WidestChanged(int column) const {
    return column >= 0 && static_cast<size_t>(column) < m_widestChanged.size() &&
           m_widestChanged[static_cast<size_t>(column)];
}
