#include "cli/command_line.h"

#include "cli/command_error.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>

namespace kelvcfg {

namespace {

#ifdef _WIN32
constexpr bool kOfflineHives = false;
constexpr const char* kPlaces =
    "Places (the local machine unless one is given):\n"
    "  (none)             this machine: the checker's service key and, in the Kitwright\n"
    "                     directory, the API catalogue and the hook-state file (on Windows 9x\n"
    "                     KELVDVXD.CFG and system.ini)\n"
    "  --config FILE.kwt  a configuration file, read and replaced whole\n"
    "  (--hive, an offline SYSTEM hive, is for the Linux build only)\n";
#else
constexpr bool kOfflineHives = true;
constexpr const char* kPlaces =
    "Places (exactly one; diff takes two):\n"
    "  --hive PATH        an offline Windows SYSTEM hive (Windows\\System32\\config\\SYSTEM):\n"
    "                     the drivers and the checker's key of the control set Windows starts\n"
    "                     with next (Select\\Default), as for an embedded target\n"
    "  --control-set N    ControlSetNNN of the hive instead (1 to 999); none is ever created\n"
    "  --config FILE.kwt  a configuration file, read and replaced whole\n"
    "  --catalogue PATH and --hook-state PATH name the API catalogue (KELVD.API) and the\n"
    "  hook-state file (hookstate.dat); they go together, and the event commands need them.\n"
    "  (the local machine is for the Windows builds only)\n";
#endif

constexpr const char* kCommands =
    "\nCommands:\n"
    "  show [--json]                  every driver, API category and event, and the settings\n"
    "  select-all | select-none       every driver and event monitored, or none, as the\n"
    "                                 library's SelectAll and SelectNone store it (the six\n"
    "                                 settings at their initial values)\n"
    "  driver on|off NAME...          a driver by file name or full path, ignoring case\n"
    "  driver add PATH                a driver file as a user driver, monitored\n"
    "  event on|off NAME...           events, in every category that has them\n"
    "  category on|off NAME...        every event of categories\n"
    "  set NAME=VALUE...              Start=boot|disabled, DRPopup=0|1|2, MemUsage=KB (decimal,\n"
    "                                 at least 1024), StackThreshold=HEX (0x400 to 0x2800),\n"
    "                                 NumGuardBytes=0|8|16|32, MemTrackingOn=on|off\n"
    "  save FILE.kwt                  the configuration into a configuration file\n"
    "  load FILE.kwt                  a configuration file applied to the place\n"
    "  export-farhand FILE            the Farhand agent's export (KVConfig.Reg)\n"
    "  export-profile FILE.json       the configuration as a JSON profile: drivers, events and\n"
    "                                 settings, one per line, keys sorted\n"
    "  apply FILE.json                a profile applied as driver, event and set apply theirs;\n"
    "        [--ignore-missing]       what the place lacks is exit 2, or passed over and named\n"
    "  diff                           two places, row by row and value by value\n"
    "Every command that writes takes --dry-run: it prints each registry value (key, name, type,\n"
    "data) and file it would write, in order, and changes nothing.\n"
    "\nExit codes: 0 done, 1 usage, 2 a named driver, event, category or file not found,\n"
    "3 a value out of range or refused, 4 a place cannot be read, 5 a place cannot be written,\n"
    "6 diff found differences. Errors are one line on stderr; a command that fails writes\n"
    "nothing.\n";

struct Leaf {
    CLI::App* app;
    Command command;
};

// The subcommand of a command, with --dry-run when it writes.
CLI::App* AddLeaf(CLI::App& parent, const char* name, const char* description, Command command,
                  Request* request, std::vector<Leaf>& leaves) {
    CLI::App* leaf = parent.add_subcommand(name, description);
    if (Writes(command))
        leaf->add_flag("--dry-run", request->dryRun, "print what would be written; change nothing");
    leaves.push_back({leaf, command});
    return leaf;
}

void AddArguments(CLI::App* leaf, const char* name, const char* description, Request* request) {
    leaf->add_option(name, request->arguments, description)->required();
}

void AddFileArgument(CLI::App* leaf, const char* name, const char* description, Request* request) {
    leaf->add_option(name, request->arguments, description)->required()->expected(1);
}

void AddOnOff(CLI::App& app, const char* noun, const char* what, Command on, Command off,
              Request* request, std::vector<Leaf>& leaves) {
    CLI::App* group = app.add_subcommand(noun, std::string(what) + " on or off");
    group->require_subcommand(1);
    AddArguments(AddLeaf(*group, "on", "monitor them", on, request, leaves), "NAME", what, request);
    AddArguments(AddLeaf(*group, "off", "stop monitoring them", off, request, leaves), "NAME", what,
                 request);
}

// The places in the order they were given.
void CollectPlaces(const CLI::App& app, const CLI::Option* hive, const CLI::Option* config,
                   uint32_t controlSet, Request* request) {
    std::map<const CLI::Option*, size_t> used;
    for (const CLI::Option* option : app.parse_order()) {
        if (option != hive && option != config)
            continue;
        const std::string& path = option->results().at(used[option]++);
        if (option == hive)
            request->places.push_back({PlaceAddress::Kind::Hive, path, controlSet});
        else
            request->places.push_back({PlaceAddress::Kind::Config, path});
    }
}

void CheckPlaces(const Request& request) {
    const size_t wanted = request.command == Command::Diff ? 2 : 1;
    const size_t given = request.places.size();
    const size_t least = kOfflineHives ? wanted : wanted - 1;
    if (given < least || given > wanted)
        throw CLI::ValidationError(
            request.command == Command::Diff
                ? (kOfflineHives ? "diff compares two places: give two of --hive and --config"
                                 : "diff compares two places: give one or two --config files")
                : (kOfflineHives ? "give exactly one place: --hive PATH or --config FILE.kwt"
                                 : "give at most one place: --config FILE.kwt"));
    if (request.catalogue.empty() != request.hookState.empty())
        throw CLI::ValidationError("--catalogue and --hook-state go together");
}

} // namespace

int ParseCommandLine(const std::vector<std::string>& args, Request* request, std::ostream& out,
                     std::ostream& err) {
    CLI::App app("kelvcfg: the Kelvarin checker's configuration from the command line", "kelvcfg");
    app.fallthrough();
    // Words left over are named in the error rather than refused as a missing command.
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.footer(std::string(kPlaces) + kCommands);
    CLI::Option* hive = nullptr;
    std::vector<std::string> hives, configs;
    uint32_t controlSet = 0;
    if (kOfflineHives) {
        hive = app.add_option("--hive", hives, "an offline SYSTEM hive file")
                   ->allow_extra_args(false)
                   ->type_name("PATH");
        app.add_option("--control-set", controlSet, "the hive's control set to work on")
            ->check(CLI::Range(1u, kLastControlSet))
            ->type_name("N");
        app.add_option("--catalogue", request->catalogue, "the API catalogue, KELVD.API")
            ->type_name("PATH");
        app.add_option("--hook-state", request->hookState, "the hook-state file, hookstate.dat")
            ->type_name("PATH");
    }
    CLI::Option* config = app.add_option("--config", configs, "a configuration file (*.kwt)")
                              ->allow_extra_args(false)
                              ->type_name("FILE.kwt");

    std::vector<Leaf> leaves;
    AddLeaf(app, "show", "every driver, category and event, and the settings", Command::Show,
            request, leaves)
        ->add_flag("--json", request->json, "as JSON");
    AddLeaf(app, "select-all", "monitor every driver and event", Command::SelectAll, request,
            leaves);
    AddLeaf(app, "select-none", "monitor no driver and no event", Command::SelectNone, request,
            leaves);
    AddOnOff(app, "driver", "drivers (file name or full path)", Command::DriverOn,
             Command::DriverOff, request, leaves);
    CLI::App* driver = app.get_subcommand("driver");
    AddFileArgument(AddLeaf(*driver, "add", "add a driver file as a user driver",
                            Command::DriverAdd, request, leaves),
                    "PATH", "the driver file", request);
    AddOnOff(app, "event", "events", Command::EventOn, Command::EventOff, request, leaves);
    AddOnOff(app, "category", "API categories", Command::CategoryOn, Command::CategoryOff, request,
             leaves);
    AddArguments(AddLeaf(app, "set", "change settings", Command::Set, request, leaves),
                 "NAME=VALUE", "settings", request);
    AddFileArgument(
        AddLeaf(app, "save", "save into a configuration file", Command::Save, request, leaves),
        "FILE", "the configuration file", request);
    AddFileArgument(
        AddLeaf(app, "load", "apply a configuration file", Command::Load, request, leaves), "FILE",
        "the configuration file", request);
    AddFileArgument(AddLeaf(app, "export-farhand", "write the Farhand agent's export",
                            Command::ExportFarhand, request, leaves),
                    "FILE", "the export file", request);
    AddFileArgument(AddLeaf(app, "export-profile", "write the configuration as a JSON profile",
                            Command::ExportProfile, request, leaves),
                    "FILE", "the profile", request);
    CLI::App* apply =
        AddLeaf(app, "apply", "apply a JSON profile", Command::Apply, request, leaves);
    AddFileArgument(apply, "FILE", "the profile", request);
    apply->add_flag("--ignore-missing", request->ignoreMissing,
                    "pass over the drivers, categories and events the place lacks, naming each");
    AddLeaf(app, "diff", "compare two places", Command::Diff, request, leaves);

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
        if (!app.remaining().empty())
            throw CLI::ValidationError("not understood: " + app.remaining().front());
        const auto parsed = std::find_if(leaves.begin(), leaves.end(),
                                         [](const Leaf& leaf) { return leaf.app->parsed(); });
        if (parsed == leaves.end())
            throw CLI::ValidationError("no command given");
        request->command = parsed->command;
        CollectPlaces(app, hive, config, controlSet, request);
        if (controlSet && hives.empty())
            throw CLI::ValidationError("--control-set goes with --hive");
        CheckPlaces(*request);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kDone;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kDone;
    } catch (const CLI::ParseError& error) {
        err << "kelvcfg: " << error.what() << " (kelvcfg --help lists the commands)\n";
        return kUsage;
    }
    return -1;
}

} // namespace kelvcfg
