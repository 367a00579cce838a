#include "app/overview_table.h"

#include <algorithm>

#include "app/progress_inputs.h"
#include "platform/base/digit_shape.h"

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
    // A column is fitted again when its texts take a shape they had not before or lose one: a
    // count that moves keeps its shape and its width, while another text of the same length can
    // be wider ("Not responding" beside "No client files").
    std::vector<std::vector<std::string>> shapes(kOverviewColumnCount);
    for (const OverviewClient* client : m_rowClients) {
        for (size_t column = 0; column < shapes.size(); ++column) {
            shapes[column].push_back(WithDigitsAs(client->row.texts[column].str(), '0'));
        }
    }
    m_widestChanged.assign(shapes.size(), true);
    for (size_t column = 0; column < shapes.size(); ++column) {
        std::vector<std::string>& columnShapes = shapes[column];
        std::sort(columnShapes.begin(), columnShapes.end());
        columnShapes.erase(std::unique(columnShapes.begin(), columnShapes.end()),
                           columnShapes.end());
        if (m_columnShapes.size() == shapes.size()) {
            m_widestChanged[column] = m_columnShapes[column] != columnShapes;
        }
    }
    m_columnShapes = std::move(shapes);
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
