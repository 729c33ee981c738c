#include "platform/substitute/headless/headless_front_end.h"

namespace platform {

int HeadlessFrontEnd::RunModal(const std::string& title, const SheetLayout& layout,
                               SheetHost& host) {
    ++runs;
    HeadlessDesktop desktop;
    HeadlessSheetWindow window(title, lookup_, layout.templateId, host, desktop);
    host.OnInitSheet(window);
    if (script_)
        script_(window);
    if (!window.Ended())
        window.PressCancel();
    return window.Result();
}

} // namespace platform
