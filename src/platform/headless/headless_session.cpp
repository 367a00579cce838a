// The queues that answer message boxes, modal dialogs and file dialogs, and the records of them.
#include <deque>

#include "platform/headless/headless.h"
#include "platform/headless/headless_notifications.h"
#include "platform/headless/headless_window.h"
#include "platform/ui/cdialog.h"

namespace Headless {
namespace {

struct Session {
    std::deque<std::function<int(const MessageBoxRecord&)>> messageBoxAnswers;
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<ModalScript> modalScripts;
    std::vector<ModalRecord> modalRuns;
    std::deque<std::optional<CString>> fileAnswers;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<CString>> folderAnswers;
};

// The next queued answer, taken off its queue; nothing (a cancel) when none is queued.
std::optional<CString> TakeAnswer(std::deque<std::optional<CString>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<CString> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

// The button Enter presses: the first, or the second where the box makes that the default.
int DefaultAnswer(UINT type) {
    const bool second = (type & MB_DEFBUTTON2) != 0;
    switch (type & 0x0F) {
        case MB_OKCANCEL:
            return second ? IDCANCEL : IDOK;
        case MB_YESNO:
            return second ? IDNO : IDYES;
        default:
            return IDOK;
    }
}

Session& session() {
    static Session s;
    return s;
}

}  // namespace

void QueueMessageBoxAnswer(int answer) {
    session().messageBoxAnswers.push_back([answer](const MessageBoxRecord&) { return answer; });
}

void QueueMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer) {
    session().messageBoxAnswers.push_back(std::move(answer));
}

const std::vector<MessageBoxRecord>& MessageBoxes() {
    return session().messageBoxes;
}

void QueueModal(ModalScript script) {
    session().modalScripts.push_back(std::move(script));
}

const std::vector<ModalRecord>& ModalRuns() {
    return session().modalRuns;
}

void QueueFileDialogAnswer(std::optional<CString> path) {
    session().fileAnswers.push_back(std::move(path));
}

const std::vector<FileDialogRequest>& FileDialogs() {
    return session().fileDialogs;
}

void QueueFolderDialogAnswer(std::optional<CString> folder) {
    session().folderAnswers.push_back(std::move(folder));
}

void Reset() {
    session() = Session{};
    ForgetNotifications();
}

int HeadlessDialog::RunModal() {
    m_ended = false;
    m_result = IDCANCEL;
    m_state.visible = true;
    const size_t record = session().modalRuns.size();
    session().modalRuns.push_back(ModalRecord{m_template.id, 0});
    if (!session().modalScripts.empty()) {
        ModalScript script = std::move(session().modalScripts.front());
        session().modalScripts.pop_front();
        if (auto* dialog = dynamic_cast<CDialog*>(&m_target)) {
            script(*dialog);
        }
    }
    if (!m_ended) {
        EndModal(IDCANCEL);
    }
    session().modalRuns[record].result = m_result;
    return m_result;
}

}  // namespace Headless

int ShowNativeMessageBox(NativeWindow*, const CString& text, const CString& caption, UINT type) {
    using namespace Headless;
    // Recorded before it is answered, so boxes that open behind it come after it.
    const size_t index = session().messageBoxes.size();
    session().messageBoxes.push_back(MessageBoxRecord{text, caption, type, DefaultAnswer(type)});
    if (!session().messageBoxAnswers.empty()) {
        auto answer = std::move(session().messageBoxAnswers.front());
        session().messageBoxAnswers.pop_front();
        const MessageBoxRecord shown = session().messageBoxes[index];
        session().messageBoxes[index].answer = answer(shown);
    }
    return session().messageBoxes[index].answer;
}

bool ShowNativeFileDialog(NativeWindow*, const FileDialogRequest& request, CString& path) {
    using namespace Headless;
    session().fileDialogs.push_back(request);
    const std::optional<CString> answer = TakeAnswer(session().fileAnswers);
    if (answer) {
        path = *answer;
    }
    return answer.has_value();
}

bool ShowNativeFolderDialog(NativeWindow*, const CString&, const CString&, CString& path) {
    using namespace Headless;
    const std::optional<CString> answer = TakeAnswer(session().folderAnswers);
    if (answer) {
        path = *answer;
    }
    return answer.has_value();
}
