// The user's account as user_info.sah holds it, with the totals the client updates as it
// receives work units and sends results.
#pragma once

#include <cstdint>
#include <string>

#include "key_value_lines.h"
#include "sim_random.h"

class UserAccount {
public:
    // A plausible account registered some years before julianNow.
    static UserAccount Make(SimRandom& random, double julianNow);
    // The account of a user_info.sah already in the directory, every line kept.
    static UserAccount Adopt(const KeyValueLines& lines);

    void ReceiveUnit(double julianNow);
    void SendResult(double cpuSeconds, double julianNow);

    std::int64_t nwus() const { return m_nwus; }
    std::int64_t nresults() const { return m_nresults; }
    double totalCpu() const { return m_totalCpu; }
    // The whole user_info.sah.
    std::string Text() const;

private:
    KeyValueLines m_lines;
    std::int64_t m_nwus = 0;
    std::int64_t m_nresults = 0;
    double m_totalCpu = 0.0;
};
