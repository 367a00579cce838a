// What a test of the program's windows runs in: Japan's time zone, a settings store and a data
// folder of its own, a fixed clock and empty headless queues; all put back at the end.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/info_app.h"
#include "export/export_test_support.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "support/temp_dir.h"

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        Clock::Set(1000000000);  // 2001-09-09 10:46:40 JST
        Headless::Reset();
        m_app->SetRegistryKey("Halvorn");
    }
    ~ProgramTest() override {
        m_app.reset();
        Clock::UseSystemClock();
        Headless::Reset();
    }

    TempDir m_config;
    // The user's data folder, so that no default CSV log lands in the real home.
    TempDir m_data;

private:
    export_test::ScopedTimeZone m_japan{"JST-9"};
    export_test::ScopedEnv m_configHome{"XDG_CONFIG_HOME", m_config.path()};
    export_test::ScopedEnv m_dataHome{"XDG_DATA_HOME", m_data.path()};

protected:
    std::unique_ptr<CInfoApp> m_app = std::make_unique<CInfoApp>();
};
