#include "cli/session.h"

#include "cli/command_error.h"
#include "cli/diff.h"
#include "cli/place.h"
#include "cli/profile.h"
#include "cli/selection.h"
#include "cli/settings_text.h"
#include "cli/show.h"
#include "cli/staging.h"
#include "cli/suite_files.h"
#include "cli/unicode.h"
#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/system_info.h"
#include "res/string_table.h"
#include "sheet/model_loader.h"
#include "stores/api_catalogue.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"

#include <algorithm>
#include <optional>

namespace kelvcfg {

namespace {

// The model of one run: the platform set as the sheet sets it, and given back at the end.
class ModelRun {
public:
    ModelRun() {
        kelvd::configModel().isWin9x =
            platform::systemInfo().PlatformId() == platform::kPlatformWin9x;
    }
    ~ModelRun() { kelvd::ReleaseModel(); }
};

// On Linux a hive or a configuration file has no suite beside it: the suite's directory is
// kelvcfg's own, holding the files named and no others. This machine's is the library's.
bool NameSuite(const Request& request) {
#ifdef _WIN32
    (void)request;
    return false;
#else
    if (std::all_of(request.places.begin(), request.places.end(), [](const PlaceAddress& place) {
            return place.kind == PlaceAddress::Kind::Local;
        }))
        return false;
    NameSuiteDirectory();
    return true;
#endif
}

// What a command that failed part-way says of the writes it took back.
std::string Undone(const std::vector<std::string>& left) {
    if (left.empty())
        return "; nothing was changed";
    std::string names;
    for (const std::string& name : left)
        names += (names.empty() ? "" : ", ") + name;
    return "; could not be put back as it was: " + names;
}

bool IsSelection(Command command) {
    return command == Command::SelectAll || command == Command::SelectNone;
}

// The commands that check or clear rows, events or categories by name.
struct OnOff {
    Command on, off;
    void (*set)(const std::vector<std::string>& names, bool on);
};
constexpr OnOff kOnOff[] = {{Command::DriverOn, Command::DriverOff, SetDrivers},
                            {Command::EventOn, Command::EventOff, SetEvents},
                            {Command::CategoryOn, Command::CategoryOff, SetCategories}};

bool NeedsEvents(Command command) {
    return command == Command::EventOn || command == Command::EventOff ||
           command == Command::CategoryOn || command == Command::CategoryOff;
}

class Session {
public:
    Session(const Request& request, std::ostream& out, std::ostream& notes)
        : request_(request), out_(out), notes_(notes), messageScope_(messages_),
          suiteNamed_(NameSuite(request)) {}

    int Run() {
        int code = kDone;
        std::unique_ptr<Place> place;
        {
            std::optional<SuiteFiles> suite;
            if (suiteNamed_)
                suite.emplace(request_.catalogue, request_.hookState);
            code = request_.command == Command::Diff ? Diff() : Work(&place);
        }
        staging_.End();
        if (Writes(request_.command) && code == kDone)
            Finish(place.get());
        PrintMessages();
        return code;
    }

private:
    PlaceAddress AddressAt(size_t index) const {
        return index < request_.places.size() ? request_.places[index] : PlaceAddress();
    }

    Access PlaceAccess() const {
        if (!ChangesPlace(request_.command))
            return Access::Read;
        return request_.dryRun ? Access::TryChange : Access::Change;
    }

    // A missing catalogue: told as the library tells it where one is expected, and an error for
    // the event commands and where storing would lose what the place holds.
    void CheckCatalogue(const Place& place) {
        if (kelvd::configModel().catalogueVersion != kelvd::kNoCatalogue)
            return;
        if (!request_.catalogue.empty())
            throw CommandError(kUnreadable, "cannot read the API catalogue " + request_.catalogue);
        // The library looks for it in the suite's directory; kelvcfg's own has one only when named.
        const bool expected = !suiteNamed_;
        const std::string libraryMessage = kelvd::TableString(kelvd::kStrNoCatalogue);
        if (!expected)
            messages_.shown.erase(
                std::remove_if(messages_.shown.begin(), messages_.shown.end(),
                               [&](const auto& shown) { return shown.text == libraryMessage; }),
                messages_.shown.end());
        const std::string missing = expected
                                        ? ConsoleFromModel(libraryMessage)
                                        : "no API catalogue (--catalogue PATH --hook-state PATH)";
        if (NeedsEvents(request_.command))
            throw CommandError(expected ? kUnreadable : kUsage, missing);
        const std::string loss = ChangesPlace(request_.command)
                                     ? place.LossWithoutCatalogue(IsSelection(request_.command))
                                     : std::string();
        if (!loss.empty())
            throw CommandError(kUnreadable, missing + ": " + loss + "; nothing written");
    }

    int Work(std::unique_ptr<Place>* opened) {
        std::unique_ptr<Place>& place = *opened;
        place = OpenPlace(AddressAt(0), PlaceAccess(), staging_.journal());
        kelvd::ModelLoader loader;
        kelvd::ScalarSettings settings;
        if (IsSelection(request_.command))
            place->LoadDrivers(loader);
        else
            settings = place->Load(loader);
        CheckCatalogue(*place);
        return Apply(*place, settings);
    }

    int Apply(Place& place, kelvd::ScalarSettings& settings) {
        const std::vector<std::string>& arguments = request_.arguments;
        switch (request_.command) {
        case Command::Show:
            (request_.json ? ShowJson : ShowText)(place.Description(), kelvd::configModel(),
                                                  settings, out_);
            return kDone;
        case Command::SelectAll:
        case Command::SelectNone:
            kelvd::configModel().SetAllChecked(request_.command == Command::SelectAll ? 1 : 0);
            place.StoreSelection(settings);
            return kDone;
        case Command::Save:
            kelvd::SaveConfigFile(arguments.at(0), settings);
            return kDone;
        case Command::ExportFarhand:
            ValidateSettings(settings);
            kelvd::WriteFarhandExport(arguments.at(0), settings, 0);
            return kDone;
        case Command::ExportProfile:
            if (!platform::WriteWholeFile(arguments.at(0),
                                          ProfileText(kelvd::configModel(), settings)))
                throw CommandError(kUnwritable, "cannot write " + arguments.at(0));
            return kDone;
        case Command::Apply:
            ApplyProfileFile(arguments.at(0), place, &settings);
            break;
        case Command::Load:
            settings = LoadFile(arguments.at(0));
            break;
        case Command::DriverAdd:
            AddDriver(ModelFromArgument(arguments.at(0)),
                      AddressAt(0).kind == PlaceAddress::Kind::Local);
            break;
        case Command::Set:
            AssignSettings(arguments, &settings);
            break;
        default: {
            // The on and off commands, or diff, which compares two places and applies nothing.
            const auto named =
                std::find_if(std::begin(kOnOff), std::end(kOnOff), [&](const OnOff& pair) {
                    return request_.command == pair.on || request_.command == pair.off;
                });
            if (named == std::end(kOnOff))
                return kUsage;
            std::vector<std::string> names;
            for (const std::string& argument : arguments)
                names.push_back(ModelFromArgument(argument));
            named->set(names, request_.command == named->on);
        }
        }
        ValidateSettings(settings);
        place.Store(settings);
        return kDone;
    }

    void ApplyProfileFile(const std::string& path, const Place& place,
                          kelvd::ScalarSettings* settings) {
        std::string text;
        if (!platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &text))
            throw CommandError(kUnreadable, "cannot read profile " + path);
        std::vector<std::string> skipped;
        ApplyProfile(text, request_.ignoreMissing, settings, &skipped);
        for (const std::string& name : skipped)
            out_ << "skipped: " << ConsoleFromModel(name) << " (not in " << place.Description()
                 << ")\n";
    }

    kelvd::ScalarSettings LoadFile(const std::string& path) {
        std::optional<kelvd::ScalarSettings> loaded = kelvd::LoadConfigFile(path);
        if (!loaded)
            throw CommandError(kUnreadable, "cannot read configuration file " + path);
        return *loaded;
    }

    int Diff() {
        Snapshot snapshots[2];
        for (size_t index = 0; index < 2; ++index) {
            ModelRun run;
            std::unique_ptr<Place> place =
                OpenPlace(AddressAt(index), Access::Read, staging_.journal());
            kelvd::ModelLoader loader;
            const kelvd::ScalarSettings settings = place->Load(loader);
            CheckCatalogue(*place);
            snapshots[index] = TakeSnapshot(place->Description(), settings);
        }
        return PrintDifferences(snapshots[0], snapshots[1], out_) ? kDifferent : kDone;
    }

    // Prints the journal, or carries it out: every file checked, then the place's own writes,
    // then this machine's.
    void Finish(Place* place) {
        const Journal& journal = staging_.journal();
        if (request_.dryRun) {
            journal.Print(out_, ConsoleFromModel);
            return;
        }
        staging_.CheckWritable();
        const bool stored = place && ChangesPlace(request_.command);
        Undo undo;
        try {
            if (stored)
                place->Commit(undo);
            staging_.Commit(undo);
        } catch (const CommandError& error) {
            throw CommandError(error.code(), error.what() + Undone(undo.Run()));
        }
        if (stored)
            out_ << "stored: " << place->Description() << "\n";
        for (const JournalEntry& entry : journal.entries())
            if (entry.kind == JournalEntry::Kind::File)
                out_ << "written: " << entry.where << "\n";
    }

    void PrintMessages() {
        for (const platform::RecordedMessageBoxes::Shown& shown : messages_.shown) {
            std::string text = ConsoleFromModel(shown.text);
            text.erase(text.find_last_not_of(" \n") + 1);
            notes_ << "kelvcfg: " << text << "\n";
        }
    }

    const Request& request_;
    std::ostream& out_;
    std::ostream& notes_;
    platform::RecordedMessageBoxes messages_;
    platform::ScopedMessageBoxes messageScope_;
    ModelRun model_;
    bool suiteNamed_; // named before the staging begins, so that it is no write of the command
    Staging staging_;
};

} // namespace

int RunCommand(const Request& request, std::ostream& out, std::ostream& notes) {
    return Session(request, out, notes).Run();
}

} // namespace kelvcfg
