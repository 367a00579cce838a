#include "app/overview_fixture.h"

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/headless/headless.h"
#include "res/resource.h"

OverviewTest::OverviewTest() {
    m_app->WriteProfileString("Export", "Path", m_data.File("export.csv").c_str());
    m_options.bound = std::chrono::milliseconds(300);
    m_options.threads = 2;
    m_options.reader = m_hanging.Reader();
}

void OverviewTest::TearDown() {
    m_hanging.LetGo();
    if (m_dlg) {
        m_dlg->DestroyWindow();
        m_dlg.reset();
    }
    // The refreshes let go end before the next test changes the clock and the settings.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (RefreshPool::StuckThreadsRunning() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    m_app->m_pMainWnd = nullptr;
}

std::string OverviewTest::MakeClient(const std::string& set) {
    m_clients.push_back(std::make_unique<TempDir>());
    const TempDir& client = *m_clients.back();
    if (!set.empty()) {
        client.CopyClientFiles(set);
    }
    return client.path();
}

void OverviewTest::StartNewUnit(const std::string& folder, const std::string& name, double prog,
                                double cpu) {
    std::ofstream(folder + "/work_unit.sah") << "name=" << name << "\nend_seti_header\n";
    std::ofstream(folder + "/state.sah") << "prog=" << prog << "\ncpu=" << cpu << "\n";
}

COverviewDlg& OverviewTest::Open(const std::vector<std::string>& folders, bool keepInSettings) {
    std::vector<CString> list(folders.begin(), folders.end());
    m_dlg = std::make_unique<COverviewDlg>(list, keepInSettings, m_options);
    m_app->m_pMainWnd = m_dlg.get();
    EXPECT_TRUE(m_dlg->Create());
    return *m_dlg;
}

void OverviewTest::Settle() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (m_dlg->RefreshesPending() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    Headless::FireTimer(*m_dlg, IDT_COLLECT);
}

void OverviewTest::CollectUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline &&
           Headless::FireTimer(*m_dlg, IDT_COLLECT)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::vector<std::string> OverviewTest::Column(int column) const {
    std::vector<std::string> texts;
    for (const auto& row : Headless::ListRows(*m_dlg, IDC_CLIENTS)) {
        texts.push_back(row[static_cast<size_t>(column)].str());
    }
    return texts;
}

std::string OverviewTest::CsvLog() const {
    return m_data.Exists("export.csv") ? m_data.Read("export.csv") : std::string();
}
