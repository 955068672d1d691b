// zalvor-cli mehrdateiabschluss: the closing of a file list as it stands on disk.
#include "cli/closing/abschlussargumente.h"
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "core/closing/abschlussbericht.h"
#include "core/closing/dateilisteoeffnen.h"
#include "core/closing/mehrdateiabschluss.h"

namespace zalvor::cli {

namespace {

int mehrdateiabschluss(Kontext& k) {
    const auto monatText = k.args.wert("--monat");
    const bool umrechnen = k.args.schalter("--umrechnen");
    const std::string name = k.args.letzte("LISTE");
    Person& person = k.sitzung.person;
    const auto p = abschlussParameter(monatText, umrechnen, person);
    if (!p) return kAbgelehnt;
    const auto geladen = dateilisteLaden(festeWahl(name), person);
    if (!geladen) return kAbgelehnt;
    const Dateiliste& l = *geladen;
    // An empty list makes no closing.
    if (l.dateien.empty()) return kFertig;
    const Listenvorgaben v = listenvorgabenLesen(l.dateien.front(), person);
    if (umrechnen && !BeideWaehrungen(v.def.waehrung, v.jahr))
        throw Aufruffehler("--umrechnen: das Jahr " + v.jahr + " kennt keine zweite Währung");
    berichtAusgeben(
        k.out, k.format,
        mehrdateiBericht(mehrdateiabschlussRechnen(v, l.dateien, *p, k.sitzung.euroText, person)));
    return kFertig;
}

} // namespace

Befehl befehlMehrdateiabschluss() {
    return {"mehrdateiabschluss", "LISTE [--monat M] [--umrechnen]",
            "der Mehr-Datei-Jahres- oder (--monat) Monatsabschluss der Dateien einer Dateiliste, "
            "--umrechnen in die andere Währung",
            Befehlsart::DateilisteOeffnen, mehrdateiabschluss};
}

} // namespace zalvor::cli
