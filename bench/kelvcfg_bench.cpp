// kelvcfg's commands on an offline SYSTEM hive of real size (real_size_hive.h), with a catalogue
// of 50 categories of 1,020 events and its hook-state file. Each command is set beside its floor,
// the I/O it cannot do without: libhivex opening the hive and reading what the inventory and the
// stored configuration read (services_walk.h), the catalogue and the hook-state file read line by
// line, and what the command writes: what it prints, written at once to the same file;
// a saved configuration file's bytes; for a command that stores, the hook-state file line by line
// and the whole hive copied to a new file, as a commit writes the whole hive. A command that
// stores starts each iteration from the same files.
#include "bench_configuration.h"
#include "bench_support.h"
#include "plain_io.h"
#include "real_size_hive.h"
#include "services_walk.h"

#include "cli/program.h"
#include "platform/file_system.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using kelvd::bench::FileBytes;

constexpr int kCategories = 50;
constexpr int kEvents = 1020;
// A driver service of the hive, within the drivers table's rows.
constexpr const char* kDriver = "AcpiFilter";

// What a command does beside reading the hive, the catalogue and the hook-state file.
enum class Effect { Reads, Saves, Compares, Stores };

// The hive, catalogue and hook-state file, made once in a directory of their own, with a
// configuration stored in the hive and saved to a file.
class RealSizeFiles {
public:
    RealSizeFiles()
        : dir_(fs::temp_directory_path() / ("kelvcfg-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(dir_);
        const kelvd::bench::HiveSize size = kelvd::bench::WriteRealSizeHive(Path("SYSTEM"));
        std::fprintf(stderr, "kelvcfg's hive: %.1f MB, %u services\n", size.bytes / 1e6,
                     size.services);
        WriteCatalogue();
        if (Run({"driver", "on", kDriver}) != 0 || Run({"save", Path("saved.kwt")}) != 0)
            std::fprintf(stderr, "kelvcfg could not store the configuration\n");
        hive_ = FileBytes(Path("SYSTEM"));
        hookState_ = FileBytes(Path("hookstate.dat"));
        hookStateLines_ = kelvd::bench::FileLines(Path("hookstate.dat"));
    }
    ~RealSizeFiles() { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // The hive and the hook-state file as they were made.
    void Restore() const {
        platform::WriteWholeFile(Path("SYSTEM"), hive_);
        platform::WriteWholeFile(Path("hookstate.dat"), hookState_);
    }

    // kelvcfg's exit code. What it prints goes to a file, as a shell sends it there, and comes
    // back in *printed when asked for.
    int Run(std::vector<std::string> args, std::string* printed = nullptr) const {
        args.insert(args.begin(), {"--hive", Path("SYSTEM"), "--catalogue", Path("KELVD.API"),
                                   "--hook-state", Path("hookstate.dat")});
        std::ostringstream err;
        int code;
        {
            std::ofstream out = Printed();
            code = kelvcfg::Main(args, out, err);
        }
        if (printed)
            *printed = FileBytes(Path("printed.txt"));
        return code;
    }

    // The floor of a command that prints printed.
    void Floor(Effect effect, const std::string& printed) const {
        Printed().write(printed.data(), static_cast<std::streamsize>(printed.size()));
        kelvd::bench::WalkServices(Path("SYSTEM"));
        kelvd::bench::ReadLines(Path("KELVD.API"));
        kelvd::bench::ReadLines(Path("hookstate.dat"));
        if (effect == Effect::Compares)
            benchmark::DoNotOptimize(FileBytes(Path("saved.kwt")));
        if (effect == Effect::Saves)
            platform::WriteWholeFile("/dev/null", FileBytes(Path("saved.kwt")));
        if (effect != Effect::Stores)
            return;
        kelvd::bench::WriteLines(Path("hookstate.dat"), hookStateLines_);
        platform::WriteWholeFile(Path("SYSTEM.copy"), FileBytes(Path("SYSTEM")));
    }

private:
    std::ofstream Printed() const {
        return std::ofstream(Path("printed.txt"), std::ios::binary | std::ios::trunc);
    }

    void WriteCatalogue() const {
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
    }

    fs::path dir_;
    std::string hive_, hookState_;
    std::vector<std::string> hookStateLines_;
};

const RealSizeFiles& TheFiles() {
    static RealSizeFiles files;
    return files;
}

struct Measured {
    const char* name;
    std::vector<std::string> args;
    Effect effect;
};

// The command's arguments: diff compares the hive with the saved configuration.
std::vector<std::string> Arguments(const Measured& command) {
    std::vector<std::string> args = command.args;
    if (command.effect == Effect::Compares)
        args.push_back(TheFiles().Path("saved.kwt"));
    return args;
}

// A command that stores takes most of a second, copying the hive; the others take milliseconds
// and run more often, as their times move more with the machine's other work. Each iteration times
// the command and its floor back to back, a command that stores from the files as they were made.
void Register(const Measured& command) {
    const bool stores = command.effect == Effect::Stores;
    benchmark::RegisterBenchmark(
        command.name,
        [command, stores](benchmark::State& state) {
            const std::vector<std::string> args = Arguments(command);
            std::string printed;
            TheFiles().Run(args, &printed);
            kelvd::bench::TimeBesideFloor(
                state, "floor",
                [&args, &state] {
                    if (TheFiles().Run(args) != 0 && args[0] != "diff")
                        state.SkipWithError("the command failed");
                },
                [&command, &printed] { TheFiles().Floor(command.effect, printed); },
                stores ? [] { TheFiles().Restore(); } : std::function<void()>());
        })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(stores ? 5 : 20)
        ->Repetitions(stores ? 3 : 5)
        ->ReportAggregatesOnly(true);
}

int RegisterAll() {
    const Measured commands[] = {
        {"kelvcfg show", {"show"}, Effect::Reads},
        {"kelvcfg show --json", {"show", "--json"}, Effect::Reads},
        {"kelvcfg select-all", {"select-all"}, Effect::Stores},
        {"kelvcfg driver on", {"driver", "on", kDriver}, Effect::Stores},
        {"kelvcfg event on", {"event", "on", "Api49_1019"}, Effect::Stores},
        {"kelvcfg category off", {"category", "off", "Category0"}, Effect::Stores},
        {"kelvcfg set", {"set", "MemUsage=4096", "DRPopup=1"}, Effect::Stores},
        {"kelvcfg save", {"save", "/dev/null"}, Effect::Saves},
        {"kelvcfg diff", {"diff", "--config"}, Effect::Compares},
    };
    for (const Measured& command : commands)
        Register(command);
    return 0;
}

const int registered = RegisterAll();

} // namespace
