// The definitions of the active booking file (TDefinitionen) and the definitions file.
#pragma once

#include "core/common/lesergebnis.h"
#include "core/common/typverwaltung.h"
#include "core/common/waehrung.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

// The definitions of the file's bytes, with every notice of an older or damaged file. The
// type and group names start empty; what the file does not hold keeps the value in `bisher`
// (a fresh TDefinitionen starts afresh). A missing or damaged file gives the defaults; their
// member setting is guarded when the club has a code word file. `nameImText` names the file
// in the message about a damaged one.
Gelesen<TDefinitionen> definitionenAusBytes(const Dateiinhalt& inhalt, TDefinitionen bisher,
                                            const std::string& nameImText, bool codewortdateiDa);
// The definitions file of the base name, read from the disk (a folder of that name counts as
// missing).
Gelesen<TDefinitionen> definitionenLaden(const std::string& basisname, TDefinitionen bisher = {});

// The content of the file in the current 371-line format (an account without a name as
// "unbenannt").
std::vector<std::uint8_t> definitionenInhalt(const TDefinitionen& d);

// Writes the whole file in the current 371-line format. A file that cannot be created is
// reported ("Definitionsdatei konnte nicht neu geschrieben werden!") and the old file stays;
// returns false then. Definitions of an unreadable file are never written.
bool definitionenSchreiben(const std::string& basisname, TDefinitionen& d, Person& person);

} // namespace zalvor
