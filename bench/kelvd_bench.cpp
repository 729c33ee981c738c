// kelvd-bench: the stores' file operations on full-capacity tables, each measured beside its
// floor (the same bytes read from or written to the same file, text files line by line), and
// the hook-state map beside std::unordered_map on the 51,000 event names.
//   kelvd-bench            Google Benchmark's own report
//   kelvd-bench --summary  one line per operation: "NAME: T us, floor F us, ratio R"
#include "bench_configuration.h"
#include "summary_reporter.h"

#include "platform/file_system.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/string_int_map.h"
#include "stores/text_line.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <unordered_map>

namespace {

using namespace kelvd;
using kelvd::bench::BenchConfiguration;

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

template <typename Operation> void Register(const std::string& name, Operation operation) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [operation](benchmark::State& state) {
                                     for (auto _ : state)
                                         operation();
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

void Insert(StringIntMap& map, const std::string& key, int32_t value) {
    map.SetAt(key, value);
}
int32_t Find(const StringIntMap& map, const std::string& key) {
    int32_t value = 0;
    map.Lookup(key, &value);
    return value;
}
void Insert(std::unordered_map<std::string, int32_t>& map, const std::string& key, int32_t value) {
    map[key] = value;
}
int32_t Find(const std::unordered_map<std::string, int32_t>& map, const std::string& key) {
    auto found = map.find(key);
    return found == map.end() ? 0 : found->second;
}

template <typename Map> void InsertThenLookUp(const std::vector<std::string>& keys) {
    Map map;
    int32_t i = 0;
    for (const std::string& key : keys)
        Insert(map, key, i++);
    for (const std::string& key : keys)
        benchmark::DoNotOptimize(Find(map, key));
}

void RegisterAll(const BenchConfiguration& config) {
    const ScalarSettings& settings = config.settings();

    SaveHookState();
    Register("LoadHookState", [] { LoadHookState(); });
    Register("LoadHookState/floor", [path = config.hookStatePath()] { ReadLines(path); });

    Register("SaveHookState", [] { SaveHookState(); });
    Register("SaveHookState/floor",
             [path = config.hookStatePath(), lines = bench::FileLines(config.hookStatePath())] {
                 WriteLines(path, lines);
             });

    SaveConfigFile(config.configPath(), settings);
    Register("SaveConfigFile",
             [&settings, path = config.configPath()] { SaveConfigFile(path, settings); });
    Register("SaveConfigFile/floor",
             [path = config.configPath(), bytes = bench::FileBytes(config.configPath())] {
                 platform::WriteWholeFile(path, bytes);
             });

    Register("LoadConfigFile", [path = config.configPath()] { LoadConfigFile(path); });
    Register("LoadConfigFile/floor", [path = config.configPath()] {
        std::string bytes;
        platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &bytes);
        benchmark::DoNotOptimize(bytes);
    });

    WriteExportRegFile(config.exportPath(), settings, 0);
    Register("WriteExportRegFile",
             [&settings, path = config.exportPath()] { WriteExportRegFile(path, settings, 0); });
    Register("WriteExportRegFile/floor",
             [path = config.exportPath(), lines = bench::FileLines(config.exportPath())] {
                 WriteLines(path, lines);
             });

    const std::vector<std::string>& keys = config.eventNames();
    Register("StringIntMap", [&keys] { InsertThenLookUp<StringIntMap>(keys); });
    Register("StringIntMap/std::unordered_map",
             [&keys] { InsertThenLookUp<std::unordered_map<std::string, int32_t>>(keys); });
}

} // namespace

int main(int argc, char** argv) {
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--summary") == 0) {
            summary = true;
            std::memmove(argv + i, argv + i + 1, (argc - i) * sizeof *argv);
            --argc;
            --i;
        }
    }
    benchmark::Initialize(&argc, argv);
    BenchConfiguration config;
    RegisterAll(config);
    if (summary) {
        kelvd::bench::SummaryReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.PrintSummary();
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
