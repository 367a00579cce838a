// The overview's rows: built from each client's last load, sorted by the chosen column, and
// what a click on them does.
#include <algorithm>

#include "app/overview_dlg.h"
#include "app/progress_inputs.h"
#include "res/resource.h"
#include "res/strings.h"

void COverviewDlg::ShowRows() {
    OverviewClient* selected = SelectedClient();
    m_rowClients.clear();
    for (const auto& client : m_clients) {
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

    const int rows = static_cast<int>(m_rowClients.size());
    while (m_listClients.GetItemCount() > rows) {
        m_listClients.DeleteItem(m_listClients.GetItemCount() - 1);
    }
    while (m_listClients.GetItemCount() < rows) {
        m_listClients.InsertItem(m_listClients.GetItemCount(), "");
    }
    int selectedRow = -1;
    std::vector<int> widest(kOverviewColumnCount, 0);
    for (int row = 0; row < rows; ++row) {
        const OverviewRow& shown = m_rowClients[static_cast<size_t>(row)]->row;
        for (int column = 0; column < kOverviewColumnCount; ++column) {
            const CString& text = shown.texts[static_cast<size_t>(column)];
            if (m_listClients.GetItemText(row, column) != text) {
                m_listClients.SetItemText(row, column, text.GetString());
            }
            widest[static_cast<size_t>(column)] =
                std::max(widest[static_cast<size_t>(column)], text.GetLength());
        }
        if (m_listClients.GetItemProgress(row, kProgressColumn) != shown.progressPercent) {
            m_listClients.SetItemProgress(row, kProgressColumn, shown.progressPercent);
        }
        if (m_rowClients[static_cast<size_t>(row)] == selected) {
            selectedRow = row;
        }
    }
    m_listClients.SetSelectedItem(selectedRow);
    // Fitting a column measures every text in it: only when its longest text changed.
    for (int column = 0; column < kOverviewColumnCount; ++column) {
        if (m_columnWidest.size() != widest.size() ||
            m_columnWidest[static_cast<size_t>(column)] != widest[static_cast<size_t>(column)]) {
            m_listClients.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
        }
    }
    m_columnWidest = std::move(widest);
    if (CWnd* remove = GetDlgItem(IDC_REMOVE_CLIENT)) {
        remove->EnableWindow(selectedRow >= 0);
    }
    UpdateData(false);
}

OverviewClient* COverviewDlg::SelectedClient() const {
    const int row = m_listClients.GetSelectedItem();
    return row >= 0 && row < static_cast<int>(m_rowClients.size())
               ? m_rowClients[static_cast<size_t>(row)]
               : nullptr;
}

CClientDlg* COverviewDlg::ClientWindow(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rowClients.size())) {
        return nullptr;
    }
    const OverviewClient& client = *m_rowClients[static_cast<size_t>(row)];
    return client.windowClosed ? nullptr : client.window.get();
}

void COverviewDlg::OnColumnClickClients(NMLISTVIEW* pNMListView, LRESULT* pResult) {
    // A second click on the same column turns its order round.
    m_bSortAscending = pNMListView->iSubItem == m_nSortColumn ? !m_bSortAscending : true;
    m_nSortColumn = pNMListView->iSubItem;
    ShowRows();
    *pResult = 0;
}

void COverviewDlg::OnItemChangedClients(NMLISTVIEW*, LRESULT* pResult) {
    if (CWnd* remove = GetDlgItem(IDC_REMOVE_CLIENT)) {
        remove->EnableWindow(SelectedClient() != nullptr);
    }
    *pResult = 0;
}

void COverviewDlg::OnDblClkClients(NMLISTVIEW* pNMListView, LRESULT* pResult) {
    *pResult = 0;
    DeleteClosedWindows();
    const int row = pNMListView->iItem;
    if (row < 0 || row >= static_cast<int>(m_rowClients.size())) {
        return;
    }
    OverviewClient& client = *m_rowClients[static_cast<size_t>(row)];
    // The window reads the overview's copy of the client: without a first load there is none,
    // and the window must not read the folder itself on this thread.
    if (!client.session.Loaded()) {
        m_strMessage = Tr(Text::kClientStillLoading);
        UpdateData(false);
        return;
    }
    OpenClientWindow(client);
}

void COverviewDlg::OpenClientWindow(OverviewClient& client) {
    if (client.window) {
        client.window->ShowWindow(SW_SHOWNORMAL);
        return;
    }
    OverviewClient* const which = &client;
    CClientDlg::Callbacks callbacks;
    callbacks.settingsChanged = [this] { SettingsChanged(); };
    callbacks.closed = [which] { which->windowClosed = true; };
    client.window = std::make_unique<CClientDlg>(client.session, this, std::move(callbacks));
    client.window->Create(this);
    client.window->ShowWindow(SW_SHOWNORMAL);
}

void COverviewDlg::DeleteClosedWindows() {
    for (const auto& client : m_clients) {
        if (client->windowClosed) {
            client->window.reset();
            client->windowClosed = false;
        }
    }
}
