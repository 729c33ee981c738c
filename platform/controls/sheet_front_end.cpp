#include "platform/controls/sheet_front_end.h"

namespace platform {

SheetFrontEnd& sheetFrontEnd() {
    SheetFrontEnd* replacement = ScopedSheetFrontEnd::slot();
    return replacement ? *replacement : nativeSheetFrontEnd();
}

} // namespace platform
