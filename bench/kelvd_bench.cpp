// kelvd-bench: the stores' file operations on full-capacity tables, each measured beside its
// floor (the same bytes read from or written to the same file, text files line by line), the
// hook-state map beside std::unordered_map on the 51,000 event names, and the model load and
// SelectAll at full capacity beside theirs (bench_model_load.h).
//   kelvd-bench            Google Benchmark's own report
//   kelvd-bench --summary  one line per operation: "NAME: T us, floor F us, ratio R"
#include "bench_configuration.h"
#include "bench_model_load.h"
#include "bench_support.h"
#include "plain_io.h"
#include "summary_reporter.h"

#include "platform/file_system.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/string_int_map.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace {

using namespace kelvd;
using kelvd::bench::BenchConfiguration;
using kelvd::bench::ReadLines;
using kelvd::bench::Register;
using kelvd::bench::WriteLines;

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

    Register(
        "LoadHookState", [] { LoadHookState(); }, "floor",
        [path = config.hookStatePath()] { ReadLines(path); });

    Register(
        "SaveHookState", [] { SaveHookState(); }, "floor",
        [path = config.hookStatePath(), lines = bench::FileLines(config.hookStatePath())] {
            WriteLines(path, lines);
        });

    SaveConfigFile(config.configPath(), settings);
    Register(
        "SaveConfigFile",
        [&settings, path = config.configPath()] { SaveConfigFile(path, settings); }, "floor",
        [path = config.configPath(), bytes = bench::FileBytes(config.configPath())] {
            platform::WriteWholeFile(path, bytes);
        });

    Register(
        "LoadConfigFile", [path = config.configPath()] { LoadConfigFile(path); }, "floor",
        [path = config.configPath()] {
            std::string bytes;
            platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &bytes);
            benchmark::DoNotOptimize(bytes);
        });

    WriteExportRegFile(config.exportPath(), settings, 0);
    Register(
        "WriteExportRegFile",
        [&settings, path = config.exportPath()] { WriteExportRegFile(path, settings, 0); }, "floor",
        [path = config.exportPath(), lines = bench::FileLines(config.exportPath())] {
            WriteLines(path, lines);
        });

    const std::vector<std::string>& keys = config.eventNames();
    Register(
        "StringIntMap", [&keys] { InsertThenLookUp<StringIntMap>(keys); }, "std::unordered_map",
        [&keys] { InsertThenLookUp<std::unordered_map<std::string, int32_t>>(keys); });
}

} // namespace

int main(int argc, char** argv) {
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            std::printf("kelvd-bench [--summary] [Google Benchmark's options, below]\n"
                        "  --summary  one line per operation: \"NAME: T us, floor F us, "
                        "ratio R\" (medians of 5 repetitions)\n");
        if (std::strcmp(argv[i], "--summary") == 0) {
            summary = true;
            std::memmove(argv + i, argv + i + 1, (argc - i) * sizeof *argv);
            --argc;
            --i;
        }
    }
    benchmark::Initialize(&argc, argv);
    BenchConfiguration config;
    kelvd::bench::PrepareEveryRun([&config] { config.Restore(); });
    RegisterAll(config);
    kelvd::bench::RegisterModelLoad(config);
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
