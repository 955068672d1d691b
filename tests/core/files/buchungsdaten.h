// Test helpers for booking files: a session on a fresh file in a temporary folder, records.
#pragma once

#include "aufzeichnendeperson.h"
#include "core/common/dateisystem.h"
#include "core/common/uhr.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "core/files/sitzung.h"
#include "tempverzeichnis.h"

#include <string>
#include <vector>

namespace zalvor::test {

struct Satz {
    std::string bunr = "1";
    std::string text = "Miete"; // DOS form
    long double betrag = 10;
    bool einnahme = false;
    std::uint8_t typ = 1;
    std::uint8_t tag = 1;
    std::uint8_t monat = 1;
    std::uint8_t konto = 1;
    bool geplant = false;
};

inline TBuchung buchung(const Satz& s) {
    TBuchung b;
    b.bunr.setze(s.bunr);
    b.text.setze(s.text);
    b.betrag = Real6::aus(s.betrag);
    b.einnahme = s.einnahme ? 1 : 0;
    b.typcode = s.typ;
    b.tag = s.tag;
    b.monat = s.monat;
    b.geplant = s.geplant ? 1 : 0;
    if (s.einnahme)
        b.kontoNach = s.konto;
    else
        b.kontoVon = s.konto;
    return b;
}

// A session whose active file is <tmp>/Verein.26, created empty.
class Kassenbuch {
  public:
    explicit Kassenbuch(const std::string& name = "Verein", const std::string& jahr = "26")
        : uhr(Datum{2026, 3, 1}), s(person, uhr, Euroablage{dir.pfad(), {}}) {
        s.verein.datei.basisname = dir.datei(name);
        s.verein.datei.jahr = jahr;
        s.verein.datei.naechsteNummer = 1;
        leereDateiAnlegen(s.verein.datei.dateiname());
    }

    // Appends as the booking dialog of a file with indexes does (creating missing ones).
    void buchen(const Satz& satz) {
        buchungAnhaengen(s.verein, s.person, buchung(satz), {false, false, true, true});
    }
    std::string datei() const { return s.verein.datei.dateiname(); }
    std::string index(int k) const { return s.verein.datei.dateien().index(k); }
    std::vector<std::uint16_t> eintraege(int k) const { return indexLesen(s.verein.datei, k); }

    TempVerzeichnis dir;
    AufzeichnendePerson person;
    FesteUhr uhr;
    Sitzung s;
};

} // namespace zalvor::test
