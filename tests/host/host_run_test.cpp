// kwhost against stand-in libraries: which entry point it calls with what, what it reports, and
// how it fails when the library is missing or incomplete.
#include "host/host_run.h"
#include "kelvd_version.h"

#include "platform/dynamic_library.h"
#include "target/target_key.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace kwhost {

namespace {

// What the stand-in entry points were called with, in order.
std::vector<std::string> calls;
int32_t configureResult = 0;

int32_t KELVD_CALL StandInConfigure(const char* helpFile, int32_t mode, TargetRegistry* target) {
    std::string call = "ConfigureKELVD(" + std::string(helpFile) + "," + std::to_string(mode);
    if (target) {
        // Lists the target's services and stores a few values, as the library's target store
        // would.
        kelvd::TargetKey services(*target);
        services.Open(KELVD_TARGET_ROOT, kelvd::Widen("System\\ControlSet001\\Services"),
                      platform::reg::kRead);
        KelvdTargetChar name[256];
        for (uint32_t i = 0, length = 256; target->EnumKey(services.get(), i, name, &length,
                                                           nullptr, nullptr, nullptr, nullptr) == 0;
             ++i, length = 256)
            call += "," + kelvd::ToModelText(name);
        kelvd::TargetKey checker(*target);
        checker.Create(KELVD_TARGET_ROOT, kelvd::Widen("System\\ControlSet001\\Services\\Kelvd"));
        checker.SetDword("MemUsage", 2048);
        const kelvd::TargetString group = kelvd::Widen("System Bus Extender");
        checker.Set("Group", platform::reg::kSz, group.c_str(),
                    uint32_t((group.size() + 1) * sizeof(KelvdTargetChar)));
        const uint8_t list[] = {'A', '.', 'S', 'Y', 'S', 0, 1, 0};
        checker.Set("Driver", platform::reg::kBinary, list, sizeof list);
    }
    calls.push_back(call + ")");
    return configureResult;
}

void KELVD_CALL StandInSelectAll() {
    calls.push_back("SelectAll");
}

void KELVD_CALL StandInSelectNone() {
    calls.push_back("SelectNone");
}

// A library loader that knows one library, with the entry points a test gives it.
class StandInLibraries final : public platform::DynamicLibraries {
public:
    platform::LibraryHandle Load(const char* name) override {
        loads.push_back(name);
        return loadable ? kHandle : 0;
    }
    void* Symbol(platform::LibraryHandle library, const char* name) override {
        auto found = exports.find(name);
        return library == kHandle && found != exports.end() ? found->second : nullptr;
    }
    void Free(platform::LibraryHandle library) override { frees += library == kHandle; }

    static constexpr platform::LibraryHandle kHandle = 0x5000;
    bool loadable = true;
    std::map<std::string, void*> exports = {
        {"ConfigureKELVD", reinterpret_cast<void*>(&StandInConfigure)},
        {"SelectAll", reinterpret_cast<void*>(&StandInSelectAll)},
        {"SelectNone", reinterpret_cast<void*>(&StandInSelectNone)}};
    std::vector<std::string> loads;
    int frees = 0;
};

class HostRun : public testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        configureResult = 0;
    }
    int Run(const std::vector<std::string>& args, const SheetCompanionFactory& companions = {}) {
        return HostMain(args, out_, err_, companions);
    }

    StandInLibraries libraries_;
    platform::ScopedDynamicLibraries scope_{libraries_};
    std::ostringstream out_, err_;
};

TEST_F(HostRun, SelectAllAndSelectNoneCallTheirEntryPointOnce) {
    EXPECT_EQ(kExitDone, Run({"selectall"}));
    EXPECT_EQ(kExitDone, Run({"selectnone"}));
    EXPECT_EQ((std::vector<std::string>{"SelectAll", "SelectNone"}), calls);
    EXPECT_EQ("SelectAll returned\nSelectNone returned\n", out_.str());
    EXPECT_EQ((std::vector<std::string>{"kelvdcfg.dll", "kelvdcfg.dll"}), libraries_.loads);
    EXPECT_EQ(2, libraries_.frees);
}

// Only mode 3 hands in a target (the stand-in lists its services in the call).
TEST_F(HostRun, ConfigureReportsHowTheSheetWasClosed) {
    EXPECT_EQ(kExitDone, Run({"configure", "0", "KW.HLP"}));
    configureResult = KELVD_CANCELLED;
    EXPECT_EQ(kExitDone, Run({"configure", "4"}));
    EXPECT_EQ((std::vector<std::string>{"ConfigureKELVD(KW.HLP,0)", "ConfigureKELVD(,4)"}), calls);
    EXPECT_EQ("ConfigureKELVD returned 0: the sheet was closed with OK\n"
              "ConfigureKELVD returned 1223: the sheet was cancelled\n",
              out_.str());
    EXPECT_EQ("", err_.str());
}

TEST_F(HostRun, EmbeddedTargetHoldsTheDemoServicesAndIsPrintedAfterwards) {
    EXPECT_EQ(kExitDone, Run({"configure", "3"}));
    EXPECT_EQ((std::vector<std::string>{"ConfigureKELVD(,3,Atdisk,Kwnet,Kwvga,Serial)"}), calls);
    EXPECT_EQ("ConfigureKELVD returned 0: the sheet was closed with OK\n"
              "Stored on the target:\n"
              "HKEY_LOCAL_MACHINE\\System\\ControlSet001\\Services\\Kelvd\n"
              "    MemUsage    REG_DWORD    0x800\n"
              "    Group    REG_SZ    System Bus Extender\n"
              "    Driver    REG_BINARY    412E535953000100\n",
              out_.str());
}

TEST_F(HostRun, MissingEntryPointsAreNamedAndNothingIsCalled) {
    libraries_.exports.erase("ConfigureKELVD");
    libraries_.exports.erase("SelectNone");
    EXPECT_EQ(kExitLibrary, Run({"selectall"}));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ("kwhost: kelvdcfg.dll has no entry point ConfigureKELVD\n"
              "kwhost: kelvdcfg.dll has no entry point SelectNone\n",
              err_.str());
    EXPECT_EQ("", out_.str());
    EXPECT_EQ(1, libraries_.frees);
}

TEST_F(HostRun, LibraryThatDoesNotLoadIsNamed) {
    libraries_.loadable = false;
    EXPECT_EQ(kExitLibrary, Run({"--library", "C:\\x\\other.dll", "configure", "1"}));
    EXPECT_EQ((std::vector<std::string>{"C:\\x\\other.dll"}), libraries_.loads);
    EXPECT_EQ("kwhost: cannot load C:\\x\\other.dll\n", err_.str());
    EXPECT_EQ(0, libraries_.frees);
}

TEST_F(HostRun, VersionIsTheBuildsAndLoadsNothing) {
    EXPECT_EQ(kExitDone, Run({"--version"}));
    EXPECT_EQ("kwhost " KELVD_VERSION_TEXT "\n", out_.str());
    EXPECT_TRUE(libraries_.loads.empty());
}

TEST_F(HostRun, UsageErrorLoadsNothing) {
    EXPECT_EQ(kExitUsage, Run({"configure", "one"}));
    EXPECT_TRUE(libraries_.loads.empty());
    EXPECT_NE(std::string::npos, err_.str().find("usage: kwhost"));
}

TEST_F(HostRun, HelpPrintsTheUsageAndLoadsNothing) {
    EXPECT_EQ(kExitDone, Run({"--help"}));
    EXPECT_TRUE(libraries_.loads.empty());
    EXPECT_EQ(HostUsage(), out_.str());
    EXPECT_EQ("", err_.str());
}

// Records when it is made, what it is told and when it goes, around the call; reports what a
// test gives it.
class RecordingCompanion final : public SheetCompanion {
public:
    RecordingCompanion(const std::string& title, std::string obstacle, std::string failure)
        : obstacle_(std::move(obstacle)), failure_(std::move(failure)) {
        calls.push_back("up " + title);
    }
    ~RecordingCompanion() override { calls.push_back("down"); }
    std::string Obstacle() const override { return obstacle_; }
    std::string Finish(std::ostream& out) override {
        calls.push_back("finish");
        out << "Time to something: 1.0 ms\n";
        return failure_;
    }

private:
    std::string obstacle_, failure_;
};

SheetCompanionFactory Companions(std::string obstacle = "", std::string failure = "") {
    return [=](const HostCommand&, const std::string& title, std::ostream&) {
        return std::make_unique<RecordingCompanion>(title, obstacle, failure);
    };
}

TEST_F(HostRun, CompanionLivesAroundTheSheetAndKnowsItsCaption) {
    EXPECT_EQ(kExitDone, Run({"configure", "2"}, Companions()));
    EXPECT_EQ(kExitDone, Run({"configure", "1"}, Companions()));
    EXPECT_EQ(kExitDone, Run({"selectall"}, Companions()));
    EXPECT_EQ(
        (std::vector<std::string>{"up Configure Kelvarin Settings for use with Farhand",
                                  "ConfigureKELVD(,2)", "finish", "down", "up Kelvarin Settings",
                                  "ConfigureKELVD(,1)", "finish", "down", "SelectAll"}),
        calls);
    // What the companion reports comes before what the call returned.
    EXPECT_EQ(0u, out_.str().find("Time to something: 1.0 ms\n"
                                  "ConfigureKELVD returned 0: the sheet was closed with OK\n"));
}

// A sheet that never appeared, or pictures that were not saved: the call is reported, then the
// failure in one line, and kwhost fails.
TEST_F(HostRun, FailureBesideTheSheetFailsAfterTheReport) {
    EXPECT_EQ(kExitSheet, Run({"configure", "1"}, Companions("", "no sheet appeared")));
    EXPECT_EQ(
        (std::vector<std::string>{"up Kelvarin Settings", "ConfigureKELVD(,1)", "finish", "down"}),
        calls);
    EXPECT_EQ(
        "Time to something: 1.0 ms\nConfigureKELVD returned 0: the sheet was closed with OK\n",
        out_.str());
    EXPECT_EQ("kwhost: no sheet appeared\n", err_.str());
}

TEST_F(HostRun, ObstacleShowsNoSheet) {
    EXPECT_EQ(kExitSheet, Run({"configure", "1"}, Companions("cannot make the folder X")));
    EXPECT_EQ((std::vector<std::string>{"up Kelvarin Settings", "down"}), calls);
    EXPECT_EQ("kwhost: cannot make the folder X\n", err_.str());
}

} // namespace

} // namespace kwhost
