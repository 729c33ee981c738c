// The library's exported functions, as the public header declares them for hosts. No exception
// may leave the library into a host: one that ends a call (an allocation that failed) ends it
// as a cancelled one.
#include "app/entry_points.h"

#include <exception>

extern "C" int32_t KELVD_CALL ConfigureKELVD(const char* helpFile, int32_t mode,
                                             TargetRegistry* target) {
    try {
        return kelvd::ConfigureSettings(helpFile, mode, target);
    } catch (const std::exception&) {
        return KELVD_CANCELLED;
    }
}

extern "C" void KELVD_CALL SelectAll(void) {
    try {
        kelvd::StoreAllChecked(1);
    } catch (const std::exception&) {
    }
}

extern "C" void KELVD_CALL SelectNone(void) {
    try {
        kelvd::StoreAllChecked(0);
    } catch (const std::exception&) {
    }
}
