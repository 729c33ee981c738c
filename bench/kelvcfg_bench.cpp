// kelvcfg's commands on an offline hive at full capacity: 256 driver services, a catalogue of 50
// categories of 1,020 events with their hook-state file. Each command is set beside a floor,
// libhivex opening the same hive and visiting every key and value. A command that changes the
// hive starts each iteration from the same file.
#include "cli/hive.h"
#include "cli/hive_target.h"
#include "cli/program.h"
#include "doubles/system_hive.h"
#include "target/target_key.h"
#include "target/target_text.h"

#include <benchmark/benchmark.h>
#include <hivex.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kServices = 256;
constexpr int kCategories = 50;
constexpr int kEvents = 1020;

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The hive, catalogue and hook-state file, made once in a directory of their own.
class FullHive {
public:
    FullHive() : dir_(fs::temp_directory_path() / ("kelvcfg-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(dir_);
        platform::WriteSystemHive(Path("SYSTEM"));
        {
            std::unique_ptr<kelvcfg::Hive> hive =
                kelvcfg::Hive::Open(Path("SYSTEM"), kelvcfg::Hive::Mode::Change);
            kelvcfg::HiveTarget target(*hive, nullptr);
            for (int i = 0; i < kServices; ++i) {
                kelvd::TargetKey key(*target.table());
                key.Create(
                    KELVD_TARGET_ROOT,
                    kelvd::Widen("System\\ControlSet001\\Services\\Driver" + std::to_string(i)));
                key.SetDword("Type", 1);
                key.SetDword("Start", 3);
            }
            hive->Commit();
        }
        std::ostringstream catalogue, hookState;
        catalogue << "1\n" << kCategories << "\n";
        for (int c = 0; c < kCategories; ++c) {
            catalogue << "Category" << c << "\n" << kEvents << "\n0\n" << c << "\n";
            for (int e = 0; e < kEvents; ++e) {
                catalogue << "Api" << c << "_" << e << "\n";
                hookState << "Api" << c << "_" << e << "=" << (e % 2) << "\n";
            }
        }
        std::ofstream(Path("KELVD.API")) << catalogue.str();
        std::ofstream(Path("hookstate.dat")) << hookState.str();
        Run({"save", Path("saved.kwt")});
        hive_ = Bytes(Path("SYSTEM"));
        hookState_ = Bytes(Path("hookstate.dat"));
    }
    ~FullHive() { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // The hive and the hook-state file as they were made.
    void Restore() const {
        std::ofstream(Path("SYSTEM"), std::ios::binary) << hive_;
        std::ofstream(Path("hookstate.dat"), std::ios::binary) << hookState_;
    }

    int Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--hive", Path("SYSTEM"), "--catalogue", Path("KELVD.API"),
                                   "--hook-state", Path("hookstate.dat")});
        std::ostringstream out, err;
        return kelvcfg::Main(args, out, err);
    }

private:
    fs::path dir_;
    std::string hive_, hookState_;
};

const FullHive& TheHive() {
    static FullHive hive;
    return hive;
}

int VisitNode(hive_h*, void*, hive_node_h, const char*) {
    return 0;
}

void Command(benchmark::State& state, std::vector<std::string> args, bool changes) {
    const FullHive& hive = TheHive();
    for (auto _ : state) {
        if (changes) {
            state.PauseTiming();
            hive.Restore();
            state.ResumeTiming();
        }
        if (hive.Run(args) != 0 && args[0] != "diff")
            state.SkipWithError("the command failed");
    }
}

void Floor(benchmark::State& state) {
    const FullHive& hive = TheHive();
    hivex_visitor visitor{};
    visitor.node_start = VisitNode;
    for (auto _ : state) {
        hive_h* handle = hivex_open(hive.Path("SYSTEM").c_str(), 0);
        hivex_visit(handle, &visitor, sizeof visitor, nullptr, 0);
        hivex_close(handle);
    }
}

struct Measured {
    const char* name;
    std::vector<std::string> args;
    bool changes;
};

int RegisterAll() {
    const Measured commands[] = {
        {"kelvcfg show", {"show"}, false},
        {"kelvcfg show --json", {"show", "--json"}, false},
        {"kelvcfg select-all", {"select-all"}, true},
        {"kelvcfg driver on", {"driver", "on", "Driver100"}, true},
        {"kelvcfg event on", {"event", "on", "Api49_1019"}, true},
        {"kelvcfg category off", {"category", "off", "Category0"}, true},
        {"kelvcfg set", {"set", "MemUsage=4096", "DRPopup=1"}, true},
        {"kelvcfg save", {"save", "/dev/null"}, false},
        {"kelvcfg diff", {"diff", "--config", ""}, false},
    };
    for (const Measured& command : commands) {
        const std::string name = command.name;
        benchmark::RegisterBenchmark(name.c_str(),
                                     [command](benchmark::State& state) {
                                         std::vector<std::string> args = command.args;
                                         if (args[0] == "diff")
                                             args.back() = TheHive().Path("saved.kwt");
                                         Command(state, args, command.changes);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(5)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark((name + "/hivex").c_str(), Floor)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
    return 0;
}

const int registered = RegisterAll();

} // namespace
