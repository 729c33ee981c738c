// Collects the benchmarks' times and prints, for each measured operation, its time beside the
// time of its floor: "NAME: T us, floor F us, ratio R".
#pragma once

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace kelvd::bench {

// A benchmark timed by TimeBesideFloor: its name is the operation's, its counters the floor's time
// (under the floor's label, "floor" for most) and the ratio of the two.
class SummaryReporter final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override;
    // One line per operation, in the order the operations ran: the medians of the repetitions'
    // times, and of their ratios.
    void PrintSummary() const;

private:
    struct Figures {
        std::string operation;
        std::string floorLabel;
        double microseconds;
        double floorMicroseconds;
        double ratio;
    };
    std::vector<Figures> figures_;
};

} // namespace kelvd::bench
