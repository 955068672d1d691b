// zalvor-cli: the headless front end over the engine.
#include "cli/common/druckprogramm.h"
#include "cli/common/lauf.h"

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
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
