#include "ratio_summary.h"

#include <unistd.h>

#include <cstdio>

namespace {

std::string RunKey(const benchmark::BenchmarkReporter::Run& run) {
    const auto& name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

}  // namespace

RatioReporter::RatioReporter()
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const std::string key = RunKey(run);
        if (run.error_occurred) {
            m_errors[key] = run.error_message;
            continue;
        }
        // A repeated benchmark reports each repetition, then its aggregates: keep the median.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) {
            continue;
        }
        auto& kept = m_counters[key];
        for (const auto& [counter, value] : run.counters) {
            kept[counter] = value.value;
        }
    }
}

int RatioReporter::PrintSummary(const std::vector<BenchTarget>& targets, std::ostream& out) const {
    int missed = 0;
    out << "\nAgainst the floor measured in the same run:\n";
    for (const BenchTarget& target : targets) {
        char line[512];
        const auto counters = m_counters.find(target.benchmark);
        const auto error = m_errors.find(target.benchmark);
        if (error != m_errors.end() || counters == m_counters.end() ||
            !counters->second.count(target.subject) || !counters->second.count(target.floor)) {
            std::snprintf(line, sizeof line, "  %-44s not measured%s%s\n", target.what.c_str(),
                          error != m_errors.end() ? ": " : "",
                          error != m_errors.end() ? error->second.c_str() : "");
            out << line;
            ++missed;
            continue;
        }
        const double subject = counters->second.at(target.subject);
        const double floor = counters->second.at(target.floor);
        bool met = false;
        if (target.kind == BenchTarget::Kind::Info) {
            std::snprintf(line, sizeof line, "  %-44s %6.2f x\n", target.what.c_str(),
                          floor > 0 ? subject / floor : 0.0);
            out << line;
            continue;
        }
        if (target.kind == BenchTarget::Kind::Ratio) {
            const double ratio = floor > 0 ? subject / floor : 0.0;
            met = floor > 0 && ratio <= target.limit;
            std::snprintf(line, sizeof line, "  %-44s %6.2f x floor  (target <= %.2f): %s\n",
                          target.what.c_str(), ratio, target.limit,
                          met ? "target met" : "target missed");
        } else {
            const double excess = subject - floor;
            met = excess <= target.limit;
            std::snprintf(line, sizeof line,
                          "  %-44s %+6.2f %s over floor (%.2f against %.2f; "
                          "target <= %+.2f): %s\n",
                          target.what.c_str(), excess, target.unit.c_str(), subject, floor,
                          target.limit, met ? "target met" : "target missed");
        }
        out << line;
        missed += met ? 0 : 1;
    }
    return missed;
}
