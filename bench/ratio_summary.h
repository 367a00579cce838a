// Every benchmark here measures its subject and a floor in the same run and reports both as
// counters. This reporter keeps them (the median when a benchmark is repeated) and, after the
// run, prints one line per target: the subject against its floor, and whether the target is met.
// A missed target is reported, never turned into a failure.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

struct BenchTarget {
    enum class Kind {
        Ratio,   // subject / floor <= limit
        Excess,  // subject - floor <= limit
        Info,    // subject / floor, shown without a target
    };
    std::string benchmark;  // function name and arguments, e.g. "BM_RefreshCycle/2"
    std::string what;
    std::string subject;  // counter names
    std::string floor;
    Kind kind = Kind::Ratio;
    double limit = 1.0;
    std::string unit;  // of an Excess
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter();  // colours only on a terminal
    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints the targets' lines; returns how many were missed (or not measured).
    int PrintSummary(const std::vector<BenchTarget>& targets, std::ostream& out) const;

private:
    std::map<std::string, std::map<std::string, double>> m_counters;
    std::map<std::string, std::string> m_errors;
};
