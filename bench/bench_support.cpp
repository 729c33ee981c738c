#include "bench_support.h"

#include "platform/file_system.h"
#include "stores/text_line.h"

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

void ReadLines(const std::string& path) {
    std::unique_ptr<platform::File> file =
        platform::fileSystem().Open(path.c_str(), platform::OpenMode::ReadText);
    char line[kTextLineSize];
    while (file->ReadLine(line, sizeof line))
        benchmark::DoNotOptimize(line);
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::unique_ptr<platform::File> file =
        platform::fileSystem().Open(path.c_str(), platform::OpenMode::WriteBinary);
    for (const std::string& line : lines)
        file->Write(line.data(), line.size());
    file->Close();
}

} // namespace kelvd::bench
