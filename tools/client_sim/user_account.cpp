#include "user_account.h"

#include <cstdint>
#include <cstdio>

#include "julian.h"

UserAccount UserAccount::Make(SimRandom& random, double julianNow) {
    static constexpr const char* kNames[] = {"Hoshino Taro", "Sato Hanako", "Kimura Ken",
                                             "Mori Yuki"};
    const std::string name = kNames[random.Int(0, 3)];
    UserAccount account;
    KeyValueLines& l = account.m_lines;
    l.Set("id", std::to_string(random.Int(100000, 9999999)));
    char key[16];
    std::snprintf(key, sizeof key, "%012llx",
                  static_cast<unsigned long long>(random.Int(0, 0xffffffffffffLL)));
    l.Set("key", key);
    l.Set("email_addr", "seti-user@example.jp");
    l.Set("name", name);
    l.Set("url", "");
    l.Set("country", "Japan");
    l.Set("postal_code", "100-0001");
    l.Set("show_name", "yes");
    l.Set("show_email", "no");
    l.Set("venue", "home");
    l.Set("register_time", JulianDateText(julianNow - random.Uniform(400.0, 2500.0)));
    account.m_nresults = random.Int(50, 2000);
    account.m_nwus = account.m_nresults + 1;  // the unit in hand is not returned yet
    account.m_totalCpu = static_cast<double>(account.m_nresults) * random.Uniform(3e4, 5e4);
    l.Set("last_wu_time", JulianDateText(julianNow));
    l.Set("last_result_time", JulianDateText(julianNow - random.Uniform(0.01, 0.1)));
    for (const char* total : {"nwus", "nresults", "total_cpu"}) {
        l.Set(total, "");  // a place in the file's order; Text() fills them in
    }
    l.Set("params_index", "0");
    return account;
}

UserAccount UserAccount::Adopt(const KeyValueLines& lines) {
    UserAccount account;
    account.m_lines = lines;
    account.m_nwus = lines.GetWhole("nwus", 0, INT32_MAX);
    account.m_nresults = lines.GetWhole("nresults", 0, INT32_MAX);
    account.m_totalCpu = lines.GetNumber("total_cpu");
    return account;
}

void UserAccount::ReceiveUnit(double julianNow) {
    ++m_nwus;
    m_lines.Set("last_wu_time", JulianDateText(julianNow));
}

void UserAccount::SendResult(double cpuSeconds, double julianNow) {
    ++m_nresults;
    m_totalCpu += cpuSeconds;
    m_lines.Set("last_result_time", JulianDateText(julianNow));
}

std::string UserAccount::Text() const {
    KeyValueLines lines = m_lines;
    lines.Set("nwus", std::to_string(m_nwus));
    lines.Set("nresults", std::to_string(m_nresults));
    char total[48];
    std::snprintf(total, sizeof total, "%.6f", m_totalCpu);
    lines.Set("total_cpu", total);
    return lines.Text();
}
