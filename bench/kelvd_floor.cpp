// kelvd-floor: what the sheet cannot take less than, on the machine it runs on. It makes the
// system calls that the sheet's model load is defined by (LoadFloor) and the stores' own writes
// on OK (StoreFloor), times each, and prints
//   Floor of the first paint: T ms
//   Floor of OK to the return: T ms
// and what the calls went through. make bench runs it beside kwhost --time in the same prefix and
// divides kwhost's figures by these.
#include "load_floor.h"
#include "store_floor.h"

#include "platform/win32/windows_support.h"

#include <cstdio>

namespace {

template <typename Calls> double Milliseconds(const Calls& calls) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    calls();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int main() {
    kelvd::floor::LoadFloor load;
    kelvd::floor::StoreFloor store;
    load.Prepare();
    store.Prepare();
    const double loadMs = Milliseconds([&] { load.MakeCalls(); });
    const double storeMs = Milliseconds([&] { store.MakeCalls(); });
    std::printf("Floor of the first paint: %.1f ms\n", loadMs);
    std::printf("Floor of OK to the return: %.1f ms\n", storeMs);
    std::printf("The load's calls went through %s\n", load.Counts().c_str());
    std::printf("OK's writes went through %s\n", store.Counts().c_str());
    return 0;
}
