// What every benchmark of kelvd-bench is made of: an operation timed beside its floor, the two
// back to back in every iteration.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace kelvd::bench {

// The counter under which a benchmark reports the ratio of its operation's time to its floor's.
constexpr const char* kRatioCounter = "ratio";

// Runs state's iterations: each times operation and floor back to back, in turns the one first and
// the other, so that both meet the machine and the heap in the same state (benchmarks timed one
// after the other, seconds apart, met them in different ones). The benchmark's own time is the
// operation's; the floor's time per iteration is reported as the counter label (in seconds), and
// the repetition's ratio of the two as kRatioCounter. Before each iteration, untimed, between, when
// given.
void TimeBesideFloor(benchmark::State& state, const std::string& label,
                     const std::function<void()>& operation, const std::function<void()>& floor,
                     const std::function<void()>& between = {});

// Registers operation under name beside its floor, labelled label ("floor" for most), timed in
// microseconds, five repetitions of which the summary takes the medians. Before each repetition,
// untimed, the preparation of every run (PrepareEveryRun) and then prepare, when given.
void Register(const std::string& name, std::function<void()> operation, const std::string& label,
              std::function<void()> floor, std::function<void()> prepare = {});
// What every repetition registered here starts with: the program's other benchmarks may change
// process-wide state in between.
void PrepareEveryRun(std::function<void()> prepare);

} // namespace kelvd::bench
