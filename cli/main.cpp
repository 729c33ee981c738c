// kelvcfg: the Kelvarin checker's configuration from the command line.
#include "cli/program.h"

#include <iostream>

int main(int argc, char** argv) {
    const int code =
        kelvcfg::Main(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    std::cout.flush();
    return code;
}
