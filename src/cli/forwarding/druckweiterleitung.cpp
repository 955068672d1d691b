// The print commands of the program without the printing library: they run in the full
// program beside it, started in place of this one with the arguments as given.
#include "cli/common/befehl.h"
#include "cli/common/druckprogramm.h"
#include "core/common/fehler.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

#include <unistd.h>

namespace zalvor::cli {

namespace {

char** aufruf = nullptr;
std::string verzeichnis = ".";

// Returns only when the full program cannot be started.
int weitergeben() {
    std::cout.flush();
    std::cerr.flush();
    const std::string programm = verzeichnis + "/zalvor-cli-druck";
    if (aufruf != nullptr) ::execv(programm.c_str(), aufruf);
    return errno != 0 ? errno : ENOENT;
}

int imDruckprogramm(Kontext&) {
    const int fehler = weitergeben();
    throw EAFehler(fehler, verzeichnis + "/zalvor-cli-druck");
}

} // namespace

void druckprogrammVorbereiten(char** argv, const std::string& programmVerzeichnis) {
    aufruf = argv;
    verzeichnis = programmVerzeichnis;
    for (char** a = argv + 1; *a != nullptr; ++a) {
        const std::string_view s(*a);
        if (s == "--help" || s == "-h" || s == "hilfe") {
            const int fehler = weitergeben();
            std::cerr << "zalvor-cli: " << verzeichnis
                      << "/zalvor-cli-druck: " << std::strerror(fehler) << "\n";
            std::exit(kEAFehler);
        }
    }
}

Befehl befehlDrucken() {
    return {"drucken", "", "", Befehlsart::Drucken, imDruckprogramm};
}

Befehl befehlDruckoptionen() {
    return {"druckoptionen", "", "", Befehlsart::DruckerEinstellungen, imDruckprogramm};
}

} // namespace zalvor::cli
