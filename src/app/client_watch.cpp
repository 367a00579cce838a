#include "app/client_watch.h"

#include <chrono>
#include <utility>

namespace {

// A folder that does not answer within this long is not responding, as in the overview.
constexpr std::chrono::seconds kBound{10};

}  // namespace

ClientWatch::ClientWatch(const CString& folder, AlertCenter::Raise raise, AlertCenter::Show show)
    : m_folder(folder), m_alerts(std::move(raise), std::move(show)) {}

ClientWatch::~ClientWatch() = default;

bool ClientWatch::UseSettings(const Settings& settings) {
    m_alerts.UseSettings(settings);
    if (!m_alerts.Wanted()) {
        m_session.reset();
        m_pool.reset();
        return false;
    }
    if (!m_session) {
        m_pool = std::make_unique<RefreshPool>(1, kBound);
        m_session = std::make_unique<ClientSession>(m_folder, m_pool.get());
        m_session->Refresh(ClientSession::Cause::Timer);
    }
    m_alerts.Watch(*m_session);
    return true;
}

void ClientWatch::Tick() {
    if (!m_session) {
        return;
    }
    m_pool->ReplaceStuckThreads();
    m_session->Collect();
    m_alerts.Take(*m_session);
    m_alerts.Flush();
    m_session->Refresh(ClientSession::Cause::Timer);
}
