// kwhost: a host of the configuration library for trying it out and for automation.
#include "host/host_run.h"
#include "host/win32/sheet_walk.h"

#include <iostream>

int main(int argc, char** argv) {
    const int code = kwhost::HostMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                      std::cerr, kwhost::ScreenWalks());
    std::cout.flush();
    return code;
}
