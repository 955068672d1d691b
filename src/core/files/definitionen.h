// The definitions of the active booking file (TDefinitionen) and the definitions file.
#pragma once

#include "core/common/typverwaltung.h"
#include "core/common/waehrung.h"

#include <array>
#include <cstdint>
#include <string>

namespace zalvor {

class Person;

inline constexpr int kKonten = 9;
inline const std::string kUnbenannt = "unbenannt";

struct TDefinitionen {
    Typverwaltung typen;                           // type and group names (Windows form)
    std::array<std::string, kKonten + 1> konten{}; // 1..9, DOS form, up to 10 characters
    std::uint8_t mitgliedEinstellung = 1; // units digit: contribution account; +10: guarded
    long double standardBeitrag = 0;      // held as Real6
    std::array<std::string, 6> freiFelder{"",           "Frei 1 ...", "Frei 2 ...",
                                          "Frei 3 ...", "Frei 4 ...", "Frei 5 ..."};
    long double mwstSatz = 0; // percent, held as Real6
    WaehrungsEinstellungen waehrung;
    // The file is there but could not be read: these are defaults, and writing them would
    // put them over the club's real settings.
    bool unlesbar = false;

    bool kontoBenannt(int n) const {
        return n >= 1 && n <= kKonten && konten[static_cast<std::size_t>(n)] != kUnbenannt;
    }
    int beitragsKonto() const { return mitgliedEinstellung % 10; }
    bool codeGeschuetzt() const { return mitgliedEinstellung > 10; }
};

// Reads the definitions file of the base name into `d`, with every notice and message of
// an older or damaged file through the person. Never fails to the caller except through
// an input/output failure after line 46 (EAFehler).
void definitionenLesen(const std::string& basisname, TDefinitionen& d, Person& person);

// Writes the whole file in the current 371-line format. A file that cannot be created is
// reported ("Definitionsdatei konnte nicht neu geschrieben werden!") and the old file stays;
// returns false then. Definitions of an unreadable file are never written.
bool definitionenSchreiben(const std::string& basisname, TDefinitionen& d, Person& person);

} // namespace zalvor
