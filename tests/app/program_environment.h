// What a test of the program's windows runs in: Japan's time zone, a settings store and a data
// folder of its own, a fixed clock and empty headless queues; all put back at the end.
#pragma once

#include <string>

#include "export/export_test_support.h"

class ScopedProgramEnvironment {
public:
    ScopedProgramEnvironment(const std::string& configHome, const std::string& dataHome);
    ~ScopedProgramEnvironment();
    ScopedProgramEnvironment(const ScopedProgramEnvironment&) = delete;
    ScopedProgramEnvironment& operator=(const ScopedProgramEnvironment&) = delete;

private:
    export_test::ScopedTimeZone m_japan{"JST-9"};
    export_test::ScopedEnv m_configHome;
    export_test::ScopedEnv m_dataHome;
};
