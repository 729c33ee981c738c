// kelvd-fullset: puts the full-capacity data set on this machine (a Wine prefix; see
// tools/bench-prefix.sh), in two runs, since the service manager reads new services when it
// starts:
//   kelvd-fullset install IMAGE   the catalogue, the drivers and their files, copies of IMAGE
//   kelvd-fullset store           the stored configuration and the hook-state file
#include "full_capacity.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    std::string error;
    bool done;
    if (command == "install" && argc == 3) {
        done = kelvd::fullset::InstallFullCapacity(argv[2], &error);
    } else if (command == "store" && argc == 2) {
        done = kelvd::fullset::StoreFullCapacitySettings(&error);
    } else {
        std::fprintf(stderr, "usage: kelvd-fullset install IMAGE | kelvd-fullset store\n");
        return 1;
    }
    if (!done)
        std::fprintf(stderr, "kelvd-fullset: %s\n", error.c_str());
    return done ? 0 : 2;
}
