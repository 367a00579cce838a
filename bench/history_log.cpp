#include "history_log.h"

#include <fstream>
#include <sstream>

#include "plain_io.h"

std::size_t WriteHistoryLog(const std::string& path, int lines) {
    std::ifstream demo(std::string(VANTREL_DEMO_DIR) + "/history.csv", std::ios::binary);
    std::vector<std::string> demoLines;
    for (std::string line; std::getline(demo, line);) {
        demoLines.push_back(line);
    }
    std::ostringstream log;
    log << demoLines[0] << '\n';  // the title
    for (int written = 0, copy = 0; written < lines; ++copy) {
        for (size_t i = 1; i < demoLines.size() && written < lines; ++i, ++written) {
            // A name of its own for each copy: "...aa.N" -> "...aa.N.cC".
            std::string line = demoLines[i];
            const size_t end = line.find("\",");
            line.insert(end, ".c" + std::to_string(copy));
            log << line << '\n';
        }
    }
    const std::string bytes = log.str();
    std::ofstream(path, std::ios::binary) << bytes;
    return bytes.size();
}

std::size_t ReadAndSplit(const std::string& path, std::vector<char>& buffer) {
    buffer.resize(ReadFilePlainInto(path, buffer));
    std::vector<std::size_t> fieldStarts;
    std::size_t fields = 0;
    fieldStarts.push_back(0);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        if (buffer[i] == ',') {
            fieldStarts.push_back(i + 1);
        } else if (buffer[i] == '\n') {
            fields += fieldStarts.size();
            fieldStarts.clear();
            fieldStarts.push_back(i + 1);
        }
    }
    return fields;
}
