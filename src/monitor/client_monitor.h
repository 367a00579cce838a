// ClientMonitor: one client folder's load history. It reads the four client records from its
// folder, keeps the previous load of the work unit and its state, the last load that found both,
// and the baseline of the current unit, and says what each refresh means: refreshed, failed
// (the previous load kept), and which unit the client has just replaced. It knows no window: the
// main window shows and exports what it answers.
#pragma once

#include <cstdint>
#include <optional>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/key_table.h"
#include "clientfiles/result_settling.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "platform/base/ctime.h"

// A work unit and its analysis state as one load left them.
struct UnitLoad {
    CTime time;
    WorkUnitInfo wu;
    AnalysisState state;
};

// The load that first saw the current work unit: the reference point of the utilisation.
struct WorkUnitBaseline {
    CTime time;
    double cpu = 0.0;
    double prog = 0.0;
    // Until a named work unit has been loaded with its analysis state there is no baseline, and
    // the pages show "NaN" where they need it.
    bool set = false;
};

class ClientMonitor {
public:
    // directory: the client's folder, absolute or relative to the working directory.
    explicit ClientMonitor(const CString& directory);

    enum class Outcome {
        Refreshed,     // the work unit and its analysis state were read
        StateMissing,  // the work unit was read, its state not (a finished unit's is completed)
        Failed,        // neither work unit nor result: the previous load is kept
    };
    struct RefreshResult {
        Outcome outcome = Outcome::Failed;
        // The unit the client has just replaced, with the last data seen of it: set when this
        // refresh found a work unit with another name than the previous load's.
        std::optional<UnitLoad> replaced;
    };

    // The first load: no earlier load to fall back on. True when the work unit and its state
    // were found.
    bool Start();
    // A load after the first: the current load becomes the previous one; when nothing is found
    // the previous load stays.
    RefreshResult Refresh();

    const CString& Directory() const { return m_directory; }
    const CTime& TimeUpdate() const { return m_timeUpdate; }
    const WorkUnitInfo& WorkUnit() const { return m_wu; }
    const AnalysisState& State() const { return m_state; }
    const UserInfo& User() const { return m_user; }
    const ClientVersion& Version() const { return m_version; }
    // "3.x", "?" or "1.x": the client version as the header shows it.
    const CString& ClientVersionText() const { return m_strClientVersion; }
    WorkUnitBaseline Baseline() const {
        return {m_timeBase, m_cpuBase, m_progBase, m_bBaselineSet};
    }
    // Changes with every load that may have changed what the records hold. A refresh that reads
    // the same texts again (the client has written nothing meanwhile) keeps it, so a window need
    // not rebuild what it shows of the records alone.
    std::uint64_t Generation() const { return m_generation; }

private:
    // What a load found, beside its values: two loads with the same read the same texts.
    struct LoadSignature {
        std::uint64_t parses = 0;
        ClientFileSet files = ClientFileSet::Sah;
        std::int64_t fileTime = 0;
        bool version = false;
        bool wu = false;
        bool state = false;
        bool user = false;
        bool operator==(const LoadSignature& other) const;
    };
    LoadSignature Signature() const;
    // Moves the generation on unless this load read what the last one did.
    void NoteLoad(bool unchanged);

    // Reads the version file (which decides the file names), the work unit, its analysis state
    // and the user; true when the work unit and its state were both found.
    bool LoadAll();
    void SaveCurrentLoad();
    void RestorePreviousLoad();
    // Keeps the current load when it found both the work unit and its state.
    void RememberCompleteLoad();
    std::optional<UnitLoad> ReplacedUnit() const;

    CString m_directory;

    CTime m_timeUpdate;
    WorkUnitInfo m_wu;
    AnalysisState m_state;
    UserInfo m_user;
    ClientVersion m_version;
    CString m_strClientVersion;

    CTime m_timePrevUpdate;
    WorkUnitInfo m_prevWu;
    AnalysisState m_prevState;

    // The last load that found both the work unit and its state. A unit whose state could not be
    // read at the last refresh before the client moved on is exported from here, so its line is
    // not lost.
    CTime m_timeLastComplete;
    WorkUnitInfo m_lastCompleteWu;
    AnalysisState m_lastCompleteState;

    CTime m_timeBase;
    double m_cpuBase = 0.0;
    double m_progBase = 0.0;
    bool m_bBaselineSet = false;

    std::uint64_t m_generation = 0;
    LoadSignature m_lastSignature;

    // Each file's last parse: a load that reads the same text copies its values.
    ParseMemo<ClientVersion> m_versionMemo;
    ParseMemo<WorkUnitInfo> m_wuMemo;
    ParseMemo<AnalysisState> m_stateMemo;
    ParseMemo<UserInfo> m_userMemo;
    // The looks at a result file read without the end of its header.
    ResultSettling m_resultSettling;
};
