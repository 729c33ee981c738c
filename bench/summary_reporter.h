// Collects the benchmarks' times and prints, for each measured operation, its time beside the
// time of its floor: "NAME: T us, floor F us, ratio R".
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace kelvd::bench {

// A benchmark named "NAME" is an operation; "NAME/LABEL" is the floor it is set against, and
// LABEL names the floor in the summary ("floor" for the file operations).
class SummaryReporter final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
    // One line per operation, in the order the operations ran.
    void PrintSummary() const;

private:
    std::map<std::string, double> microseconds_; // median real time per iteration, by name
    std::vector<std::string> operations_;
    std::map<std::string, std::string> floorOf_; // operation -> the floor's full name
};

} // namespace kelvd::bench
