// Test surroundings for templates: the booking surroundings of the entry tests plus a
// template file written record by record.
#pragma once

#include "../entry/eingabeumgebung.h"

#include "core/templates/schablone.h"
#include "core/templates/schablonendatei.h"

#include <string>
#include <vector>

namespace zalvor::test {

struct Vorlage {
    bool einnahme = false;
    int tag = 5;
    int monat = 1;
    std::uint8_t code = kCodeNie;
    long double betrag = 25;
    int konto = 1;
    std::string text = "Miete";
    std::uint8_t typ = 1;
    bool geplant = false;
};

inline TSchablone schablone(const Vorlage& v) {
    TSchablone t;
    t.satz.einnahme = v.einnahme ? 1 : 0;
    t.satz.tag = static_cast<std::uint8_t>(v.tag);
    t.satz.monat = static_cast<std::uint8_t>(v.monat);
    t.satz.betrag = Real6::aus(v.betrag);
    t.satz.text.setze(v.text);
    t.satz.bunr.setze("1");
    t.satz.typcode = v.typ;
    t.satz.geplant = v.geplant ? 1 : 0;
    (v.einnahme ? t.satz.kontoNach : t.satz.kontoVon) = static_cast<std::uint8_t>(v.konto);
    t.setzeCode(v.code);
    return t;
}

class Schablonenumgebung : public Eingabeumgebung {
  public:
    using Eingabeumgebung::Eingabeumgebung;

    std::string schablonen() const { return s.verein.datei.dateien().schablonen(); }
    void anlegen(const std::vector<Vorlage>& vorlagen) {
        std::vector<std::uint8_t> roh;
        for (const auto& v : vorlagen) {
            const auto bytes = schablone(v).packen();
            roh.insert(roh.end(), bytes.begin(), bytes.end());
        }
        bytesSchreiben(schablonen(), roh);
    }
    std::vector<TSchablone> alle() const { return schablonenLesen(schablonen()); }
    std::uint8_t code(std::uint32_t n = 0) const { return alle().at(n).code(); }
    std::vector<TBuchung> buchungen() const { return alleBuchungenLesen(datei()); }
};

} // namespace zalvor::test
