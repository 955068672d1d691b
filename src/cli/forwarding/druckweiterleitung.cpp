// The print commands of the program without the printing library: they run in the full
// program beside it, started in place of this one with the arguments as given.
#include "cli/common/befehl.h"
#include "cli/common/druckprogramm.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <ostream>
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

// A missing print program is an installation fault: the person must learn which file to
// put back, not only the error number.
void fehltMelden(std::ostream& err, int fehler) {
    const std::string programm = verzeichnis + "/zalvor-cli-druck";
    err << "[Zalvor 4.5] E/A-Fehler " << fehler << "\n";
    if (fehler == ENOENT)
        err << "zalvor-cli: Das Druckprogramm " << programm << " fehlt. Die Befehle drucken "
            << "und druckoptionen sowie die Hilfe laufen in ihm; es gehört neben zalvor-cli.\n";
    else
        err << "zalvor-cli: Das Druckprogramm " << programm
            << " lässt sich nicht starten: " << std::strerror(fehler) << "\n";
}

int imDruckprogramm(Kontext& k) {
    fehltMelden(k.err, weitergeben());
    return kEAFehler;
}

} // namespace

void druckprogrammVorbereiten(char** argv, const std::string& programmVerzeichnis) {
    aufruf = argv;
    verzeichnis = programmVerzeichnis;
    for (char** a = argv + 1; *a != nullptr; ++a) {
        const std::string_view s(*a);
        if (s == "--help" || s == "-h" || s == "hilfe") {
            fehltMelden(std::cerr, weitergeben());
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
