// The load of all client files and the refresh cycle on the button and the timer.
#include "app/info_dlg.h"
#include "pages/display_frame.h"
#include "res/strings.h"

namespace {

// The file names of the 1.x clients, and the ".sah" names of the later ones.
constexpr int kTxtFiles = 1;
constexpr int kSahFiles = 2;

}  // namespace

bool CInfoDlg::LoadAll() {
    m_timeUpdate = CTime::GetCurrentTime();

    // The version file decides which names every file of this load has.
    int kind = kSahFiles;
    m_version.Read(kind);
    if (!m_version.found) {
        kind = kTxtFiles;
        m_version.Read(kind);
    }
    m_strClientVersion = ClientVersionText(m_version);

    m_wu.Read(kind);
    if (!m_wu.found) {
        return false;
    }
    m_state.Read(kind);
    if (m_state.found) {
        m_state.ApplyResult(m_wu);
        // The baseline of the utilisation moves only on a load that finds both files and a new
        // work unit.
        if (m_wu.name != m_prevWu.name) {
            m_timeBase = m_timeUpdate;
            m_cpuBase = m_state.cpu;
            m_progBase = m_state.prog;
            m_bBaselineSet = m_bBaselineSet || !m_wu.name.IsEmpty();
        }
    }
    m_user.Read(kind);
    return m_state.found;
}

void CInfoDlg::SaveCurrentLoad() {
    m_timePrevUpdate = m_timeUpdate;
    m_prevWu.CopyFrom(m_wu);
    m_prevState.CopyFrom(m_state);
}

void CInfoDlg::RememberCompleteLoad() {
    if (m_wu.found && m_state.found) {
        m_timeLastComplete = m_timeUpdate;
        m_lastCompleteWu.CopyFrom(m_wu);
        m_lastCompleteState.CopyFrom(m_state);
    }
}

void CInfoDlg::RestorePreviousLoad() {
    m_timeUpdate = m_timePrevUpdate;
    m_wu.CopyFrom(m_prevWu);
    m_state.CopyFrom(m_prevState);
}

void CInfoDlg::OnRefresh() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    SaveCurrentLoad();
    if (!LoadAll()) {
        if (m_wu.found) {
            // A finished unit whose state file has gone: the last state seen, completed.
            if (m_wu.type == "result") {
                m_state.CopyFrom(m_prevState);
                m_state.ApplyResult(m_wu);
            }
        } else {
            RestorePreviousLoad();
            MessageBox(Text::kInfoNotObtained, Text::kAppName, MB_OK);
        }
    }
    UpdateDisplay();
    RememberCompleteLoad();
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, CurrentTimerPeriod().value_or(0));
    }
}

void CInfoDlg::OnTimer(UINT_PTR nIDEvent) {
    SaveCurrentLoad();
    bool ok = LoadAll();
    if (!ok) {
        if (m_wu.found) {
            if (m_wu.type == "result") {
                m_state.CopyFrom(m_prevState);
                m_state.ApplyResult(m_wu);
            }
            ok = true;
        } else {
            RestorePreviousLoad();
            m_strMessage = Text::kInfoNotObtained;
        }
        UpdateData(false);
    }
    if (ok) {
        UpdateDisplay();
        // One line per finished work unit: the last data seen of the unit just replaced.
        if (m_bExportOnTimer && m_wu.found && m_prevWu.found && m_wu.name != m_prevWu.name) {
            const bool stateMissed = !m_prevState.found && m_lastCompleteWu.found &&
                                     m_lastCompleteWu.name == m_prevWu.name;
            const bool exported =
                stateMissed
                    ? ExportCsv(m_timeLastComplete, m_lastCompleteWu, m_lastCompleteState, true)
                    : ExportCsv(m_timePrevUpdate, m_prevWu, m_prevState, true);
            if (!exported) {
                UpdateData(false);
            }
        }
        RememberCompleteLoad();
    }
    CDialog::OnTimer(nIDEvent);
}
