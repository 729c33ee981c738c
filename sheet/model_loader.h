// Filling the model once per settings sheet, and giving back what the filling took. The sheet
// holds a ModelLoader as a member; SelectAll and SelectNone hold one for their run.
#pragma once

#include "platform/message_box.h"
#include "target/target_registry.h"

namespace kelvd {

class ModelLoader {
public:
    // Fills every table for the platform, with the drivers of target instead of this machine's
    // when there is one, and reads the API catalogue, unless this loader has loaded already (then
    // only true). False, with message 1510 shown (owned by owner), when the catalogue is
    // missing; false without a message when the checker cannot be reached on Windows 9x.
    bool LoadModel(platform::WindowHandle owner, const TargetRegistry* target);
    // The model of a configuration file, which brings its own drivers: every driver table empty
    // and the API catalogue read, as LoadModel reads it (with message 1510 when it is missing).
    bool LoadCatalogueOnly(platform::WindowHandle owner);

    bool modelLoaded = false;

private:
    bool ReadCatalogue(platform::WindowHandle owner);
};

// Frees the events of every API category and closes the checker device; always true.
bool ReleaseModel();

} // namespace kelvd
