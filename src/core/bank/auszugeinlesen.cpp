// Recognising the format by content and reading it.
#include "core/bank/auszugeinlesen.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"
#include "core/bank/camt.h"
#include "core/bank/csvauszug.h"
#include "core/bank/mt940.h"
#include "core/bank/zip.h"

namespace zalvor::bank {

namespace {

void zipLesenIn(std::string_view archiv, Einleseergebnis& e) {
    for (const ZipEintrag& datei : zipLesen(archiv, kHoechstAuszug)) {
        std::vector<Kontoauszug> gelesen;
        if (siehtNachXmlAus(datei.inhalt))
            gelesen = camtLesen(datei.inhalt, e.hinweise, fensterText(datei.name));
        else if (siehtNachMt940Aus(datei.inhalt))
            gelesen = mt940Lesen(datei.inhalt, e.hinweise, fensterText(datei.name));
        else {
            e.hinweise.push_back(
                {Fundstelle{fensterText(datei.name), 0, {}}, A("kein Kontoauszug, übersprungen")});
            continue;
        }
        for (Kontoauszug& a : gelesen)
            e.auszuege.push_back(std::move(a));
    }
    if (e.auszuege.empty()) throw AuszugFehler({}, "ZIP-Archiv ohne Kontoauszug");
}

void nullbetraegeAuslassen(Einleseergebnis& e) {
    for (Kontoauszug& a : e.auszuege)
        std::erase_if(a.zeilen, [&](const Auszugszeile& z) {
            if (z.cent != 0) return false;
            e.hinweise.push_back({z.stelle, "Betrag 0,00 ausgelassen"});
            return true;
        });
}

} // namespace

Einleseergebnis auszugEinlesen(std::string_view inhalt, const CsvBeschreibung* csv) {
    Einleseergebnis e;
    try {
        if (inhalt.size() > kHoechstAuszug)
            throw AuszugFehler({},
                               A("Datei größer als ") + std::to_string(kHoechstAuszug) + " Bytes");
        if (istZip(inhalt)) {
            e.format = Auszugformat::Zip;
            zipLesenIn(inhalt, e);
        } else if (siehtNachXmlAus(inhalt)) {
            e.format = Auszugformat::Camt053;
            e.auszuege = camtLesen(inhalt, e.hinweise);
        } else if (siehtNachMt940Aus(inhalt)) {
            e.format = Auszugformat::Mt940;
            e.auszuege = mt940Lesen(inhalt, e.hinweise);
        } else if (csv != nullptr) {
            e.format = Auszugformat::Csv;
            e.auszuege.push_back(csvLesen(inhalt, *csv));
        } else {
            throw AuszugFehler({}, A("kein Kontoauszug (CAMT.053 oder MT940); für CSV eine "
                                     "Regeldatei mit Spalten angeben"));
        }
        nullbetraegeAuslassen(e);
    } catch (const AuszugFehler& f) {
        e.auszuege.clear();
        e.fehler = f.meldung();
    }
    return e;
}

} // namespace zalvor::bank
