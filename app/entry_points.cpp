#include "app/entry_points.h"

#include "app/config_app.h"
#include "app/config_help.h"
#include "model/config_model.h"
#include "res/string_table.h"
#include "sheet/settings_sheet.h"

#include <memory>
#include <new>

namespace kelvd {

int32_t ConfigureSettings(const char* helpFile, int32_t mode, TargetRegistry* target) {
    // A host may pass no help file name: it stands for the empty one.
    std::string helpPath = helpFile ? helpFile : "";
    configApp().appHelpPath = helpPath;
    std::unique_ptr<ConfigHelp> help;
    if (mode == kLocalWithHelp || mode == kEmbeddedTarget || mode == kSheetOnly)
        help.reset(new (std::nothrow) ConfigHelp(helpPath));
    if (mode == kLocalWithHelp)
        mode = kLocal;
    if (mode == kEmbeddedTarget)
        configApp().target = target;
    SettingsSheet sheet(mode == kFarhandExport ? kStrFarhandSheetTitle : kStrSheetTitle,
                        static_cast<uint32_t>(mode), configApp().target);
    int result = sheet.DoModal();
    help.reset();
    return result == kSheetCancelled || result == kSheetAborted ? KELVD_CANCELLED : 0;
}

void StoreAllChecked(uint32_t state) {
    SettingsSheet sheet(kStrSheetTitle, kLocal);
    sheet.LoadModel();
    configModel().SetAllChecked(state);
    sheet.StoreSelection();
    ReleaseModel();
}

} // namespace kelvd
