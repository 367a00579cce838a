// Runs the clients overview on the headless backend over temporary client folders, with its own
// settings store, a fixed clock and a short bound for refreshes that hang.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/overview_dlg.h"
#include "app/program_fixture.h"
#include "support/hanging_reader.h"

class OverviewTest : public ProgramTest {
protected:
    OverviewTest();
    void TearDown() override;

    // A client folder with the files of tests/data/<set>; the empty set makes an empty folder.
    std::string MakeClient(const std::string& set);
    // Writes the work unit of a client under another name: the client has moved on.
    void StartNewUnit(const std::string& folder, const std::string& name, double prog, double cpu);
    // Creates the overview on the folders (modeless, as its modal run would show it).
    COverviewDlg& Open(const std::vector<std::string>& folders, bool keepInSettings = false);
    // Waits until no refresh runs within the bound, then lets the window take them in.
    void Settle();
    // Lets the window take refreshes in, as its collecting timer would, until done or ten
    // seconds have passed or the window stops collecting.
    void CollectUntil(const std::function<bool()>& done);
    // The rows' texts of one column, in row order.
    std::vector<std::string> Column(int column) const;
    std::string CsvLog() const;

    std::vector<std::unique_ptr<TempDir>> m_clients;
    std::unique_ptr<COverviewDlg> m_dlg;
    HangingReader m_hanging;
    COverviewDlg::Options m_options;
};
