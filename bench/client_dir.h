// A throw-away client directory for one benchmark: a copy of the demo client's files and a
// settings store of its own, removed with everything in it at the end.
#pragma once

#include <string>

class BenchClientDir {
public:
    // settings: the settings store's text ("[Section]\nKey=int:N\n..."), may be empty.
    explicit BenchClientDir(const std::string& settings);
    ~BenchClientDir();
    BenchClientDir(const BenchClientDir&) = delete;
    BenchClientDir& operator=(const BenchClientDir&) = delete;

    // The client directory: version.sah, work_unit.sah, state.sah, user_info.sah.
    const std::string& client() const { return m_client; }
    // The directory to use as XDG_CONFIG_HOME.
    const std::string& config() const { return m_config; }
    const std::string& root() const { return m_root; }

private:
    std::string m_root;
    std::string m_client;
    std::string m_config;
};

// The four files a load reads, in its order.
extern const char* const kClientFileNames[4];
