// The front end without a screen: RunModal makes a headless sheet window, runs the sheet's
// initialisation (which makes every page window), then hands the window to the script, which
// acts as the user would. A sheet that the script leaves open (or that has no script) is then
// closed with Cancel, as a user closes it with the close box; RunModal returns the result the
// sheet ended with.
#pragma once

#include "platform/controls/sheet_front_end.h"
#include "platform/substitute/headless/headless_sheet_window.h"

#include <functional>

namespace platform {

class HeadlessFrontEnd final : public SheetFrontEnd {
public:
    using Script = std::function<void(HeadlessSheetWindow&)>;

    explicit HeadlessFrontEnd(HeadlessTemplateLookup lookup, Script script = {})
        : lookup_(lookup), script_(std::move(script)) {}

    int RunModal(const std::string& title, const SheetLayout& layout, SheetHost& host) override;

    // How many sheets it has run.
    int runs = 0;

private:
    HeadlessTemplateLookup lookup_;
    Script script_;
};

} // namespace platform
