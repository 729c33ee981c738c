#include "bench_support.h"

#include <chrono>

namespace kelvd::bench {

namespace {

std::function<void()>& EveryRun() {
    static std::function<void()> prepare;
    return prepare;
}

double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

void TimeBesideFloor(benchmark::State& state, const std::string& label,
                     const std::function<void()>& operation, const std::function<void()>& floor,
                     const std::function<void()>& between) {
    double operationSeconds = 0, floorSeconds = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        if (between)
            between();
        // In turns first and second, so that neither always finds what the other left behind.
        if (floorFirst)
            floorSeconds += SecondsOf(floor);
        const double seconds = SecondsOf(operation);
        if (!floorFirst)
            floorSeconds += SecondsOf(floor);
        floorFirst = !floorFirst;
        state.SetIterationTime(seconds);
        operationSeconds += seconds;
    }
    state.counters[label] = benchmark::Counter(floorSeconds, benchmark::Counter::kAvgIterations);
    state.counters[kRatioCounter] = floorSeconds > 0 ? operationSeconds / floorSeconds : 0;
}

void Register(const std::string& name, std::function<void()> operation, const std::string& label,
              std::function<void()> floor, std::function<void()> prepare) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [operation, label, floor, prepare](benchmark::State& state) {
                                     if (EveryRun())
                                         EveryRun()();
                                     if (prepare)
                                         prepare();
                                     TimeBesideFloor(state, label, operation, floor);
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

void PrepareEveryRun(std::function<void()> prepare) {
    EveryRun() = std::move(prepare);
}

} // namespace kelvd::bench
