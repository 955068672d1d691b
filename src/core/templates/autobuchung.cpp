// Automatic bookings of the due templates.
#include "core/templates/autobuchung.h"

#include "core/common/dateisystem.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/templates/schablone.h"
#include "core/templates/wiederholung.h"

namespace zalvor {

namespace {

void codeSchreiben(BinaerDatei& datei, std::uint32_t satz, const TSchablone& t) {
    const auto bytes = t.packen();
    datei.schreiben(std::uint64_t{satz} * TSchablone::kGroesse, bytes.data(), bytes.size());
}

// The code is written first, so that a booking is never made twice: when the append then
// does not arrive, the old code goes back and the month stays due.
void buchenFuer(Sitzung& s, BinaerDatei& datei, std::uint32_t satz, TSchablone& t,
                const Faelligkeit& f) {
    const std::uint8_t alterCode = t.code();
    t.setzeCode(f.neuerCode);
    codeSchreiben(datei, satz, t);
    const std::string buchungsdatei = s.verein.datei.dateiname();
    const std::uint32_t vorher = satzAnzahl(buchungsdatei);
    try {
        buchungAnhaengen(s.verein, s.person,
                         t.buchung(t.satz.tag, f.monat, nummerText(s.verein.datei.naechsteNummer)),
                         {.indizes = true});
    } catch (...) {
        // An append that arrived but failed while filing the indexes counts as made (the
        // index check at opening finds the indexes); otherwise the month is due again.
        try {
            if (satzAnzahl(buchungsdatei) == vorher) {
                t.setzeCode(alterCode);
                codeSchreiben(datei, satz, t);
            }
        } catch (...) {
            // The device fails altogether: the first failure is the one reported.
        }
        throw;
    }
}

} // namespace

int automatischeBuchungen(Sitzung& s) {
    const std::string name = s.verein.datei.dateien().schablonen();
    if (!s.verein.datei.aktiv() || !dateiExistiert(name)) return 0;
    if (s.verein.datei.jahr != Kalenderjahr(s.uhr)) {
        s.person.meldung("Autom. Buchen (Schablonen)",
                         A("Automatische Buchungen funktionieren nur im aktuellen Jahr, \rwerden "
                           "in dieser Datei daher nicht ausgeführt..."),
                         Symbol::Information);
        return 0;
    }
    // A file opened with the read-only code is not changed, not even by due templates.
    if (s.verein.nurLesen) return 0;

    const Datum heute = s.uhr.heute();
    const std::uint32_t anfang = satzAnzahl(s.verein.datei.dateiname());
    int gebucht = 0;
    try {
        BinaerDatei datei(name, BinaerDatei::Modus::LesenSchreiben);
        const auto anzahl = static_cast<std::uint32_t>(datei.groesse() / TSchablone::kGroesse);
        for (std::uint32_t satz = 0; satz < anzahl; ++satz) {
            std::array<std::uint8_t, TSchablone::kGroesse> puffer{};
            datei.lesen(std::uint64_t{satz} * TSchablone::kGroesse, puffer.data(), puffer.size());
            TSchablone t = TSchablone::entpacken(puffer.data());
            if (t.geloescht()) continue;
            for (const auto& f : faelligkeiten(t.code(), t.satz.tag, t.satz.monat, heute)) {
                buchenFuer(s, datei, satz, t, f);
                ++gebucht;
            }
        }
        datei.schliessen();
    } catch (...) {
        // What was booked before the failure stays, and the table shows it.
        if (satzAnzahl(s.verein.datei.dateiname()) != anfang) s.tabelle(TabellenModus::Voll);
        throw;
    }
    if (gebucht == 0) return 0;
    s.person.nachricht("Information",
                       A("Es wurde(n) automatische Buchung(en) vorgenommen! \rÜberprüfen Sie, ob "
                         "die entsprechenden Zahlungen wirklich getätigt wurden!"));
    s.tabelle(TabellenModus::Voll);
    return gebucht;
}

} // namespace zalvor
