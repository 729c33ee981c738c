// A place where the checker's configuration is kept: this machine, an offline SYSTEM hive or a
// configuration file. A place is loaded into the library's model as the settings sheet loads it
// when it opens there, and stored as the sheet's OK (or SelectAll) stores it, through the
// library's own sequences; what it writes goes into the journal of the staging in force.
#pragma once

#include "cli/journal.h"
#include "cli/request.h"
#include "cli/undo.h"
#include "model/scalar_settings.h"
#include "sheet/model_loader.h"

#include <memory>
#include <string>

namespace kelvcfg {

enum class Access {
    Read,      // nothing is stored
    Change,    // stored, then committed: a place that cannot be written is refused at once
    TryChange, // stored for the journal to show, never committed
};

class Place {
public:
    virtual ~Place() = default;

    // "this machine", "hive PATH, ControlSetNNN", "configuration file PATH".
    virtual std::string Description() const = 0;
    // The model and the settings as the sheet has them when it opens on the place: its drivers,
    // the API catalogue, the stored configuration, the hook-state file. Throws a CommandError
    // when the place cannot be read; a missing catalogue leaves the categories empty.
    virtual kelvd::ScalarSettings Load(kelvd::ModelLoader& loader) = 0;
    // Only what SelectAll and SelectNone load: the place's drivers and the API catalogue.
    virtual void LoadDrivers(kelvd::ModelLoader& loader) = 0;
    // The model and settings stored as the sheet's OK stores them.
    virtual void Store(const kelvd::ScalarSettings& settings) = 0;
    // Stored as SelectAll and SelectNone store them.
    virtual void StoreSelection(const kelvd::ScalarSettings& settings) = 0;
    // What storing (a selection, when selection) would lose without the API catalogue, or the
    // empty text when nothing.
    virtual std::string LossWithoutCatalogue(bool selection) const = 0;
    // Writes what the place keeps back by itself (a hive), entering in undo how to take it back;
    // throws a CommandError when it cannot.
    virtual void Commit(Undo&) {}
};

// The place at address.
std::unique_ptr<Place> OpenPlace(const PlaceAddress& address, Access access, Journal& journal);

// The three kinds; a hive is for the Linux build only.
std::unique_ptr<Place> OpenLocalPlace();
std::unique_ptr<Place> OpenHivePlace(const PlaceAddress& address, Access access, Journal& journal);
std::unique_ptr<Place> OpenConfigPlace(const std::string& path, Access access);

// The loss of a place whose store writes the hook-state file, when it has none to read.
std::string HookStateLoss();

} // namespace kelvcfg
