#include "support/hanging_reader.h"

#include <condition_variable>
#include <mutex>
#include <set>
#include <string>

struct HangingReader::State {
    std::mutex mutex;
    std::condition_variable released;
    std::set<std::string> hanging;
};

HangingReader::HangingReader() : m_state(std::make_shared<State>()) {}

ClientSession::Reader HangingReader::Reader() const {
    return [state = m_state](ClientMonitor& monitor, bool first) {
        {
            std::unique_lock<std::mutex> lock(state->mutex);
            state->released.wait(
                lock, [&] { return state->hanging.count(monitor.Directory().str()) == 0; });
        }
        return ClientSession::Read(monitor, first);
    };
}

void HangingReader::Hang(const CString& folder) {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->hanging.insert(folder.str());
}

void HangingReader::LetGo() {
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        m_state->hanging.clear();
    }
    m_state->released.notify_all();
}
