#include "bench_support.h"

namespace kelvd::bench {

namespace {

std::function<void()>& EveryRun() {
    static std::function<void()> prepare;
    return prepare;
}

} // namespace

void PrepareEveryRun(std::function<void()> prepare) {
    EveryRun() = std::move(prepare);
}

void Register(const std::string& name, std::function<void()> operation,
              std::function<void()> prepare) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [operation, prepare](benchmark::State& state) {
                                     if (EveryRun())
                                         EveryRun()();
                                     if (prepare)
                                         prepare();
                                     for (auto _ : state)
                                         operation();
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace kelvd::bench
