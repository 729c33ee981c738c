#include "drivers/excluded_drivers.h"

#include "model/config_model.h"
#include "platform/multibyte.h"

#include <algorithm>
#include <iterator>

namespace kelvd {

namespace {

// The checker's own driver, those of the Drovik kernel debugger and of the Tempora timing
// product.
constexpr const char* kNtDrivers[] = {"NTDROV.SYS", "KELVD.SYS", "DRWVID.SYS", "DRWSYM.SYS",
                                      "Q7TP.SYS",   "Q7TPC.SYS", "Q7.SYS",     "DRWVIDSTART.SYS"};
// The VMM, Windows' ntkern, the checker's own VxD, the debugger's VxDs and vtxs.
constexpr const char* kWin9xVxds[] = {"vmm     ", "DROV    ", "drwvid  ", "kelvd   ",
                                      "drwdebug", "ntkern  ", "vtxs    "};

template <size_t N> bool IsListed(const char* name, const char* const (&list)[N]) {
    return std::any_of(std::begin(list), std::end(list),
                       [name](const char* entry) { return platform::MbsICmp(name, entry) == 0; });
}

} // namespace

bool IsExcludedDriver(const char* name) {
    return configModel().isWin9x ? IsListed(name, kWin9xVxds) : IsListed(name, kNtDrivers);
}

} // namespace kelvd
