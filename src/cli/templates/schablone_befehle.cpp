// zalvor-cli schablone-buchen, schablone-loeschen, schablone-wiederholung: the buttons of the
// template window for the template in row NR.
#include "cli/common/befehl.h"
#include "cli/entry/satzzeile.h"
#include "cli/templates/schablonenzeile.h"
#include "core/files/buchungsdatei.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"

namespace zalvor::cli {

namespace {

int buchen(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.letzte("NR");
    if (!schablonenLaden(k, datei)) return kAbgelehnt;
    schabloneBuchen(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr,
                    schablonenNummer(k.sitzung, nummer));
    satzAusgeben(k, satzAnzahl(k.sitzung.verein.datei.dateiname()) - 1);
    return kFertig;
}

int loeschen(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.letzte("NR");
    if (!schablonenLaden(k, datei)) return kAbgelehnt;
    const std::uint32_t satz = schablonenNummer(k.sitzung, nummer);
    if (!schabloneLoeschen(k.sitzung.verein.dateien(), k.sitzung.person, satz)) return kAbgelehnt;
    schablonenZeileAusgeben(k, satz);
    return kFertig;
}

Wiederholung wahlLesen(const std::string& text) {
    if (text == "nie") return Wiederholung::Nie;
    if (text == "monatlich") return Wiederholung::Monatlich;
    if (text == "jaehrlich") return Wiederholung::Jaehrlich;
    throw Aufruffehler("WIEDERHOLUNG ist nie, monatlich oder jaehrlich: " + text);
}

int wiederholung(Kontext& k) {
    const std::string datei = k.args.position("DATEI");
    const std::string nummer = k.args.position("NR");
    const Wiederholung wahl = wahlLesen(k.args.position("WIEDERHOLUNG"));
    k.args.fertig();
    if (!schablonenLaden(k, datei)) return kAbgelehnt;
    const std::uint32_t satz = schablonenNummer(k.sitzung, nummer);
    wiederholungSetzen(k.sitzung.verein.dateien(), k.sitzung.uhr, satz, wahl);
    schablonenZeileAusgeben(k, satz);
    return kFertig;
}

} // namespace

Befehl befehlSchabloneBuchen() {
    return {"schablone-buchen", "DATEI NR",
            "bucht Schablone NR (ab 0) wie \"&Buchen\" im Fenster \"Schablonen\": "
            "heutiges Datum, nächste Buchungsnummer; zeigt die neue Buchung",
            Befehlsart::Schablonen, buchen};
}
Befehl befehlSchabloneLoeschen() {
    return {"schablone-loeschen", "DATEI NR",
            "löscht Schablone NR nach der Frage \"Wollen Sie diese Schablone "
            "wirklich löschen?\" (--antworten ja): der Betrag wird 0, der Satz bleibt",
            Befehlsart::Schablonen, loeschen};
}
Befehl befehlSchabloneWiederholung() {
    return {"schablone-wiederholung", "DATEI NR (nie | monatlich | jaehrlich)",
            "setzt die Wiederholung von Schablone NR wie der Dialog \"Wiederholung\": fällig ab "
            "dem nächsten Tag der Schablone nach --heute; oeffnen bucht Fälliges automatisch",
            Befehlsart::Schablonen, wiederholung};
}

} // namespace zalvor::cli
