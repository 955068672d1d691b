// Writes the clubs the whole-process benchmark runs its commands on, into the folder given:
// Verein.26 with 65,535 bookings, every type and group named, VAT and a plan on every
// entry; Abteilung0.26 .. Abteilung9.26 of 65,535 bookings each for the multi-file closing.
#include "../benchdaten.h"

#include "core/common/typverwaltung.h"
#include "core/files/definitionen.h"
#include "core/lists/planwerte.h"

#include <exception>
#include <iostream>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;
constexpr int kAbteilungen = 10;

void vereinSchreiben(const std::string& ordner) {
    Arbeitsordner o(ordner, "Verein");
    auto saetze = buchungenErzeugen(kVoll);
    for (std::size_t i = 0; i < saetze.size(); i += 3)
        saetze[i].geplant = 1;
    o.fuellen(saetze);
    vollDefinieren(o.s.verein.def);
    if (!definitionenSchreiben(o.s.verein.datei.basisname, o.s.verein.def, o.person))
        throw std::runtime_error("Definitionen");
    Planwerte plan{};
    for (std::size_t seite = 0; seite < 2; ++seite)
        for (std::size_t n = 1; n <= kPosten; ++n)
            plan[seite][n] = {100.0 * static_cast<double>(n), false};
    if (!planwerteSchreiben(o.s.verein.datei.dateien(), plan, o.person))
        throw std::runtime_error("Planvorgaben");
}

void abteilungenSchreiben(const std::string& ordner) {
    for (int i = 0; i < kAbteilungen; ++i) {
        Arbeitsordner o(ordner, "Abteilung" + std::to_string(i));
        o.fuellen(buchungenErzeugen(kVoll, 11 + static_cast<unsigned>(i)));
        if (!definitionenSchreiben(o.s.verein.datei.basisname, o.s.verein.def, o.person))
            throw std::runtime_error("Definitionen");
    }
}

} // namespace
} // namespace zalvor::bench

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: " << argv[0] << " ORDNER\n";
        return 2;
    }
    try {
        zalvor::bench::vereinSchreiben(argv[1]);
        zalvor::bench::abteilungenSchreiben(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << argv[0] << ": " << e.what() << "\n";
        return 3;
    }
    return 0;
}
