// The front end the library runs its sheet with when no other is in place: real windows in the
// Windows library; elsewhere, where there is no screen, the headless front end, with which the
// sheet loads the model and fills its pages and, with no user to act on it, is closed with
// Cancel, so ConfigureKELVD returns 1223 and stores nothing. This definition is the one place
// that chooses.
#include "platform/controls/sheet_front_end.h"

#ifdef _WIN32
#include "platform/win32/controls/win32_front_end.h"
#else
#include "platform/headless/headless_front_end.h"
#include "sheet/headless_templates.h"
#endif

namespace platform {

SheetFrontEnd& nativeSheetFrontEnd() {
#ifdef _WIN32
    static Win32FrontEnd instance;
#else
    static HeadlessFrontEnd instance(kelvd::HeadlessTemplateOf);
#endif
    return instance;
}

} // namespace platform
