// Linux has no screen to put the sheet on: the sheet runs with the headless front end, over the
// facts of the library's dialog templates. It loads the model and fills its pages and, with no
// user to act on it, is closed with Cancel, so ConfigureKELVD returns 1223 and stores nothing.
#include "platform/controls/sheet_front_end.h"
#include "platform/substitute/headless/headless_front_end.h"
#include "platform/substitute/headless/library_templates.h"

namespace platform {

SheetFrontEnd& nativeSheetFrontEnd() {
    static HeadlessFrontEnd instance(kelvd::HeadlessTemplateOf);
    return instance;
}

} // namespace platform
