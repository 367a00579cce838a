// One client folder's load history on its own, without a window: what each load finds, what a
// refresh falls back on, where the baseline moves and which unit a refresh says was replaced.
#include "monitor/client_monitor.h"

#include <utime.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/base/clock.h"
#include "support/temp_dir.h"

namespace {

using Outcome = ClientMonitor::Outcome;

class ClientMonitorTest : public ::testing::Test {
protected:
    ClientMonitorTest() { Clock::Set(1000000000); }
    ~ClientMonitorTest() override { Clock::UseSystemClock(); }

    void CopyClientFiles(const std::string& set) { m_client.CopyClientFiles(set); }
    // A work unit header of that name, whole.
    void WriteUnit(const std::string& name) {
        m_client.Write("work_unit.sah", "name=" + name + "\nend_seti_header\n");
    }
    // The next refresh, a minute after the last one.
    ClientMonitor::RefreshResult Refresh() {
        Clock::Advance(60);
        return m_monitor.Refresh();
    }

    TempDir m_client;
    ClientMonitor m_monitor{m_client.path().c_str()};
};

// The version file chooses ".sah" or ".txt" names for every file of a load; without one the
// ".txt" names are used and the version reads 1.x.
TEST_F(ClientMonitorTest, TheVersionFileChoosesTheFileNames) {
    CopyClientFiles("sah");
    CopyClientFiles("txt");
    EXPECT_TRUE(m_monitor.Start());
    EXPECT_EQ(m_monitor.ClientVersionText(), "3.x");
    EXPECT_EQ(m_monitor.WorkUnit().version, 3);

    m_client.Remove("version.sah");
    m_client.Remove("version.txt");
    EXPECT_EQ(Refresh().outcome, Outcome::Refreshed);
    EXPECT_EQ(m_monitor.ClientVersionText(), "1.x");
    EXPECT_EQ(m_monitor.WorkUnit().version, 1);

    // A version file without major_version: the record keeps what the last one said.
    m_client.Write("version.sah", "minor_version=2\n");
    Refresh();
    EXPECT_EQ(m_monitor.ClientVersionText(), "3.x");
}

// Every outcome of a refresh: both files; the state missing (kept missing, or completed from the
// previous state when the unit is a finished result); no work unit found, which keeps the
// previous load, time and all. (A work unit cut inside its header is not found: the record's
// tests.)
TEST_F(ClientMonitorTest, RefreshOutcomes) {
    CopyClientFiles("sah");
    m_client.Remove("result.sah");
    ASSERT_TRUE(m_monitor.Start());
    const CTime started = m_monitor.TimeUpdate();

    m_client.Remove("work_unit.sah");
    EXPECT_EQ(Refresh().outcome, Outcome::Failed);
    EXPECT_EQ(m_monitor.TimeUpdate(), started);
    EXPECT_TRUE(m_monitor.WorkUnit().found);
    EXPECT_EQ(m_monitor.State().prog, 0.45123456);

    CopyClientFiles("sah");
    m_client.Remove("state.sah");
    EXPECT_EQ(Refresh().outcome, Outcome::StateMissing);
    EXPECT_FALSE(m_monitor.State().found);
    EXPECT_EQ(m_monitor.TimeUpdate().GetTime(), Clock::Now());

    // A finished unit: the result in place of the work unit, its state gone. Completed from the
    // last state seen only when the previous load had one.
    m_client.Remove("work_unit.sah");
    m_client.CopyFromData("sah/result.sah", "result.sah");
    EXPECT_EQ(Refresh().outcome, Outcome::StateMissing);
    EXPECT_FALSE(m_monitor.State().found);
    CopyClientFiles("sah");
    Refresh();
    m_client.Remove("work_unit.sah");
    m_client.Remove("state.sah");
    EXPECT_EQ(Refresh().outcome, Outcome::StateMissing);
    EXPECT_TRUE(m_monitor.State().found);
    EXPECT_EQ(m_monitor.State().prog, 1.0);
    EXPECT_EQ(m_monitor.State().cpu, 41493.806);
}

// The baseline moves on a load that finds both files and a new name, and only then.
TEST_F(ClientMonitorTest, TheBaselineMovesOnlyWithBothFilesAndANewName) {
    CopyClientFiles("sah");
    EXPECT_FALSE(m_monitor.Baseline().set);
    ASSERT_TRUE(m_monitor.Start());
    EXPECT_TRUE(m_monitor.Baseline().set);
    EXPECT_EQ(m_monitor.Baseline().time.GetTime(), 1000000000);
    EXPECT_EQ(m_monitor.Baseline().cpu, 18723.25);

    WriteUnit("next.unit");
    m_client.Remove("state.sah");
    Refresh();  // no state: stays
    EXPECT_EQ(m_monitor.Baseline().time.GetTime(), 1000000000);
    m_client.Write("state.sah", "prog=0.01\ncpu=30\n");
    Refresh();  // both files, but the same name as the last load
    EXPECT_EQ(m_monitor.Baseline().time.GetTime(), 1000000000);
    WriteUnit("third.unit");
    Refresh();
    EXPECT_EQ(m_monitor.Baseline().time.GetTime(), 1000000180);
    EXPECT_EQ(m_monitor.Baseline().cpu, 30.0);
    EXPECT_EQ(m_monitor.Baseline().prog, 0.01);
}

// A refresh that finds a new unit name names the unit replaced, with the last data seen of it:
// the previous load, or the last complete one when the state was unreadable at the previous
// load. A failed load in between changes nothing; an unchanged name replaces nothing.
TEST_F(ClientMonitorTest, TheReplacedUnitCarriesItsLastCompleteLoad) {
    CopyClientFiles("sah");
    ASSERT_TRUE(m_monitor.Start());
    EXPECT_FALSE(Refresh().replaced);

    m_client.Write("state.sah", "prog=0.75\ncpu=30000\n");
    Refresh();
    m_client.Remove("work_unit.sah");
    EXPECT_EQ(Refresh().outcome, Outcome::Failed);
    WriteUnit("next.unit");
    const ClientMonitor::RefreshResult changed = Refresh();
    ASSERT_TRUE(changed.replaced);
    EXPECT_EQ(changed.replaced->wu.name, "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(changed.replaced->state.prog, 0.75);
    EXPECT_EQ(changed.replaced->time.GetTime(), 1000000120);

    // The state unreadable at the last load of a unit: its last complete load instead.
    m_client.Remove("state.sah");
    Refresh();
    WriteUnit("third.unit");
    m_client.Write("state.sah", "prog=0.01\ncpu=3\n");
    const ClientMonitor::RefreshResult afterMissing = Refresh();
    ASSERT_TRUE(afterMissing.replaced);
    EXPECT_EQ(afterMissing.replaced->wu.name, "next.unit");
    EXPECT_TRUE(afterMissing.replaced->state.found);
    EXPECT_EQ(afterMissing.replaced->time.GetTime(), 1000000240);
}

// The generation stays while the loads read the texts the last one read, and moves with anything
// the records may show differently: a changed text, a state emptied and written back as it was,
// the work unit's time of writing, a failed load.
TEST_F(ClientMonitorTest, TheGenerationMovesOnlyWithWhatTheLoadsRead) {
    CopyClientFiles("sah");
    ASSERT_TRUE(m_monitor.Start());
    std::uint64_t last = m_monitor.Generation();
    // A refresh of that outcome; whether it moved the generation.
    const auto refreshMoves = [&](Outcome outcome = Outcome::Refreshed) {
        EXPECT_EQ(Refresh().outcome, outcome);
        const bool changed = m_monitor.Generation() != last;
        last = m_monitor.Generation();
        return changed;
    };
    EXPECT_FALSE(refreshMoves());
    const std::string state = m_client.Read("state.sah");
    m_client.Write("state.sah", state);  // rewritten, the same bytes
    EXPECT_FALSE(refreshMoves());

    m_client.Write("user_info.sah", "nresults=7\n");
    EXPECT_TRUE(refreshMoves());
    m_client.Write("state.sah", "");
    EXPECT_TRUE(refreshMoves());
    m_client.Write("state.sah", state);
    EXPECT_TRUE(refreshMoves());

    const utimbuf written{900000000, 900000000};
    ASSERT_EQ(::utime(m_client.File("work_unit.sah").c_str(), &written), 0);
    EXPECT_TRUE(refreshMoves());
    m_client.Remove("state.sah");
    EXPECT_TRUE(refreshMoves(Outcome::StateMissing));
    m_client.Write("state.sah", state);
    EXPECT_TRUE(refreshMoves());
    m_client.Remove("work_unit.sah");
    EXPECT_TRUE(refreshMoves(Outcome::Failed));
}

}  // namespace
