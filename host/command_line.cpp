#include "host/command_line.h"

#include "kelvd_version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace kwhost {

namespace {

// A whole signed 32-bit decimal number, nothing before or after it.
bool ParseMode(const std::string& text, int32_t* mode) {
    if (text.empty() || (text[0] != '-' && (text[0] < '0' || text[0] > '9')))
        return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < INT32_MIN || value > INT32_MAX)
        return false;
    *mode = static_cast<int32_t>(value);
    return true;
}

// A verb of the command line, whose words are checked once it is known; options before or after
// it are the program's.
CLI::App* AddVerb(CLI::App& app, const char* name, std::vector<std::string>* words) {
    CLI::App* verb = app.add_subcommand(name)->fallthrough();
    verb->set_help_flag();
    verb->add_option("words", *words);
    return verb;
}

// The options and the verb with its words, into *command and *words; false with the reason.
bool ParseWords(const std::vector<std::string>& args, HostCommand* command,
                std::vector<std::string>* words, std::string* error) {
    CLI::App app("kwhost");
    app.set_help_flag();
    app.allow_extras();
    // Given twice, an option's last value counts.
    CLI::Option* library = app.add_option("--library", command->library)
                               ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    CLI::Option* screens = app.add_option("--screens", command->screensDir)
                               ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("--time", command->timed);
    app.add_flag("--plain-c-target", command->plainCTarget);
    std::vector<std::string> verbWords;
    for (const char* verb : {"configure", "selectall", "selectnone"})
        AddVerb(app, verb, &verbWords);
    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::ParseError& failure) {
        // The one failure the parser finds: an option last, without its value ("--library:
        // 1 required TEXT missing").
        const std::string what = failure.what();
        *error = what.substr(0, what.find(':')) + " needs a value";
        return false;
    }
    for (CLI::Option* option : {library, screens})
        if (option->count() && option->as<std::string>().empty()) {
            *error = option->get_name() + " needs a value";
            return false;
        }
    // Words the program itself was left with stand before any verb: the first is the command.
    const std::vector<std::string> unknown = app.remaining();
    const std::vector<CLI::App*> verbs = app.get_subcommands();
    if (!unknown.empty()) {
        *error = "unknown command " + unknown[0];
        return false;
    }
    if (!verbs.empty())
        words->push_back(verbs[0]->get_name());
    words->insert(words->end(), verbWords.begin(), verbWords.end());
    return true;
}

} // namespace

bool ParseHostCommand(const std::vector<std::string>& args, HostCommand* command,
                      std::string* error) {
    HostCommand parsed;
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        parsed.action = Action::Help;
        *command = parsed;
        return true;
    }
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        if (args.size() != 1) {
            *error = "--version takes nothing else";
            return false;
        }
        parsed.action = Action::Version;
        *command = parsed;
        return true;
    }
    std::vector<std::string> words;
    if (!ParseWords(args, &parsed, &words, error))
        return false;
    if (words.empty()) {
        *error = "no command";
        return false;
    }
    const std::string& verb = words[0];
    if (verb == "selectall" || verb == "selectnone") {
        if (words.size() != 1 || !parsed.screensDir.empty() || parsed.timed ||
            parsed.plainCTarget) {
            *error = verb + " takes no arguments and shows no sheet";
            return false;
        }
        parsed.action = verb == "selectall" ? Action::SelectAll : Action::SelectNone;
    } else {
        if (words.size() < 2 || words.size() > 3 || !ParseMode(words[1], &parsed.mode)) {
            *error = "configure takes a mode (a number) and an optional help file";
            return false;
        }
        parsed.action = Action::Configure;
        if (words.size() == 3)
            parsed.helpFile = words[2];
    }
    *command = parsed;
    return true;
}

const char* HostUsage() {
    return "usage: kwhost [--library DLL] [--screens DIR] [--time] [--plain-c-target]\n"
           "              configure MODE [HELPFILE]\n"
           "       kwhost [--library DLL] selectall\n"
           "       kwhost [--library DLL] selectnone\n"
           "       kwhost --version\n"
           "       kwhost --help\n"
           "MODE: 0 local with help, 1 local, 2 Farhand export, 3 in-memory embedded target,\n"
           "4 local sheet only. --screens saves a PNG of every page of the sheet in DIR (made\n"
           "when missing), then presses OK; --time selects every page and another category\n"
           "of events, presses OK and prints how long each took. --plain-c-target fills mode 3's\n"
           "table with plain C (__cdecl) functions. DLL defaults to kelvdcfg.dll.\n"
           "Exit codes: 0 done, 1 command line not understood, 2 library not loaded or\n"
           "incomplete, 3 sheet not shown or pictures not saved.\n";
}

std::string HostVersion() {
    return "kwhost " KELVD_VERSION_TEXT "\n";
}

} // namespace kwhost
