#include "csv_log_check.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace {

constexpr size_t kBasicFields = 23;
constexpr size_t kNameField = 1;
constexpr size_t kProgressField = 15;
constexpr size_t kCpuField = 16;
constexpr size_t kFitField = 22;

bool IsNumber(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

std::string Unquote(const std::string& field) {
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        return field.substr(1, field.size() - 2);
    }
    return {};
}

// Which unit each line may name: one the client had, later than the one on the line before.
class UnitOrder {
public:
    explicit UnitOrder(const std::vector<std::string>& unitsInOrder) {
        for (size_t i = 0; i < unitsInOrder.size(); ++i) {
            m_index[unitsInOrder[i]] = i;
        }
    }

    // What is wrong with a line naming this unit, or empty text.
    std::string Take(const std::string& name, int& tornNameLines) {
        const auto unit = m_index.find(name);
        if (unit == m_index.end()) {
            if (MarkTornUnits(name)) {
                ++tornNameLines;
                return {};
            }
            return "unit \"" + name + "\" never existed";
        }
        if (unit->second < m_next && m_tornUnits.erase(name) == 0) {
            return "unit \"" + name + "\" logged again or out of order";
        }
        m_next = std::max(m_next, unit->second + 1);
        return {};
    }

private:
    // FIXME: a work-unit or result header caught cut inside its name line gives the window a
    // cut name, which the timer export takes for a change of unit: a line under the cut name,
    // and the real unit logged once more. Counted, not failed, until the program handles it.
    bool MarkTornUnits(const std::string& cutName) {
        bool any = false;
        for (const auto& [name, index] : m_index) {
            if (name.compare(0, cutName.size(), cutName) == 0) {
                m_tornUnits.insert(name);
                any = true;
            }
        }
        return any;
    }

    std::map<std::string, size_t> m_index;
    std::set<std::string> m_tornUnits;  // may be logged once more
    size_t m_next = 0;
};

}  // namespace

std::vector<std::string> SplitCsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char ch : line) {
        if (ch == '"') {
            quoted = !quoted;
        }
        if (ch == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += ch;
        }
    }
    return fields;
}

CsvLogReport CheckCsvLog(const std::string& contents,
                         const std::vector<std::string>& unitsInOrder) {
    CsvLogReport report;
    if (!contents.empty() && contents.back() != '\n') {
        report.problems.push_back("the log ends inside a line");
    }
    UnitOrder order(unitsInOrder);
    size_t start = 0;
    for (int number = 1; start < contents.size(); ++number) {
        size_t end = contents.find('\n', start);
        if (end == std::string::npos) {
            end = contents.size();
        }
        const std::string line = contents.substr(start, end - start);
        start = end + 1;
        const std::string where = "line " + std::to_string(number) + ": ";
        const std::vector<std::string> fields = SplitCsvFields(line);
        if (line.find('\r') != std::string::npos) {
            report.problems.push_back(where + "a CR in an LF log");
        }
        if (fields.size() != kBasicFields) {
            report.problems.push_back(where + std::to_string(fields.size()) + " fields: " + line);
            continue;
        }
        if (number == 1) {
            if (fields[0] != "\"Update\"" || fields[kNameField] != "\"Unit Name\"") {
                report.problems.push_back("the log does not start with the title line");
            }
            continue;
        }
        const std::string name = Unquote(fields[kNameField]);
        report.lines.push_back({name, std::atof(fields[kFitField].c_str())});
        if (const std::string problem = order.Take(name, report.tornNameLines); !problem.empty()) {
            report.problems.push_back(where + problem);
        }
        double progress = 0.0;
        double cpu = 0.0;
        if (!IsNumber(fields[kProgressField], progress) || progress < 0.0 || progress > 1.0) {
            report.problems.push_back(where + "progress " + fields[kProgressField]);
        }
        if (!IsNumber(fields[kCpuField], cpu) || cpu < 0.0) {
            report.problems.push_back(where + "CPU time " + fields[kCpuField]);
        }
    }
    return report;
}
