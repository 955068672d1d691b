// zalvor-cli: the headless front end over the engine.
#include "cli/common/druckprogramm.h"
#include "cli/common/lauf.h"

#include <iostream>
#include <malloc.h>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    // A command runs briefly: what it frees stays in the process for its next allocation
    // instead of going back to the system and being faulted in anew (a year's import frees
    // and takes buffers of megabytes several times).
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    std::vector<std::string> argumente(argv + 1, argv + argc);
    // "EUROSYMB" lives beside the program.
    std::string verzeichnis = ".";
    char puffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", puffer, sizeof puffer - 1);
    if (n > 0) {
        std::string pfad(puffer, static_cast<std::size_t>(n));
        verzeichnis = pfad.substr(0, pfad.rfind('/'));
    }
    zalvor::cli::druckprogrammVorbereiten(argv, verzeichnis);
    return zalvor::cli::ausfuehren(argumente, std::cout, std::cerr, verzeichnis);
}
