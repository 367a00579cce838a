#include "app/alert_center.h"

#include <utility>

#include "pages/client_status_text.h"
#include "platform/ui/notification.h"

namespace {

bool ShowOnDesktop(const AlertNotice& notice, std::function<void()> onClick) {
    return ShowDesktopNotification(
        DesktopNotification{notice.summary, notice.body, std::move(onClick)});
}

}  // namespace

AlertCenter::AlertCenter(Raise raise, Show show)
    : m_raise(std::move(raise)), m_show(show ? std::move(show) : Show(ShowOnDesktop)) {}

void AlertCenter::UseSettings(const Settings& settings) {
    m_kinds.unitFinished = settings.m_bNotifyFinished;
    m_kinds.stalled = settings.m_bNotifyStalled;
    m_kinds.unreachable = settings.m_bNotifyUnreachable;
    m_times.stallSeconds = static_cast<std::int64_t>(settings.m_nStallMinutes) * 60;
}

bool AlertCenter::Wanted() const {
    return m_kinds.unitFinished || m_kinds.stalled || m_kinds.unreachable;
}

void AlertCenter::Watch(ClientSession& session) const {
    session.WatchForAlerts(m_times);
}

void AlertCenter::Take(ClientSession& session) {
    for (AlertEvent& event : session.TakeAlerts()) {
        CString problem;
        if (event.kind == AlertKind::Unreachable && !event.over &&
            event.status == ClientStatus::Unreadable) {
            problem = ReadProblemText(session.Condition().problem);
        }
        m_round.push_back(ClientAlert{session.Directory(), std::move(event), problem});
    }
}

void AlertCenter::Flush() {
    const std::vector<ClientAlert> round = std::exchange(m_round, {});
    for (const AlertNotice& notice : BuildAlertNotices(round, m_kinds)) {
        std::function<void()> onClick;
        if (!notice.folder.IsEmpty() && m_raise) {
            onClick = [raise = m_raise, folder = notice.folder] { raise(folder); };
        }
        m_show(notice, std::move(onClick));
    }
}
