#include "host/host_run.h"

#include "doubles/memory_target.h"
#include "host/demo_target.h"
#include "host/kelvd_library.h"
#include "host/plain_c_target.h"
#include "host/target_report.h"
#include "res/string_table.h"

namespace kwhost {

namespace {

// Where the library keeps the checker's settings on an embedded target.
constexpr const char* kTargetCheckerKey = "System\\ControlSet001\\Services\\Kelvd";

std::string Outcome(int32_t result) {
    if (result == 0)
        return "the sheet was closed with OK";
    if (result == KELVD_CANCELLED)
        return "the sheet was cancelled";
    return "an unknown result";
}

// Shows the sheet; the exit code.
int Configure(const KelvdLibrary& library, const HostCommand& command, std::ostream& out,
              std::ostream& err, const SheetCompanionFactory& companions) {
    const bool embedded = command.mode == KELVD_RUN_EMBEDDED_TARGET;
    kelvd::MemoryTarget target;
    if (embedded)
        FillDemoTarget(*target.table());
    const std::string title =
        kelvd::TableString(command.mode == KELVD_RUN_FARHAND_EXPORT ? kelvd::kStrFarhandSheetTitle
                                                                    : kelvd::kStrSheetTitle);
    std::unique_ptr<SheetCompanion> companion =
        companions ? companions(command, title, out) : nullptr;
    if (companion && !companion->Obstacle().empty()) {
        err << "kwhost: " << companion->Obstacle() << "\n";
        return kExitSheet;
    }
    TargetRegistry table = command.plainCTarget ? PlainCTable(*target.table()) : *target.table();
    const int32_t result =
        library.configure(command.helpFile.c_str(), command.mode, embedded ? &table : nullptr);
    const std::string failure = companion ? companion->Finish(out) : std::string();
    companion.reset();
    out << "ConfigureKELVD returned " << result << ": " << Outcome(result) << "\n";
    if (embedded) {
        out << "Stored on the target:\n";
        PrintTargetKey(target.registry(), kTargetCheckerKey, out);
    }
    if (failure.empty())
        return kExitDone;
    err << "kwhost: " << failure << "\n";
    return kExitSheet;
}

} // namespace

int RunHost(const HostCommand& command, std::ostream& out, std::ostream& err,
            const SheetCompanionFactory& companions) {
    if (command.action == Action::Help || command.action == Action::Version) {
        out << (command.action == Action::Help ? HostUsage() : HostVersion());
        return kExitDone;
    }
    KelvdLibrary library(command.library);
    if (!library.loaded()) {
        err << "kwhost: cannot load " << command.library << "\n";
        return kExitLibrary;
    }
    const std::vector<std::string> missing = library.Missing();
    for (const std::string& name : missing)
        err << "kwhost: " << command.library << " has no entry point " << name << "\n";
    if (!missing.empty())
        return kExitLibrary;
    switch (command.action) {
    case Action::Configure:
        return Configure(library, command, out, err, companions);
    case Action::SelectAll:
        library.selectAll();
        out << "SelectAll returned\n";
        break;
    case Action::SelectNone:
        library.selectNone();
        out << "SelectNone returned\n";
        break;
    case Action::Help:
    case Action::Version: // answered without the library
        break;
    }
    return kExitDone;
}

int HostMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const SheetCompanionFactory& companions) {
    HostCommand command;
    std::string error;
    if (!ParseHostCommand(args, &command, &error)) {
        err << "kwhost: " << error << "\n" << HostUsage();
        return kExitUsage;
    }
    return RunHost(command, out, err, companions);
}

} // namespace kwhost
