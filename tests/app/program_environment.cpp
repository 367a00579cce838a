#include "app/program_environment.h"

#include "platform/base/clock.h"
#include "platform/headless/headless.h"

ScopedProgramEnvironment::ScopedProgramEnvironment(const std::string& configHome,
                                                   const std::string& dataHome)
    : m_configHome("XDG_CONFIG_HOME", configHome), m_dataHome("XDG_DATA_HOME", dataHome) {
    Clock::Set(1000000000);  // 2001-09-09 10:46:40 JST
    Headless::Reset();
}

ScopedProgramEnvironment::~ScopedProgramEnvironment() {
    Clock::UseSystemClock();
    Headless::Reset();
}
