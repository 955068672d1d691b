// The open club: the files of one club and year and what was read from them at opening.
#pragma once

#include "core/common/waehrung.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"
#include "core/lists/planwerte.h"
#include "core/members/beitragssaetze.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zalvor {

enum class Sortierung { Nummer, Typ, Text, Betrag, Datum };

// Finding of the index check at opening.
enum class IndexBefund { InOrdnung, Fehlt, Beschaedigt, Zugriffsfehler };

// The active booking file: base name (full path without extension), two-digit year, next
// booking number.
struct TBuchungsdatei {
    std::string basisname;
    std::string jahr;
    std::int32_t naechsteNummer = 0;

    bool aktiv() const { return !basisname.empty(); }
    std::string dateiname() const { return dateien().buchungsdateiName(); }
    // Every file of this club and year.
    Dateisatz dateien() const { return Dateisatz(basisname, jahr); }
};

class Person;

// After a failed creation no base name is active: a command that would write says so and
// ends (BefehlAbgebrochen) instead of writing into a nameless file.
void dateiErforderlich(const TBuchungsdatei& d, Person& person);

// Everything that describes the one active booking file; replaced as a whole when another
// file is opened. Engine functions that work on the club's files take this, not the program's
// state around it.
struct Verein {
    TBuchungsdatei datei;
    TDefinitionen def;
    Beitragssaetze beitraege;         // contribution rates, read at every opening
    Planwerte plan{};                 // [Seite][entry 1..99]
    bool planvorgaben = false;        // plan values loaded for the file
    bool planUnlesbar = false;        // the plan file was there but could not be read
    bool mitgliederVorhanden = false; // the member file holds a member (member items enabled)
    bool nurLesen = false;            // opened with the read-only code or held by another program
    Sortierung sortierung = Sortierung::Nummer;
    IndexBefund indexBefund = IndexBefund::InOrdnung; // of the last opening

    Dateisatz dateien() const { return datei.dateien(); }
    const std::string& dateijahr() const { return datei.jahr; }
    bool inEuro() const { return DateiInEuro(def.waehrung, datei.jahr); }
    bool beideWaehrungen() const { return BeideWaehrungen(def.waehrung, datei.jahr); }
    // Label of the file's currency and of the other one, with the program's Euro label.
    std::string waehrungstext(std::string_view euroText) const {
        return dateiWaehrungstext(def.waehrung, datei.jahr, euroText);
    }
    std::string andererWaehrungstext(std::string_view euroText) const {
        return zalvor::andererWaehrungstext(def.waehrung, datei.jahr, euroText);
    }
};

} // namespace zalvor
