#include "pages/client_status_text.h"

#include <cstring>

#include "pages/page_format.h"
#include "res/strings.h"

namespace {

const char* PlainStatusText(ClientStatus status) {
    switch (status) {
        case ClientStatus::Running:
            return Tr(Text::kStatusRunning);
        case ClientStatus::Finished:
            return Tr(Text::kStatusFinished);
        case ClientStatus::NotResponding:
            return Tr(Text::kStatusNotResponding);
        case ClientStatus::FolderMissing:
            return Tr(Text::kStatusFolderMissing);
        case ClientStatus::NoClientFiles:
            return Tr(Text::kStatusNoClientFiles);
        case ClientStatus::Stalled:  // with its time: ClientStatusText
        case ClientStatus::Unreadable:
        case ClientStatus::Loading:
            break;
    }
    return Tr(Text::kStatusLoading);
}

}  // namespace

CString ReadProblemText(const ReadProblem& problem) {
    const char* const file = problem.file.GetString();
    const bool folder = problem.file.IsEmpty();
    CString text;
    switch (problem.fault) {
        case ReadFault::NoFile:
            text.Format(Tr(Text::kReasonNoFileFormat), file);
            break;
        case ReadFault::NoPermission:
            if (folder) {
                text = Tr(Text::kReasonFolderNoPermission);
            } else {
                text.Format(Tr(Text::kReasonNoPermissionFormat), file);
            }
            break;
        case ReadFault::NotAFile:
            text.Format(Tr(Text::kReasonNotAFileFormat), file);
            break;
        case ReadFault::NotWhole:
            text.Format(Tr(Text::kReasonNotWholeFormat), file);
            break;
        case ReadFault::SystemError:
            // Called on the interface thread alone.
            if (folder) {
                text = std::strerror(problem.error);
            } else {
                text.Format(Tr(Text::kReasonSystemErrorFormat), file, std::strerror(problem.error));
            }
            break;
        case ReadFault::None:
        case ReadFault::FolderMissing:
        case ReadFault::NoClientFiles:
            break;
    }
    return text;
}

CString ClientStatusText(const ClientCondition& condition) {
    CString text;
    if (condition.status == ClientStatus::Unreadable) {
        text.Format(Tr(Text::kStatusUnreadableFormat),
                    ReadProblemText(condition.problem).GetString());
    } else if (condition.status == ClientStatus::Stalled && condition.stalledSince) {
        text.Format(Tr(Text::kStatusStalledFormat),
                    condition.stalledSince->Format(kLocalMinutesPattern).GetString());
    } else {
        text = PlainStatusText(condition.status);
    }
    if (condition.Live() || condition.status == ClientStatus::Loading || !condition.lastGoodRead) {
        return text;
    }
    CString since;
    since.Format(Tr(Text::kStatusSinceFormat), text.GetString(),
                 condition.lastGoodRead->Format(kLocalMinutesPattern).GetString());
    return since;
}
