#include "monitor/client_monitor.h"

ClientMonitor::ClientMonitor(const CString& directory)
    : m_directory(directory),
      m_wu(directory.GetString()),
      m_state(directory.GetString()),
      m_user(directory.GetString()),
      m_version(directory.GetString()),
      m_prevWu(directory.GetString()),
      m_prevState(directory.GetString()) {}

bool ClientMonitor::Start() {
    const bool complete = LoadAll();
    RememberCompleteLoad();
    NoteLoad(false);
    return complete;
}

bool ClientMonitor::LoadSignature::operator==(const LoadSignature& other) const {
    return parses == other.parses && files == other.files && fileTime == other.fileTime &&
           version == other.version && wu == other.wu && state == other.state && user == other.user;
}

ClientMonitor::LoadSignature ClientMonitor::Signature() const {
    LoadSignature signature;
    signature.parses =
        m_versionMemo.Parses() + m_wuMemo.Parses() + m_stateMemo.Parses() + m_userMemo.Parses();
    signature.files = m_version.kind;
    signature.fileTime = m_wu.file_time;
    signature.version = m_version.found;
    signature.wu = m_wu.found;
    signature.state = m_state.found;
    signature.user = m_user.found;
    return signature;
}

void ClientMonitor::NoteLoad(bool unchanged) {
    const LoadSignature signature = Signature();
    if (!unchanged || !(signature == m_lastSignature)) {
        ++m_generation;
    }
    m_lastSignature = signature;
}

bool ClientMonitor::LoadAll() {
    m_timeUpdate = CTime::GetCurrentTime();

    // The version file decides which names every file of this load has.
    ClientFileSet files = ClientFileSet::Sah;
    m_version.Read(files, &m_versionMemo);
    if (!m_version.found) {
        files = ClientFileSet::Txt;
        m_version.Read(files, &m_versionMemo);
    }
    m_strClientVersion = ::ClientVersionText(m_version);

    m_wu.Read(files, &m_wuMemo, &m_resultSettling);
    if (!m_wu.found) {
        return false;
    }
    m_state.Read(files, &m_stateMemo);
    if (m_state.found) {
        m_state.ApplyResult(m_wu);
        // The baseline moves only on a load that finds both files and a new work unit.
        if (m_wu.name != m_prevWu.name) {
            m_timeBase = m_timeUpdate;
            m_cpuBase = m_state.cpu;
            m_progBase = m_state.prog;
            m_bBaselineSet = m_bBaselineSet || !m_wu.name.IsEmpty();
        }
    }
    m_user.Read(files, &m_userMemo);
    return m_state.found;
}

ClientMonitor::RefreshResult ClientMonitor::Refresh() {
    SaveCurrentLoad();
    RefreshResult result;
    if (LoadAll()) {
        result.outcome = Outcome::Refreshed;
        NoteLoad(true);
    } else if (m_wu.found) {
        // A finished unit whose state file has gone: the last state seen, completed.
        if (m_wu.IsResult()) {
            m_state.CopyFrom(m_prevState);
            m_state.ApplyResult(m_wu);
        }
        result.outcome = Outcome::StateMissing;
        NoteLoad(false);
    } else {
        RestorePreviousLoad();
        NoteLoad(false);
        return result;
    }
    result.replaced = ReplacedUnit();
    RememberCompleteLoad();
    return result;
}

std::optional<UnitLoad> ClientMonitor::ReplacedUnit() const {
    if (!m_wu.found || !m_prevWu.found || m_wu.name == m_prevWu.name) {
        return std::nullopt;
    }
    // The replaced unit's state was unreadable at the last refresh: its last complete load.
    if (!m_prevState.found && m_lastCompleteWu.found && m_lastCompleteWu.name == m_prevWu.name) {
        return UnitLoad{m_timeLastComplete, m_lastCompleteWu, m_lastCompleteState};
    }
    return UnitLoad{m_timePrevUpdate, m_prevWu, m_prevState};
}

void ClientMonitor::SaveCurrentLoad() {
    m_timePrevUpdate = m_timeUpdate;
    m_prevWu.CopyFrom(m_wu);
    m_prevState.CopyFrom(m_state);
}

void ClientMonitor::RestorePreviousLoad() {
    m_timeUpdate = m_timePrevUpdate;
    m_wu.CopyFrom(m_prevWu);
    m_state.CopyFrom(m_prevState);
}

void ClientMonitor::RememberCompleteLoad() {
    if (m_wu.found && m_state.found) {
        m_timeLastComplete = m_timeUpdate;
        m_lastCompleteWu.CopyFrom(m_wu);
        m_lastCompleteState.CopyFrom(m_state);
    }
}
