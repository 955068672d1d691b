// zalvor-cli abschluss: the monthly or yearly closing window as grids.
#include "closing/abschlussbericht.h"
#include "closing/monatsfrage.h"
#include "common/ausgabe.h"
#include "common/befehl.h"
#include "common/dateiargument.h"
#include "common/zeichensatz.h"

namespace zalvor::cli {

namespace {

int abschluss(Kontext& k) {
    const auto monatText = k.args.wert("--monat");
    const bool umrechnen = k.args.schalter("--umrechnen");
    const std::string datei = k.args.position("DATEI");
    k.args.fertig();
    dateiLaden(k, datei, monatText ? "monatsabschluss" : "jahresabschluss");
    Sitzung& s = k.sitzung;
    AbschlussParameter p;
    p.umrechnen = umrechnen;
    if (monatText) {
        const std::string text = utf8NachAnsi(*monatText);
        const auto monat = monatLesen(text);
        if (!monat) {
            monatFehlerMelden(s.person, text);
            return kAbgelehnt;
        }
        p.monat = *monat;
    }
    if (umrechnen && !s.beideWaehrungen())
        throw Aufruffehler("--umrechnen: das Jahr " + s.datei.jahr + " kennt keine zweite Währung");
    berichtAusgeben(k.out, k.format, abschlussBericht(abschlussErstellen(s, p), s.def));
    return kFertig;
}

const Befehl kAbschluss{"abschluss", "DATEI [--monat M] [--umrechnen]",
                        "der Jahres- oder (--monat) Monatsabschluss mit allen Reitern, "
                        "--umrechnen in die andere Währung",
                        abschluss};

} // namespace

Befehl befehlAbschluss() {
    return kAbschluss;
}

} // namespace zalvor::cli
