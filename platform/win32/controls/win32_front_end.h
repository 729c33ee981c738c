// The front end that puts the sheet on the screen: the sheet's and the pages' dialog templates
// come from the module this code is linked into (the library's DLL).
#pragma once

#include "platform/controls/sheet_front_end.h"

namespace platform {

class Win32FrontEnd final : public SheetFrontEnd {
public:
    int RunModal(const std::string& title, const SheetLayout& layout, SheetHost& host) override;
};

} // namespace platform
