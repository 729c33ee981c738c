#include "summary_reporter.h"

#include <cstdio>

namespace kelvd::bench {

namespace {

double ToMicroseconds(double time, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond:
        return time / 1e3;
    case benchmark::kMicrosecond:
        return time;
    case benchmark::kMillisecond:
        return time * 1e3;
    case benchmark::kSecond:
        return time * 1e6;
    }
    return time;
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Aggregate ||
            run.aggregate_name != "median")
            continue;
        Figures figures{run.run_name.function_name, "",
                        ToMicroseconds(run.GetAdjustedRealTime(), run.time_unit), 0, 0};
        for (const auto& [name, counter] : run.counters) {
            if (name == kRatioCounter) {
                figures.ratio = counter.value;
            } else {
                figures.floorLabel = name;
                figures.floorMicroseconds = counter.value * 1e6;
            }
        }
        figures_.push_back(figures);
    }
}

void SummaryReporter::PrintSummary() const {
    for (const Figures& figures : figures_)
        std::printf("%s: %.1f us, %s %.1f us, ratio %.2f\n", figures.operation.c_str(),
                    figures.microseconds, figures.floorLabel.c_str(), figures.floorMicroseconds,
                    figures.ratio);
}

} // namespace kelvd::bench
