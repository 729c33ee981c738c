// The settings sheet: the library's one window. It owns the seven pages, shows those the run
// mode and the platform call for, loads the model and the stored configuration when it opens,
// validates and stores by run mode when the user presses OK, and saves and loads configuration
// files. Without a window (SelectAll, SelectNone) it is the owner of the pages that hold the
// scalar settings, for the stores.
#pragma once

#include "framework/cool_sheet.h"
#include "pages/advanced_settings_page.h"
#include "pages/driver_settings_page.h"
#include "pages/general_settings_page.h"
#include "pages/memory_track_page.h"
#include "pages/scalar_pages.h"
#include "pages/select_events_page.h"
#include "pages/vxd_apis_page.h"
#include "pages/vxd_settings_page.h"
#include "sheet/model_loader.h"
#include "target/target_registry.h"

#include <string>

namespace kelvd {

class SettingsSheet : public CoolSheet {
public:
    // Sets the process-wide isWin9x from the platform and runMode to mode, and adds the pages:
    // the general page (not in RunMode 2), the driver and event pages, on Windows 9x the VxD
    // and VxD API pages, then the memory tracking and advanced pages. target is the host's
    // embedded target, used in RunMode 3 only.
    SettingsSheet(uint32_t titleId, uint32_t mode, const TargetRegistry* target = nullptr);

    // The stores, with the scalar settings the pages hold: what is saved is read from them, and
    // what is loaded is handed to them.
    bool LoadModel();
    void SaveToRegistry();
    void LoadFromRegistry();
    void SaveConfigFile(const std::string& path);
    void LoadConfigFile(const std::string& path);
    void SaveToTarget();
    void LoadFromTarget();
    // What SelectAll and SelectNone store (StoreSelection).
    void StoreSelection();

    // Loads the model and the stored configuration (with the wait cursor shown), makes the page
    // windows and fills the driver lists.
    bool OnInitDialog() override;
    // Validates the event buffer size, then the stack threshold (the sheet stays open on the
    // first failure, with its message), stores by run mode, releases the model and closes.
    void OnOK() override;
    // Releases the model and closes; nothing is stored.
    void OnCancel() override;
    bool OnCommand(int controlId, int code) override;
    // "Save As...": the configuration into a file the user chooses.
    void OnSaveAs();
    // "Load...": a configuration file the user chooses, then every page but the general page
    // shows it.
    void OnLoad();

private:
    ScalarPages Scalars() { return {general_, advanced_, memoryTrack_}; }
    // The embedded target the configuration lives on in RunMode 3 (a table without functions
    // when the host handed in none), or null in every other mode: the one place that decides
    // where the inventory, the stored configuration and OK's store come from and go to.
    const TargetRegistry* EmbeddedTarget() const;

    const TargetRegistry* target_;
    ModelLoader loader_;
    GeneralSettingsPage general_;
    DriverSettingsPage drivers_;
    SelectEventsPage events_;
    VxDSettingsPage vxds_;
    VxDAPIsPage vxdApis_;
    AdvancedSettingsPage advanced_;
    MemoryTrackPage memoryTrack_;
};

} // namespace kelvd
