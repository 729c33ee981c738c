// What every benchmark of kelvd-bench is made of: an operation registered with its repetitions.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace kelvd::bench {

// Registers operation under name, timed in microseconds of real time, five repetitions of which
// the summary takes the median. Before each repetition, untimed, the preparation of every run
// (PrepareEveryRun) and then prepare, when given.
void Register(const std::string& name, std::function<void()> operation,
              std::function<void()> prepare = {});
// What every repetition registered here starts with: the program's other benchmarks may change
// process-wide state in between.
void PrepareEveryRun(std::function<void()> prepare);

} // namespace kelvd::bench
