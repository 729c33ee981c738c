#include "platform/substitute/headless/library_templates.h"

#include "res/resource.h"

namespace kelvd {

platform::HeadlessTemplate HeadlessTemplateOf(uint32_t templateId) {
    platform::HeadlessTemplate facts;
    facts.templateId = templateId;
    switch (templateId) {
    case IDD_GENERAL_SETTINGS:
        facts.radioGroups = {{IDC_START_BOOT, IDC_START_DISABLED},
                             {IDC_POPUP_NEVER, IDC_POPUP_ERRORS, IDC_POPUP_ERRORS_AND_WARNINGS}};
        break;
    case IDD_MEMORY_TRACKING:
        facts.checkBoxes = {IDC_MEMORY_TRACKING};
        facts.comboItems = {{IDC_GUARD_BYTES,
                             {
#define KELVD_GUARD_BYTES(text, size) text,
#include "res/guard_bytes.def"
#undef KELVD_GUARD_BYTES
                             }}};
        break;
    case IDD_SELECT_EVENTS:
        facts.extendedSelectionLists = {IDC_EVENT_LIST};
        break;
    case IDD_SELECT_VXD_APIS:
        facts.extendedSelectionLists = {IDC_VXD_API_LIST};
        break;
    default:
        break;
    }
    return facts;
}

} // namespace kelvd
