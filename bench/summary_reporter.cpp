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
        const std::string& name = run.run_name.function_name;
        microseconds_[name] = ToMicroseconds(run.GetAdjustedRealTime(), run.time_unit);
        size_t slash = name.find('/');
        if (slash == std::string::npos)
            operations_.push_back(name);
        else
            floorOf_[name.substr(0, slash)] = name;
    }
}

void SummaryReporter::PrintSummary() const {
    for (const std::string& operation : operations_) {
        auto floor = floorOf_.find(operation);
        if (floor == floorOf_.end())
            continue;
        double time = microseconds_.at(operation);
        double floorTime = microseconds_.at(floor->second);
        std::printf("%s: %.1f us, %s %.1f us, ratio %.2f\n", operation.c_str(), time,
                    floor->second.substr(operation.size() + 1).c_str(), floorTime,
                    time / floorTime);
    }
}

} // namespace kelvd::bench
