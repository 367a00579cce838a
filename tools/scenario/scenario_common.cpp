#include "scenario/scenario_common.h"

#include <sys/stat.h>

#include <dirent.h>
#include <cstdlib>
#include <iostream>

#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/cwinapp.h"
#include "res/settings.h"

namespace {

std::string DirectoryOf(const CString& path) {
    const int slash = path.ReverseFind('/');
    return slash > 0 ? path.Left(slash).str() : (slash == 0 ? "/" : ".");
}

std::string SetSetting(std::istringstream& in) {
    std::string section, key, type;
    in >> section >> key >> type;
    std::string value;
    std::getline(in >> std::ws, value);
    CWinApp& app = *AfxGetApp();
    if (type == "int") {
        return app.WriteProfileInt(section.c_str(), key.c_str(), std::atoi(value.c_str()))
                   ? ""
                   : "the setting was not written";
    }
    if (type == "str" || type == "delete") {
        const char* text = type == "str" ? value.c_str() : nullptr;
        return app.WriteProfileString(section.c_str(), key.c_str(), text)
                   ? ""
                   : "the setting was not written";
    }
    return "expected int, str or delete";
}

}  // namespace

std::optional<std::string> PerformCommonAction(const std::string& action, std::istringstream& in) {
    if (action == "answer") {
        int answer = IDOK;
        in >> answer;
        Headless::QueueMessageBoxAnswer(answer);
        return "";
    }
    if (action == "settings-ok") {
        Headless::QueueModal([](CDialog& settings) { Headless::PressButton(settings, IDOK); });
        return "";
    }
    if (action == "clock" || action == "advance") {
        long long seconds = 0;
        if (!(in >> seconds)) {
            return "expected seconds";
        }
        action == "clock" ? Clock::Set(seconds) : Clock::Advance(seconds);
        return "";
    }
    if (action == "set") {
        return SetSetting(in);
    }
    return std::nullopt;
}

bool BeginState(JsonWriter& json, const std::string& action, const std::string& error,
                const CWnd& window) {
    json.BeginObject().Field("action", action);
    if (!error.empty()) {
        json.Field("error", error);
    }
    const bool open = !Headless::ModalEnded(window);
    json.Field("open", open);
    return open;
}

void ScenarioRecords::EndState(JsonWriter& json) {
    Write(json);
    json.EndObject();
    std::cout << json.str() << std::endl;
}

ScenarioRecords::ScenarioRecords() : m_before(StampExportFiles()) {}

// Size and modification time of every file beside the CSV log, as the settings name it now.
ScenarioRecords::FileStamps ScenarioRecords::StampExportFiles() {
    FileStamps stamps;
    const std::string dir = DirectoryOf(Settings::Load(*AfxGetApp()).ExportPath());
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        return stamps;
    }
    while (const dirent* entry = ::readdir(d)) {
        const std::string path = dir + "/" + entry->d_name;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            stamps[path] = {
                static_cast<long long>(st.st_size),
                static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
        }
    }
    ::closedir(d);
    return stamps;
}

void ScenarioRecords::Write(JsonWriter& json) {
    const auto& boxes = Headless::MessageBoxes();
    json.BeginArray("messageBoxes");
    for (size_t i = m_boxesSeen; i < boxes.size(); ++i) {
        json.BeginObject()
            .Field("text", boxes[i].text.str())
            .Field("caption", boxes[i].caption.str())
            .Field("answer", boxes[i].answer)
            .EndObject();
    }
    json.EndArray();
    m_boxesSeen = boxes.size();
    const auto& modals = Headless::ModalRuns();
    json.BeginArray("dialogs");
    for (size_t i = m_modalsSeen; i < modals.size(); ++i) {
        json.BeginObject()
            .Field("template", modals[i].templateId)
            .Field("result", modals[i].result)
            .EndObject();
    }
    json.EndArray();
    m_modalsSeen = modals.size();
    // Only where there are any, so that the states of runs without them read as they always did.
    const auto& notifications = Headless::Notifications();
    if (notifications.size() > m_notificationsSeen) {
        json.BeginArray("notifications");
        for (size_t i = m_notificationsSeen; i < notifications.size(); ++i) {
            json.BeginObject()
                .Field("summary", notifications[i].summary.str())
                .Field("body", notifications[i].body.str())
                .Field("clickable", notifications[i].clickable)
                .EndObject();
        }
        json.EndArray();
        m_notificationsSeen = notifications.size();
    }
    const FileStamps after = StampExportFiles();
    json.BeginArray("filesWritten");
    for (const auto& [path, stamp] : after) {
        const auto it = m_before.find(path);
        if (it == m_before.end() || it->second != stamp) {
            json.String(path);
        }
    }
    json.EndArray();
    m_before = after;
}
