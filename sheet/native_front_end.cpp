// The front end the library runs its sheet with when no other is in place. Until the library has
// one that makes real windows, it is the headless front end on every platform: the sheet loads
// the model and fills its pages, and, with no user to act on it, is closed with Cancel, so a
// host's ConfigureKELVD returns 1223 and stores nothing. This definition is the one place that
// chooses.
#include "platform/controls/sheet_front_end.h"
#include "platform/headless/headless_front_end.h"
#include "sheet/headless_templates.h"

namespace platform {

SheetFrontEnd& nativeSheetFrontEnd() {
    static HeadlessFrontEnd instance(kelvd::HeadlessTemplateOf);
    return instance;
}

} // namespace platform
