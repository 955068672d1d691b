// Test surroundings for booking entry: a session on an empty file with its nine indexes,
// accounts 1 "Kasse" and 3 "Bank" named, a recording person and a recording front end.
#pragma once

#include "aufzeichnendeperson.h"
#include "core/common/dateisystem.h"
#include "core/common/uhr.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "core/files/sitzung.h"
#include "tempverzeichnis.h"

#include <string>
#include <vector>

namespace zalvor::test {

// Records what the engine asks of the front end.
struct AufzeichnendeOberflaeche : Oberflaeche {
    std::vector<TabellenModus> tabellen;
    int statuszeilen = 0;
    void tabelleFuellen(TabellenModus m) override { tabellen.push_back(m); }
    void statuszeileAktualisieren() override { ++statuszeilen; }
};

class Eingabeumgebung {
  public:
    explicit Eingabeumgebung(const std::string& jahr = "26")
        : uhr(Datum{2026, 3, 5}), s(person, uhr, Euroablage{dir.pfad(), {}}) {
        s.verein.datei.basisname = dir.datei("Verein");
        s.verein.datei.jahr = jahr;
        s.verein.datei.naechsteNummer = 1;
        s.oberflaeche = &ui;
        leereDateiAnlegen(s.verein.datei.dateiname());
        for (int k = 1; k <= 9; ++k)
            leereDateiAnlegen(s.verein.datei.dateien().index(k));
        for (int k = 1; k <= 9; ++k)
            s.verein.def.konten[static_cast<std::size_t>(k)] = "unbenannt";
        s.verein.def.konten[1] = "Kasse";
        s.verein.def.konten[3] = "Bank";
        s.verein.def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        s.verein.def.typen.setzeTypName(Seite::Ausgabe, 21, "Porto");
        s.verein.def.typen.setzeTypName(Seite::Einnahme, 1, A("Spenden"));
        s.vorgabeDatumZuruecksetzen();
    }

    std::string datei() const { return s.verein.datei.dateiname(); }
    std::uint32_t anzahl() const { return satzAnzahl(datei()); }
    TBuchung satz(std::uint32_t n) const { return buchungLesen(datei(), n); }
    std::vector<std::uint8_t> index(int k) const {
        return bytesLesen(s.verein.datei.dateien().index(k));
    }
    std::vector<Eintrag> meldungen() const { return person.meldungen(); }

    TempVerzeichnis dir;
    AufzeichnendePerson person;
    FesteUhr uhr;
    AufzeichnendeOberflaeche ui;
    Sitzung s;
};

} // namespace zalvor::test
