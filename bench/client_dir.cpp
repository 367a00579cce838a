#include "client_dir.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

const char* const kClientFileNames[4] = {"version.sah", "work_unit.sah", "state.sah",
                                         "user_info.sah"};

BenchClientDir::BenchClientDir(const std::string& settings) {
    std::string pattern = (fs::temp_directory_path() / "vantrel-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_root = pattern;
    m_client = m_root + "/client";
    m_config = m_root + "/config";
    fs::create_directories(m_client);
    fs::create_directories(m_config + "/Halvorn/Vantrel");
    for (const char* name : kClientFileNames) {
        fs::copy_file(fs::path(VANTREL_DEMO_DIR) / name, fs::path(m_client) / name);
    }
    std::ofstream(m_config + "/Halvorn/Vantrel/settings") << settings;
}

BenchClientDir::~BenchClientDir() {
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}
