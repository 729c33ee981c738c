// kwhost against a stand-in library: what it calls, reports, refuses, and its exit codes.
#include "host/host_run.h"
#include "kelvd_version.h"

#include "platform/dynamic_library.h"
#include "target/target_key.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>

namespace kwhost {

namespace {

// What happened, in order: loads, calls of the entry points, the companion's life, frees.
std::vector<std::string> calls;
int32_t configureResult = 0;

// Lists the target's services into the call and stores a value, as the library's store would.
void UseTarget(TargetRegistry& target, std::string& call) {
    kelvd::TargetKey services(target);
    services.Open(KELVD_TARGET_ROOT, kelvd::Widen("System\\ControlSet001\\Services"),
                  platform::reg::kRead);
    KelvdTargetChar name[256];
    for (uint32_t i = 0, length = 256;
         target.EnumKey(services.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) == 0;
         ++i, length = 256)
        call += "," + kelvd::ToModelText(name);
    kelvd::TargetKey checker(target);
    checker.Create(KELVD_TARGET_ROOT, kelvd::Widen("System\\ControlSet001\\Services\\Kelvd"));
    checker.SetDword("MemUsage", 2048);
}

int32_t KELVD_CALL StandInConfigure(const char* helpFile, int32_t mode, TargetRegistry* target) {
    std::string call = "ConfigureKELVD(" + std::string(helpFile) + "," + std::to_string(mode);
    if (target)
        UseTarget(*target, call);
    calls.push_back(call + ")");
    return configureResult;
}

template <const char* kName> void KELVD_CALL Noted() {
    calls.push_back(kName);
}
constexpr char kSelectAll[] = "SelectAll", kSelectNone[] = "SelectNone";

// A library loader that knows one library, with the entry points a test leaves it.
struct StandInLibraries final : platform::DynamicLibraries {
    platform::LibraryHandle Load(const char* name) override {
        calls.push_back("load " + std::string(name));
        return loadable ? kHandle : 0;
    }
    void* Symbol(platform::LibraryHandle library, const char* name) override {
        auto found = exports.find(name);
        return library == kHandle && found != exports.end() ? found->second : nullptr;
    }
    void Free(platform::LibraryHandle library) override {
        calls.push_back(library == kHandle ? "free" : "free of another");
    }

    static constexpr platform::LibraryHandle kHandle = 0x5000;
    bool loadable = true;
    std::map<std::string, void*> exports = {
        {"ConfigureKELVD", reinterpret_cast<void*>(&StandInConfigure)},
        {kSelectAll, reinterpret_cast<void*>(&Noted<kSelectAll>)},
        {kSelectNone, reinterpret_cast<void*>(&Noted<kSelectNone>)}};
};

constexpr const char* kOk = "ConfigureKELVD returned 0: the sheet was closed with OK\n";
const std::string kTimedOk = std::string("Time to something: 1.0 ms\n") + kOk;
constexpr const char* kUsage = "{usage}"; // stands for the whole usage text

struct HostCase {
    const char* name;
    const char* args; // joined by spaces
    int exit;
    const char* calls; // joined by "|"
    std::string out, err;
    int32_t result = 0;       // what ConfigureKELVD returns
    const char* missing = ""; // entry points the library lacks, joined by spaces
    bool loadable = true;
    const char* obstacle = nullptr; // a companion when not null: its obstacle and failure
    const char* failure = "";
};

// Notes when it is made, finished and gone; reports what the case gives.
struct RecordingCompanion final : SheetCompanion {
    RecordingCompanion(const std::string& title, const HostCase& run) : run(run) {
        calls.push_back("up " + title);
    }
    ~RecordingCompanion() override { calls.push_back("down"); }
    std::string Obstacle() const override { return run.obstacle; }
    std::string Finish(std::ostream& out) override {
        calls.push_back("finish");
        out << "Time to something: 1.0 ms\n";
        return run.failure;
    }

    const HostCase& run;
};

std::vector<std::string> Words(const std::string& text, char separator) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; std::getline(in, word, separator);)
        words.push_back(word);
    return words;
}

std::string Expanded(std::string text) {
    const size_t at = text.find(kUsage);
    return at == std::string::npos ? text : text.replace(at, strlen(kUsage), HostUsage());
}

struct HostRun : testing::TestWithParam<HostCase> {};

TEST_P(HostRun, CallsReportsAndExits) {
    const HostCase& run = GetParam();
    calls.clear();
    configureResult = run.result;
    StandInLibraries libraries;
    platform::ScopedDynamicLibraries scope{libraries};
    libraries.loadable = run.loadable;
    for (const std::string& name : Words(run.missing, ' '))
        libraries.exports.erase(name);
    SheetCompanionFactory companions;
    if (run.obstacle)
        companions = [&run](const HostCommand& command, const std::string& title, std::ostream&) {
            const std::string asked = (command.screensDir.empty() ? "" : ", pictures in ") +
                                      command.screensDir + (command.timed ? ", timed" : "");
            return std::make_unique<RecordingCompanion>(title + asked, run);
        };
    std::ostringstream out, err;
    EXPECT_EQ(run.exit, HostMain(Words(run.args, ' '), out, err, companions));
    EXPECT_EQ(Words(run.calls, '|'), calls);
    EXPECT_EQ(Expanded(run.out), out.str());
    EXPECT_EQ(Expanded(run.err), err.str());
}

const HostCase kRuns[] = {
    // No companion is made for the selections.
    {"SelectAll", "selectall", kExitDone, "load kelvdcfg.dll|SelectAll|free",
     "SelectAll returned\n", "", 0, "", true, ""},
    {"SelectNoneOfAnotherLibrary", "selectnone --library a.dll", kExitDone,
     "load a.dll|SelectNone|free", "SelectNone returned\n", ""},
    {"ConfigureWithHelpFile", "configure 0 KW.HLP", kExitDone,
     "load kelvdcfg.dll|ConfigureKELVD(KW.HLP,0)|free", kOk, ""},
    // Modes the library does not know are passed on as they are.
    {"ConfigureCancelled", "configure -7", kExitDone, "load kelvdcfg.dll|ConfigureKELVD(,-7)|free",
     "ConfigureKELVD returned 1223: the sheet was cancelled\n", "", KELVD_CANCELLED},
    {"ConfigureOtherResult", "configure 2147483647", kExitDone,
     "load kelvdcfg.dll|ConfigureKELVD(,2147483647)|free",
     "ConfigureKELVD returned 5: an unknown result\n", "", 5},
    // Only mode 3 hands in a target: the demonstration's services, printed afterwards.
    {"EmbeddedTarget", "configure 3", kExitDone,
     "load kelvdcfg.dll|ConfigureKELVD(,3,Atdisk,Kwnet,Kwvga,Serial)|free",
     std::string(kOk) + "Stored on the target:\n"
                        "HKEY_LOCAL_MACHINE\\System\\ControlSet001\\Services\\Kelvd\n"
                        "    MemUsage    REG_DWORD    0x800\n",
     ""},
    {"MissingEntryPointsAreNamed", "selectall", kExitLibrary, "load kelvdcfg.dll|free", "",
     "kwhost: kelvdcfg.dll has no entry point ConfigureKELVD\n"
     "kwhost: kelvdcfg.dll has no entry point SelectNone\n",
     0, "ConfigureKELVD SelectNone"},
    {"LibraryThatDoesNotLoad", "--library C:\\x\\other.dll configure 1", kExitLibrary,
     "load C:\\x\\other.dll", "", "kwhost: cannot load C:\\x\\other.dll\n", 0, "", false},
    {"Version", "--version", kExitDone, "", "kwhost " KELVD_VERSION_TEXT "\n", ""},
    // A request for help anywhere is answered with the usage alone.
    {"Help", "--help", kExitDone, "", kUsage, ""},
    {"HelpAfterACommand", "configure 1 -h", kExitDone, "", kUsage, ""},
    {"UsageError", "configure one", kExitUsage, "", "",
     "kwhost: configure takes a mode (a number) and an optional help file\n{usage}"},
    // The companion lives around the call, knows the sheet's caption and reports before what the
    // call returned.
    {"CompanionOfTheFarhandSheet", "configure 2", kExitDone,
     "load kelvdcfg.dll|up Configure Kelvarin Settings for use with Farhand|ConfigureKELVD(,2)|"
     "finish|down|free",
     kTimedOk, "", 0, "", true, ""},
    {"PicturesTimedOfAnotherLibrary", "--screens Z:\\shots configure 1 --library a.dll --time",
     kExitDone,
     "load a.dll|up Kelvarin Settings, pictures in Z:\\shots, timed|ConfigureKELVD(,1)|finish|down|"
     "free",
     kTimedOk, "", 0, "", true, ""},
    // A sheet that never appeared, or pictures not saved: the call is reported, then the failure.
    {"FailureBesideTheSheet", "configure 1", kExitSheet,
     "load kelvdcfg.dll|up Kelvarin Settings|ConfigureKELVD(,1)|finish|down|free", kTimedOk,
     "kwhost: no sheet appeared\n", 0, "", true, "", "no sheet appeared"},
    {"ObstacleShowsNoSheet", "configure 1", kExitSheet,
     "load kelvdcfg.dll|up Kelvarin Settings|down|free", "", "kwhost: cannot make the folder X\n",
     0, "", true, "cannot make the folder X"},
};

INSTANTIATE_TEST_SUITE_P(Host, HostRun, testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

// Refusals give a reason and the usage and load nothing; two spaces make an empty argument.
TEST(HostRefusals, GiveAReasonAndTheUsageAndLoadNothing) {
    const std::string mode = "configure takes a mode (a number) and an optional help file";
    const std::string noSheet = " takes no arguments and shows no sheet";
    const std::pair<const char*, std::string> refusals[] = {
        {"", "no command"},
        {"--time", "no command"},
        {"configure", mode},
        {"configure 1x", mode},
        {"configure x", mode},
        {"configure  a.hlp", mode},
        {"configure +1", mode},
        {"configure 2147483648", mode},
        {"configure 1 a.hlp extra", mode},
        {"selectall 1", "selectall" + noSheet},
        {"--screens d selectnone", "selectnone" + noSheet},
        {"--time selectall", "selectall" + noSheet},
        {"selectall --plain-c-target", "selectall" + noSheet},
        {"configure 1 --library", "--library needs a value"},
        {"--screens  configure 1", "--screens needs a value"},
        {"show", "unknown command show"},
        {"show configure 1", "unknown command show"},
        {"--bogus configure 1", "unknown command --bogus"},
        {"--version selectall", "--version takes nothing else"},
        {"configure 1 --version", "--version takes nothing else"}};
    for (const auto& [args, reason] : refusals) {
        calls.clear();
        StandInLibraries libraries;
        platform::ScopedDynamicLibraries scope{libraries};
        std::ostringstream out, err;
        EXPECT_EQ(kExitUsage, HostMain(Words(args, ' '), out, err, {})) << args;
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ("", out.str());
        EXPECT_EQ("kwhost: " + reason + "\n" + HostUsage(), err.str()) << args;
    }
}

} // namespace

} // namespace kwhost
