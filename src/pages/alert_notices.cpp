#include "pages/alert_notices.h"

#include "pages/page_format.h"
#include "res/strings.h"

namespace {

// The kinds of notice, in the order a round shows them.
enum class Notice { UnitFinished, Stalled, RunningAgain, Unreachable, ReachableAgain };
constexpr Notice kNoticeOrder[] = {Notice::Stalled, Notice::Unreachable, Notice::RunningAgain,
                                   Notice::ReachableAgain, Notice::UnitFinished};

Notice NoticeOf(const AlertEvent& event) {
    switch (event.kind) {
        case AlertKind::UnitFinished:
            return Notice::UnitFinished;
        case AlertKind::Stalled:
            return event.over ? Notice::RunningAgain : Notice::Stalled;
        case AlertKind::Unreachable:
            return event.over ? Notice::ReachableAgain : Notice::Unreachable;
    }
    return Notice::UnitFinished;
}

bool Wanted(const AlertEvent& event, const AlertKinds& kinds) {
    switch (event.kind) {
        case AlertKind::UnitFinished:
            return kinds.unitFinished;
        case AlertKind::Stalled:
            return kinds.stalled;
        case AlertKind::Unreachable:
            return kinds.unreachable;
    }
    return false;
}

CString ManySummary(Notice notice, int count) {
    CString summary;
    switch (notice) {
        case Notice::UnitFinished:
            summary.Format(Tr(Text::kAlertUnitsFinishedFormat), count);
            break;
        case Notice::Stalled:
            summary.Format(Tr(Text::kAlertManyStalledFormat), count);
            break;
        case Notice::RunningAgain:
            summary.Format(Tr(Text::kAlertManyRunningAgainFormat), count);
            break;
        case Notice::Unreachable:
            summary.Format(Tr(Text::kAlertManyUnreachableFormat), count);
            break;
        case Notice::ReachableAgain:
            summary.Format(Tr(Text::kAlertManyReachableAgainFormat), count);
            break;
    }
    return summary;
}

const char* UnreachableSummary(ClientStatus status) {
    switch (status) {
        case ClientStatus::FolderMissing:
            return Tr(Text::kAlertFolderMissing);
        case ClientStatus::NotResponding:
            return Tr(Text::kAlertNotResponding);
        case ClientStatus::NoClientFiles:
            return Tr(Text::kAlertNoClientFiles);
        default:
            return Tr(Text::kAlertUnreadable);
    }
}

AlertNotice OneClient(const ClientAlert& alert) {
    const AlertEvent& event = alert.event;
    const char* const folder = alert.folder.GetString();
    AlertNotice notice{CString(), alert.folder, alert.folder};
    switch (NoticeOf(event)) {
        case Notice::UnitFinished: {
            notice.summary = Tr(Text::kAlertUnitFinished);
            CString cpu;
            AppendDuration(cpu, event.cpuSeconds);
            notice.body.Format(Tr(Text::kAlertUnitFinishedBodyFormat), event.unitName.GetString(),
                               cpu.GetString(), folder);
            break;
        }
        case Notice::Stalled:
            notice.summary = Tr(Text::kAlertStalled);
            notice.body.Format(Tr(Text::kAlertStalledBodyFormat), folder,
                               event.since.Format(kLocalMinutesPattern).GetString());
            break;
        case Notice::RunningAgain:
            notice.summary = Tr(Text::kAlertRunningAgain);
            break;
        case Notice::Unreachable:
            notice.summary = UnreachableSummary(event.status);
            if (!alert.problem.IsEmpty()) {
                notice.body.Format(Tr(Text::kAlertUnreadableBodyFormat), folder,
                                   alert.problem.GetString());
            }
            break;
        case Notice::ReachableAgain:
            notice.summary = Tr(Text::kAlertReachableAgain);
            break;
    }
    return notice;
}

}  // namespace

std::vector<AlertNotice> BuildAlertNotices(const std::vector<ClientAlert>& round,
                                           const AlertKinds& kinds) {
    std::vector<AlertNotice> notices;
    for (const Notice kind : kNoticeOrder) {
        std::vector<const ClientAlert*> alerts;
        for (const ClientAlert& alert : round) {
            if (NoticeOf(alert.event) == kind && Wanted(alert.event, kinds)) {
                alerts.push_back(&alert);
            }
        }
        if (alerts.size() < kAlertsSummedFrom) {
            for (const ClientAlert* alert : alerts) {
                notices.push_back(OneClient(*alert));
            }
            continue;
        }
        AlertNotice many;
        many.summary = ManySummary(kind, static_cast<int>(alerts.size()));
        for (const ClientAlert* alert : alerts) {
            if (!many.body.IsEmpty()) {
                many.body += "\n";
            }
            many.body += alert->folder;
        }
        notices.push_back(many);
    }
    return notices;
}
